// Export: the record as the readable document, every value checked to read back to its byte.
#include <algorithm>
#include <cstdio>

#include "core/ini/text_encoding.h"
#include "core/keys/profile_buttons.h"
#include "core/profile_text/button_text.h"
#include "core/profile_text/macro_text.h"
#include "core/profile_text/profile_json.h"
#include "core/profile_text/readable_values.h"
#include "core/profiles/cpi_levels.h"
#include "core/text/hex.h"

namespace quendar::profile_text {
namespace {

using nlohmann::ordered_json;
using profiles::ProfileRecord;
using profiles::RecordField;
namespace field = profiles::field;

// The per-button tables a button's other functions remember, carried as their bytes.
constexpr std::array<RecordField, 11> kRememberedTables{
    field::kScrollChoice, field::kCpiChoice,     field::kMediaUsage, field::kWindowsChoice,
    field::kHotkeyLetter, field::kSingleKey,     field::kComboModifier, field::kComboKey1,
    field::kComboKey2,    field::kMacroIndex,    field::kMacroRepeatMode};

class Exporter {
 public:
  explicit Exporter(const ProfileDocument& document) : doc_(document), record_(document.contents.record) {}

  ExportResult Run() {
    ordered_json& json = result_.json;
    json["format"] = kFormat;
    json["firstRunFlag"] = Ranged("firstRunFlag", doc_.contents.firstRunFlag, 0, 1);
    json["profileNumber"] = Ranged("profileNumber", record_.ProfileNumber(), 0, kProfileNumberMax);
    json["reportRateHz"] = Named("reportRateHz", kReportRates, record_.ReportRateCode(), true);
    json["buttonLight"] = Flag("buttonLight", record_.ButtonLightOn());
    json["cpiStages"] = CpiStages();
    json["lighting"] = {{"effect", Named("lighting/effect", kLightingEffects, record_.LightingEffect(), false)},
                        {"levels", LightingLevels()},
                        {"variant", Ranged("lighting/variant", record_.LightingVariant(), 1, 2)}};
    json["sensitivity"] = {{"x", Ranged("sensitivity/x", record_.SensitivityX(), kSensitivityMin, kSensitivityMax)},
                           {"y", Ranged("sensitivity/y", record_.SensitivityY(), kSensitivityMin, kSensitivityMax)}};
    json["host"] = {{"pointerPrecision", Flag("host/pointerPrecision", record_.PointerPrecision())},
                    {"pointerSpeed", Ranged("host/pointerSpeed", record_.PointerSpeed(), kSpeedMin, kSpeedMax)},
                    {"doubleClickSpeed", Ranged("host/doubleClickSpeed", record_.DoubleClickSpeed(), kSpeedMin, kSpeedMax)},
                    {"scrollOneScreen", Flag("host/scrollOneScreen", record_.ScrollOneScreen())},
                    {"scrollLines", Ranged("host/scrollLines", record_.ScrollLines(), kScrollLinesMin, kScrollLinesMax)},
                    {"angleSnap", record_.AngleSnap()}};
    const std::array<std::wstring, profiles::kMacroBlockCount> macroNames = MacroNames();
    json["buttons"] = Buttons(macroNames);
    json["rememberedChoices"] = RememberedChoices();
    json["macros"] = Macros(macroNames);
    if (ordered_json reserved = Reserved(); !reserved.empty()) json["reserved"] = std::move(reserved);
    return std::move(result_);
  }

 private:
  void Fail(const std::string& path, const std::string& what) { result_.errors.push_back("/" + path + ": " + what); }

  int Ranged(const std::string& path, std::uint8_t value, int low, int high) {
    if (value < low || value > high) {
      Fail(path, "the file holds " + std::to_string(value) + ", which is outside " + std::to_string(low) + ".." +
                     std::to_string(high));
    }
    return value;
  }

  bool Flag(const std::string& path, std::uint8_t value) { return Ranged(path, value, 0, 1) == 1; }

  ordered_json Named(const std::string& path, std::span<const NamedByte> table, std::uint8_t value, bool number) {
    const auto name = NameOf(table, value);
    if (!name) {
      Fail(path, "the file holds " + std::to_string(value) + ", which has no name");
      return nullptr;
    }
    if (number) return std::stoi(std::string(*name));
    return std::string(*name);
  }

  ordered_json CpiStages() {
    ordered_json stages = ordered_json::array();
    for (std::size_t s = 0; s < profiles::kCpiStageCount; ++s) {
      const std::string path = "cpiStages/" + std::to_string(s);
      const int level = Ranged(path + "/cpi", record_.CpiStageLevel(s), 1, profiles::kCpiLevelCount);
      stages.push_back({{"cpi", profiles::CpiLevelValue(level)},
                        {"enabled", Flag(path + "/enabled", record_.CpiStageEnabled(s))},
                        {"colour", ColourText(record_.CpiStageColor(s, 0), record_.CpiStageColor(s, 1),
                                              record_.CpiStageColor(s, 2))}});
    }
    return stages;
  }

  ordered_json LightingLevels() {
    ordered_json levels = ordered_json::array();
    for (std::size_t row = 0; row < 3; ++row) {
      levels.push_back(Ranged("lighting/levels/" + std::to_string(row), record_.LightingSlider(row), kLightingLevelMin,
                              kLightingLevelMax));
    }
    return levels;
  }

  // A macro's name is what the caption of a button playing it says after "Macro Key-".
  std::array<std::wstring, profiles::kMacroBlockCount> MacroNames() const {
    std::array<std::wstring, profiles::kMacroBlockCount> names;
    const auto buttons = keys::ButtonAssignments(record_);
    for (std::size_t b = 0; b < buttons.size(); ++b) {
      if (buttons[b].functionType != static_cast<std::uint8_t>(keys::FunctionType::MacroKey)) continue;
      const std::wstring prefix = DefaultCaption(buttons[b], L"");
      const std::wstring& caption = doc_.captions[b];
      if (buttons[b].macroIndex < names.size() && caption.starts_with(prefix) && names[buttons[b].macroIndex].empty()) {
        names[buttons[b].macroIndex] = caption.substr(prefix.size());
      }
    }
    return names;
  }

  ordered_json Buttons(const std::array<std::wstring, profiles::kMacroBlockCount>& macroNames) {
    ordered_json buttons = ordered_json::array();
    const auto assignments = keys::ButtonAssignments(record_);
    for (std::size_t b = 0; b < assignments.size(); ++b) {
      const keys::ButtonAssignment& button = assignments[b];
      if (button.functionType >= keys::kFunctionCount) {
        Fail("buttons/" + std::to_string(b) + "/function",
             "the file holds function " + std::to_string(button.functionType) + ", which has no name");
      }
      if (button.functionType == static_cast<std::uint8_t>(keys::FunctionType::MacroKey) &&
          button.macroIndex >= macroNames.size()) {
        Fail("buttons/" + std::to_string(b) + "/macro",
             "the file holds macro index " + std::to_string(button.macroIndex) + ", beyond the twelve macros");
      }
      const std::wstring macroName = button.macroIndex < macroNames.size() ? macroNames[button.macroIndex] : L"";
      ordered_json json = {{"button", b + 1}};
      json.update(ButtonJson(button, macroName));
      if (!doc_.captions[b].empty()) json["caption"] = ini::ToUtf8(doc_.captions[b]);
      buttons.push_back(std::move(json));
    }
    return buttons;
  }

  ordered_json RememberedChoices() const {
    ordered_json tables;
    for (const RecordField& f : kRememberedTables) {
      const auto bytes = record_.Field(f);
      tables[std::string(f.name)] = std::vector<int>(bytes.begin(), bytes.end());
    }
    return tables;
  }

  ordered_json Macros(const std::array<std::wstring, profiles::kMacroBlockCount>& names) const {
    ordered_json macros = ordered_json::array();
    for (std::size_t k = 0; k < profiles::kMacroBlockCount; ++k) {
      const auto block = record_.MacroBlock(k);
      ordered_json json;
      if (!names[k].empty()) json["name"] = ini::ToUtf8(names[k]);
      if (const std::optional<MacroText> macro = DecodeMacroBlock(block)) {
        json["loops"] = macro->loops;
        ordered_json items = ordered_json::array();
        for (const std::wstring& item : macro->items) items.push_back(ini::ToUtf8(item));
        json["items"] = std::move(items);
      } else if (std::any_of(block.begin(), block.end(), [](std::uint8_t b) { return b != 0; })) {
        json["bytes"] = text::HexBytes(block, " ");
      } else if (json.empty()) {
        json = nullptr;
      }
      macros.push_back(std::move(json));
    }
    return macros;
  }

  // Reserved runs that are not all zero, by offset.
  ordered_json Reserved() const {
    ordered_json reserved = ordered_json::object();
    for (const RecordField& f : profiles::kRecordLayout) {
      const auto bytes = record_.Field(f);
      if (!f.name.empty() || std::all_of(bytes.begin(), bytes.end(), [](std::uint8_t b) { return b == 0; })) continue;
      char offset[8];
      std::snprintf(offset, sizeof offset, "0x%03zX", f.offset);
      reserved[offset] = text::HexBytes(bytes, " ");
    }
    return reserved;
  }

  const ProfileDocument& doc_;
  const ProfileRecord& record_;
  ExportResult result_;
};

}  // namespace

ExportResult ExportProfile(const ProfileDocument& document) { return Exporter(document).Run(); }

}  // namespace quendar::profile_text
