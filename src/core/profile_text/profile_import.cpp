// Import: the readable document back into a record, every value checked, every fault reported with its
// JSON path and what is allowed there.
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <initializer_list>

#include "core/ini/text_encoding.h"
#include "core/keys/key_names.h"
#include "core/keys/profile_buttons.h"
#include "core/profile_text/button_text.h"
#include "core/profile_text/macro_text.h"
#include "core/profile_text/profile_json.h"
#include "core/profile_text/readable_values.h"
#include "core/profiles/cpi_levels.h"

namespace quendar::profile_text {
namespace {

using nlohmann::ordered_json;
using profiles::RecordField;
namespace field = profiles::field;

constexpr const char* kCpiAllowed = "200..5000 in steps of 100, or 5200..10000 in steps of 200";

std::string Shown(const ordered_json& value) {
  std::string text = value.dump();
  if (text.size() > 40) text = text.substr(0, 37) + "...";
  return text;
}

std::string Quoted(std::span<const std::wstring_view> names) {
  std::string text;
  for (std::size_t i = 0; i < names.size(); ++i) text += (i ? ", '" : "'") + ini::ToUtf8(names[i]) + "'";
  return text;
}

std::optional<std::vector<std::uint8_t>> ParseHexBytes(const std::string& text, std::size_t count) {
  std::vector<std::uint8_t> bytes;
  std::size_t at = 0;
  while (at < text.size()) {
    if (text[at] == ' ') {
      ++at;
      continue;
    }
    if (at + 1 >= text.size() || !std::isxdigit(static_cast<unsigned char>(text[at])) ||
        !std::isxdigit(static_cast<unsigned char>(text[at + 1]))) {
      return std::nullopt;
    }
    bytes.push_back(static_cast<std::uint8_t>(std::stoi(text.substr(at, 2), nullptr, 16)));
    at += 2;
  }
  if (bytes.size() != count) return std::nullopt;
  return bytes;
}

class Importer {
 public:
  Importer(const ordered_json& json, const std::optional<ProfileDocument>& base)
      : json_(json), fromBase_(base.has_value()) {
    if (base) doc_ = *base;
  }

  ImportResult Run() {
    if (!json_.is_object()) {
      Fail("", Shown(json_) + " is not a profile document; allowed: a JSON object");
      return Finish();
    }
    CheckMembers(json_, "", {"format", "firstRunFlag", "profileNumber", "reportRateHz", "buttonLight", "cpiStages",
                             "lighting", "sensitivity", "host", "buttons", "rememberedChoices", "macros", "reserved"});
    if (const ordered_json* format = json_.contains("format") ? &json_["format"] : nullptr;
        format && *format != kFormat) {
      Fail("/format", Shown(*format) + " is not a format this program reads; allowed: '" + std::string(kFormat) + "'");
    }
    auto& record = doc_.contents.record;
    if (auto v = Int(Member(json_, "", "firstRunFlag"), "/firstRunFlag", 0, 1)) doc_.contents.firstRunFlag = *v;
    if (auto v = Int(Member(json_, "", "profileNumber"), "/profileNumber", 0, kProfileNumberMax)) record.ProfileNumber() = *v;
    if (const ordered_json* rate = Member(json_, "", "reportRateHz")) {
      const auto code = rate->is_number_integer() ? ValueOf(kReportRates, std::to_string(rate->get<long long>()))
                                                  : std::nullopt;
      if (code) {
        record.ReportRateCode() = *code;
      } else {
        Fail("/reportRateHz", Shown(*rate) + " is not a report rate; allowed: 1000, 500, 250 or 125");
      }
    }
    if (auto v = Bool(Member(json_, "", "buttonLight"), "/buttonLight")) record.ButtonLightOn() = *v;
    CpiStages();
    Lighting();
    Sensitivity();
    Host();
    RememberedChoices();
    Reserved();
    Macros();
    Buttons();
    return Finish();
  }

 private:
  void Fail(const std::string& path, const std::string& what) {
    errors_.push_back((path.empty() ? std::string("/") : path) + ": " + what);
  }

  ImportResult Finish() {
    ImportResult result;
    result.errors = std::move(errors_);
    if (result.errors.empty()) result.document = std::move(doc_);
    return result;
  }

  // The member, or null when it is missing; missing is a fault unless a base file fills it in.
  const ordered_json* Member(const ordered_json& object, const std::string& path, const char* key) {
    if (!object.is_object()) return nullptr;
    const auto it = object.find(key);
    if (it != object.end()) return &*it;
    if (!fromBase_) Fail(path + "/" + key, "missing; it is required unless the file is built --from a base file");
    return nullptr;
  }

  void CheckMembers(const ordered_json& object, const std::string& path, std::initializer_list<const char*> allowed) {
    for (const auto& member : object.items()) {
      const std::string& key = member.key();
      if (std::find_if(allowed.begin(), allowed.end(), [&](const char* a) { return key == a; }) != allowed.end()) continue;
      std::string names;
      for (const char* a : allowed) names += (names.empty() ? "" : ", ") + std::string(a);
      Fail(path + "/" + key, "unknown member; allowed: " + names);
    }
  }

  bool Object(const ordered_json* value, const std::string& path) {
    if (!value) return false;
    if (value->is_object()) return true;
    Fail(path, Shown(*value) + " is not an object; allowed: a JSON object");
    return false;
  }

  bool Array(const ordered_json* value, const std::string& path, std::size_t size) {
    if (!value) return false;
    if (value->is_array() && value->size() == size) return true;
    Fail(path, Shown(*value) + " is not a list of " + std::to_string(size) + "; allowed: a JSON array of " +
                   std::to_string(size) + " entries");
    return false;
  }

  std::optional<std::uint8_t> Int(const ordered_json* value, const std::string& path, int low, int high) {
    if (!value) return std::nullopt;
    if (value->is_number_integer() && *value >= low && *value <= high) return value->get<std::uint8_t>();
    Fail(path, Shown(*value) + " is not allowed; allowed: an integer " + std::to_string(low) + ".." + std::to_string(high));
    return std::nullopt;
  }

  std::optional<std::uint8_t> Bool(const ordered_json* value, const std::string& path) {
    if (!value) return std::nullopt;
    if (value->is_boolean()) return value->get<bool>() ? 1 : 0;
    Fail(path, Shown(*value) + " is not allowed; allowed: true or false");
    return std::nullopt;
  }

  std::optional<std::uint8_t> Named(const ordered_json* value, const std::string& path, std::span<const NamedByte> table) {
    if (!value) return std::nullopt;
    if (value->is_string()) {
      if (const auto v = ValueOf(table, value->get<std::string>())) return v;
    }
    Fail(path, Shown(*value) + " is not allowed; allowed: " + AllowedNames(table));
    return std::nullopt;
  }

  void CpiStages() {
    const ordered_json* stages = Member(json_, "", "cpiStages");
    if (!Array(stages, "/cpiStages", profiles::kCpiStageCount)) return;
    auto& record = doc_.contents.record;
    for (std::size_t s = 0; s < profiles::kCpiStageCount; ++s) {
      const std::string path = "/cpiStages/" + std::to_string(s);
      const ordered_json& stage = (*stages)[s];
      if (!Object(&stage, path)) continue;
      CheckMembers(stage, path, {"cpi", "enabled", "colour"});
      if (const ordered_json* cpi = Member(stage, path, "cpi")) {
        const auto& values = profiles::kCpiLevelValue;
        const auto at = cpi->is_number_integer() ? std::find(values.begin(), values.end(), cpi->get<long long>())
                                                 : values.end();
        if (at != values.end()) {
          record.CpiStageLevel(s) = static_cast<std::uint8_t>(at - values.begin() + 1);
        } else {
          Fail(path + "/cpi", Shown(*cpi) + " is not a CPI value of the mouse; allowed: " + kCpiAllowed);
        }
      }
      if (auto v = Bool(Member(stage, path, "enabled"), path + "/enabled")) record.CpiStageEnabled(s) = *v;
      if (const ordered_json* colour = Member(stage, path, "colour")) {
        const auto rgb = colour->is_string() ? ParseColour(colour->get<std::string>()) : std::nullopt;
        if (rgb) {
          for (std::size_t c = 0; c < 3; ++c) record.CpiStageColor(s, c) = (*rgb)[c];
        } else {
          Fail(path + "/colour", Shown(*colour) + " is not a colour; allowed: \"#RRGGBB\" with hex digits");
        }
      }
    }
  }

  void Lighting() {
    const ordered_json* lighting = Member(json_, "", "lighting");
    if (!Object(lighting, "/lighting")) return;
    CheckMembers(*lighting, "/lighting", {"effect", "levels", "variant"});
    auto& record = doc_.contents.record;
    if (auto v = Named(Member(*lighting, "/lighting", "effect"), "/lighting/effect", kLightingEffects)) {
      record.LightingEffect() = *v;
    }
    if (const ordered_json* levels = Member(*lighting, "/lighting", "levels"); Array(levels, "/lighting/levels", 3)) {
      for (std::size_t row = 0; row < 3; ++row) {
        const std::string path = "/lighting/levels/" + std::to_string(row);
        if (auto v = Int(&(*levels)[row], path, kLightingLevelMin, kLightingLevelMax)) record.LightingSlider(row) = *v;
      }
    }
    if (auto v = Int(Member(*lighting, "/lighting", "variant"), "/lighting/variant", 1, 2)) record.LightingVariant() = *v;
  }

  void Sensitivity() {
    const ordered_json* sensitivity = Member(json_, "", "sensitivity");
    if (!Object(sensitivity, "/sensitivity")) return;
    CheckMembers(*sensitivity, "/sensitivity", {"x", "y"});
    auto& record = doc_.contents.record;
    if (auto v = Int(Member(*sensitivity, "/sensitivity", "x"), "/sensitivity/x", kSensitivityMin, kSensitivityMax)) {
      record.SensitivityX() = *v;
    }
    if (auto v = Int(Member(*sensitivity, "/sensitivity", "y"), "/sensitivity/y", kSensitivityMin, kSensitivityMax)) {
      record.SensitivityY() = *v;
    }
  }

  void Host() {
    const ordered_json* host = Member(json_, "", "host");
    if (!Object(host, "/host")) return;
    CheckMembers(*host, "/host",
                 {"pointerPrecision", "pointerSpeed", "doubleClickSpeed", "scrollOneScreen", "scrollLines", "angleSnap"});
    auto& record = doc_.contents.record;
    const std::string path = "/host";
    if (auto v = Bool(Member(*host, path, "pointerPrecision"), path + "/pointerPrecision")) record.PointerPrecision() = *v;
    if (auto v = Int(Member(*host, path, "pointerSpeed"), path + "/pointerSpeed", kSpeedMin, kSpeedMax)) {
      record.PointerSpeed() = *v;
    }
    if (auto v = Int(Member(*host, path, "doubleClickSpeed"), path + "/doubleClickSpeed", kSpeedMin, kSpeedMax)) {
      record.DoubleClickSpeed() = *v;
    }
    if (auto v = Bool(Member(*host, path, "scrollOneScreen"), path + "/scrollOneScreen")) record.ScrollOneScreen() = *v;
    if (auto v = Int(Member(*host, path, "scrollLines"), path + "/scrollLines", kScrollLinesMin, kScrollLinesMax)) {
      record.ScrollLines() = *v;
    }
    if (auto v = Int(Member(*host, path, "angleSnap"), path + "/angleSnap", 0, 255)) record.AngleSnap() = *v;
  }

  // Optional in every document: a hand-written one may leave what the buttons remember at zero.
  void RememberedChoices() {
    if (!json_.contains("rememberedChoices")) return;
    const ordered_json& tables = json_["rememberedChoices"];
    if (!Object(&tables, "/rememberedChoices")) return;
    for (const auto& member : tables.items()) {
      const std::string& name = member.key();
      const ordered_json& bytes = member.value();
      const std::string path = "/rememberedChoices/" + name;
      const auto f = std::find_if(profiles::kRecordLayout.begin(), profiles::kRecordLayout.end(),
                                  [&](const RecordField& r) { return r.name == name; });
      if (f == profiles::kRecordLayout.end() || f->offset < field::kScrollChoice.offset ||
          f->offset >= field::kMacroTable.offset) {
        Fail(path, "unknown member; allowed: the record's per-button tables (ScrollChoice ... MacroRepeatMode)");
        continue;
      }
      if (!Array(&bytes, path, f->count)) continue;
      for (std::size_t i = 0; i < f->count; ++i) {
        if (auto v = Int(&bytes[i], path + "/" + std::to_string(i), 0, 255)) doc_.contents.record.Field(*f)[i] = *v;
      }
    }
  }

  void Reserved() {
    if (!json_.contains("reserved")) return;
    const ordered_json& reserved = json_["reserved"];
    if (!Object(&reserved, "/reserved")) return;
    for (const auto& member : reserved.items()) {
      const std::string& offset = member.key();
      const ordered_json& bytes = member.value();
      const std::string path = "/reserved/" + offset;
      const auto f = std::find_if(profiles::kRecordLayout.begin(), profiles::kRecordLayout.end(), [&](const RecordField& r) {
        char text[8];
        std::snprintf(text, sizeof text, "0x%03zX", r.offset);
        return r.name.empty() && offset == text;
      });
      if (f == profiles::kRecordLayout.end()) {
        Fail(path, "unknown member; allowed: the offsets of reserved runs (0x001, 0x00E, ...)");
        continue;
      }
      const auto parsed = bytes.is_string() ? ParseHexBytes(bytes.get<std::string>(), f->count) : std::nullopt;
      if (!parsed) {
        Fail(path, Shown(bytes) + " is not allowed; allowed: " + std::to_string(f->count) + " hex bytes");
        continue;
      }
      std::copy(parsed->begin(), parsed->end(), doc_.contents.record.Field(*f).begin());
    }
  }

  void Macros() {
    const ordered_json* macros = Member(json_, "", "macros");
    if (!Array(macros, "/macros", profiles::kMacroBlockCount)) return;
    for (std::size_t k = 0; k < profiles::kMacroBlockCount; ++k) {
      const std::string path = "/macros/" + std::to_string(k);
      const ordered_json& macro = (*macros)[k];
      auto block = doc_.contents.record.MacroBlock(k);
      std::fill(block.begin(), block.end(), 0);
      if (macro.is_null()) continue;
      if (!Object(&macro, path)) continue;
      CheckMembers(macro, path, {"name", "loops", "items", "bytes"});
      if (macro.contains("name")) {
        if (macro["name"].is_string()) {
          macroNames_[k] = ini::FromUtf8(macro["name"].get<std::string>());
        } else {
          Fail(path + "/name", Shown(macro["name"]) + " is not allowed; allowed: a text");
        }
      }
      if (macro.contains("bytes")) {
        const auto parsed = macro["bytes"].is_string()
                                ? ParseHexBytes(macro["bytes"].get<std::string>(), profiles::kMacroBlockSize)
                                : std::nullopt;
        if (parsed) {
          std::copy(parsed->begin(), parsed->end(), block.begin());
        } else {
          Fail(path + "/bytes", Shown(macro["bytes"]) + " is not allowed; allowed: 128 hex bytes");
        }
        continue;
      }
      if (!macro.contains("loops") && !macro.contains("items")) continue;
      MacroText text;
      if (macro.contains("loops")) {
        const ordered_json& loops = macro["loops"];
        if (loops.is_number_integer() && loops >= 1 && loops <= macros::kMaxLoopCount) {
          text.loops = loops.get<std::uint16_t>();
        } else {
          Fail(path + "/loops", Shown(loops) + " is not allowed; allowed: an integer 1..65535");
        }
      }
      const ordered_json* items = macro.contains("items") ? &macro["items"] : nullptr;
      if (items && !items->is_array()) {
        Fail(path + "/items", Shown(*items) + " is not allowed; allowed: a list of items");
        items = nullptr;
      }
      for (std::size_t i = 0; items && i < items->size(); ++i) {
        const ordered_json& item = (*items)[i];
        const std::string itemPath = path + "/items/" + std::to_string(i);
        const std::string fault = item.is_string() ? CheckMacroItem(ini::FromUtf8(item.get<std::string>()))
                                                   : Shown(item) + " is not a text";
        if (!fault.empty()) {
          Fail(itemPath, fault + "; allowed: \"<key>   Dn\", \"<key>   Up\" (three spaces) or \"<n> ms\"");
          continue;
        }
        text.items.push_back(ini::FromUtf8(item.get<std::string>()));
      }
      const macros::EncodedMacro encoded = EncodeMacroText(text);
      if (encoded.cut) Fail(path + "/items", "the events do not fit the mouse's 128-byte macro block; allowed: fewer events");
      std::copy(encoded.block.begin(), encoded.block.end(), block.begin());
    }
  }

  void Buttons() {
    const ordered_json* buttons = Member(json_, "", "buttons");
    if (!Array(buttons, "/buttons", profiles::kButtonCount)) {
      if (fromBase_ && !buttons) FillCaptions({});
      return;
    }
    std::array<bool, profiles::kButtonCount> captioned{};
    auto assignments = keys::ButtonAssignments(doc_.contents.record);
    for (std::size_t b = 0; b < profiles::kButtonCount; ++b) {
      const std::string path = "/buttons/" + std::to_string(b);
      const ordered_json& button = (*buttons)[b];
      if (!Object(&button, path)) continue;
      CheckMembers(button, path, {"button", "function", "choice", "key", "modifier", "key1", "key2", "macro", "name",
                                  "repeat", "caption"});
      if (button.contains("button") && button["button"] != b + 1) {
        Fail(path + "/button", Shown(button["button"]) + " is not this entry's button; allowed: " + std::to_string(b + 1));
      }
      ReadButton(button, path, assignments[b], b);
      keys::StoreButtonAssignment(doc_.contents.record, b, assignments[b]);
      if (button.contains("caption")) {
        if (button["caption"].is_string()) {
          doc_.captions[b] = ini::FromUtf8(button["caption"].get<std::string>());
          captioned[b] = true;
        } else {
          Fail(path + "/caption", Shown(button["caption"]) + " is not allowed; allowed: a text");
        }
      }
    }
    FillCaptions(captioned);
  }

  // Buttons without a caption of their own get the one their function gives.
  void FillCaptions(const std::array<bool, profiles::kButtonCount>& captioned) {
    const auto assignments = keys::ButtonAssignments(doc_.contents.record);
    for (std::size_t b = 0; b < profiles::kButtonCount; ++b) {
      if (captioned[b]) continue;
      const std::wstring name = buttonMacroNames_[b].empty() && assignments[b].macroIndex < macroNames_.size()
                                    ? macroNames_[assignments[b].macroIndex]
                                    : buttonMacroNames_[b];
      doc_.captions[b] = DefaultCaption(assignments[b], name);
    }
  }

  void ReadButton(const ordered_json& button, const std::string& path, keys::ButtonAssignment& a, std::size_t b) {
    const ordered_json* function = Member(button, path, "function");
    if (function) {
      const auto list = keys::FunctionList();
      const auto at = function->is_string()
                          ? std::find(list.begin(), list.end(), ini::FromUtf8(function->get<std::string>()))
                          : list.end();
      if (at == list.end()) {
        Fail(path + "/function", Shown(*function) + " is not a function; allowed: " + Quoted(list));
        return;
      }
      a.functionType = static_cast<std::uint8_t>(at - list.begin());
    }
    using keys::FunctionType;
    const auto type = static_cast<FunctionType>(a.functionType);
    auto choice = [&](std::span<const keys::SubListEntry> list, std::uint8_t& target) {
      if (!button.contains("choice")) return;
      const ordered_json& value = button["choice"];
      for (const keys::SubListEntry& entry : list) {
        if (value.is_string() && ini::FromUtf8(value.get<std::string>()) == entry.label) {
          target = entry.value;
          return;
        }
      }
      std::vector<std::wstring_view> labels;
      for (const keys::SubListEntry& entry : list) labels.push_back(entry.label);
      Fail(path + "/choice", Shown(value) + " is not a choice of this function; allowed: " + Quoted(labels));
    };
    auto key = [&](const char* member, std::uint8_t& target, bool modifier) {
      if (!button.contains(member)) return;
      const ordered_json& value = button[member];
      const std::wstring name = value.is_string() ? ini::FromUtf8(value.get<std::string>()) : L"";
      const std::uint8_t code = modifier ? keys::ModifierNameToBit(name) : keys::KeyNameToUsage(name);
      if (code != 0) {
        target = code;
        return;
      }
      Fail(path + "/" + member, Shown(value) + (modifier ? " is not a modifier; allowed: 'Left Ctrl', 'Left Shift', "
                                                          "'Left Alt', 'Left Win', 'Right Ctrl', 'Right Shift', "
                                                          "'Right Alt' or 'Right Win'"
                                                        : " is not a key name; allowed: the key names of the "
                                                          "assignment dialogs, e.g. 'A', 'F5', 'Shift', 'Num Enter'"));
    };
    switch (type) {
      case FunctionType::ScrollSelect: choice(keys::ScrollSubList(), a.scrollChoice); break;
      case FunctionType::CpiCycle: choice(keys::CpiSubList(), a.cpiChoice); break;
      case FunctionType::Multimedia: choice(keys::MultimediaSubList(), a.mediaUsage); break;
      case FunctionType::HotKey: choice(keys::HotKeySubList(), a.hotkeyLetter); break;
      case FunctionType::Windows: choice(keys::WindowsSubList(), a.windowsChoice); break;
      case FunctionType::SingleKey: key("key", a.singleKey, false); break;
      case FunctionType::ComboKey:
        key("modifier", a.comboModifier, true);
        key("key1", a.comboKey1, false);
        key("key2", a.comboKey2, false);
        break;
      case FunctionType::MacroKey:
        if (button.contains("macro")) {
          if (auto v = Int(&button["macro"], path + "/macro", 1, profiles::kMacroBlockCount)) a.macroIndex = *v - 1;
        }
        if (button.contains("repeat")) {
          if (auto v = Named(&button["repeat"], path + "/repeat", kRepeatModes)) a.macroRepeatMode = *v;
        }
        if (button.contains("name")) {
          if (button["name"].is_string()) {
            buttonMacroNames_[b] = ini::FromUtf8(button["name"].get<std::string>());
          } else {
            Fail(path + "/name", Shown(button["name"]) + " is not allowed; allowed: a text");
          }
        }
        break;
      default: break;
    }
  }

  const ordered_json& json_;
  bool fromBase_;
  ProfileDocument doc_;
  std::array<std::wstring, profiles::kMacroBlockCount> macroNames_;
  std::array<std::wstring, profiles::kButtonCount> buttonMacroNames_;
  std::vector<std::string> errors_;
};

}  // namespace

ImportResult ImportProfile(const ordered_json& json, const std::optional<ProfileDocument>& base) {
  return Importer(json, base).Run();
}

}  // namespace quendar::profile_text
