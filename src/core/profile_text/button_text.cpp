#include "core/profile_text/button_text.h"

#include "core/ini/text_encoding.h"
#include "core/keys/key_names.h"
#include "core/profile_text/readable_values.h"
#include "core/ui/assignment/captions.h"

namespace quendar::profile_text {
namespace {

using keys::FunctionType;

std::wstring_view SubListName(std::span<const keys::SubListEntry> list, std::uint8_t value) {
  for (const keys::SubListEntry& entry : list) {
    if (entry.value == value) return entry.label;
  }
  return {};
}

// The sub-list a function chooses from, and the button's byte for it; empty for other functions.
std::span<const keys::SubListEntry> SubListOf(const keys::ButtonAssignment& button, std::uint8_t& value) {
  switch (static_cast<FunctionType>(button.functionType)) {
    case FunctionType::ScrollSelect: value = button.scrollChoice; return keys::ScrollSubList();
    case FunctionType::CpiCycle: value = button.cpiChoice; return keys::CpiSubList();
    case FunctionType::Multimedia: value = button.mediaUsage; return keys::MultimediaSubList();
    case FunctionType::HotKey: value = button.hotkeyLetter; return keys::HotKeySubList();
    case FunctionType::Windows: value = button.windowsChoice; return keys::WindowsSubList();
    default: return {};
  }
}

void PutName(nlohmann::ordered_json& json, const char* key, std::wstring_view name) {
  if (!name.empty()) json[key] = ini::ToUtf8(name);
}

}  // namespace

std::wstring_view KeyNameOf(std::uint8_t usage) {
  if (usage == 0) return {};
  for (const keys::KeyNameEntry& entry : keys::KeyTable()) {
    if (entry.usage == usage) return entry.name;
  }
  return {};
}

std::wstring_view ModifierNameOf(std::uint8_t bit) {
  if (bit == 0) return {};
  for (const keys::ModifierEntry& entry : keys::ModifierTable()) {
    if (entry.bit == bit) return entry.name;
  }
  return {};
}

nlohmann::ordered_json ButtonJson(const keys::ButtonAssignment& button, std::wstring_view macroName) {
  nlohmann::ordered_json json;
  if (button.functionType >= keys::kFunctionCount) return json;
  json["function"] = ini::ToUtf8(keys::FunctionList()[button.functionType]);
  std::uint8_t value = 0;
  if (const auto list = SubListOf(button, value); !list.empty()) PutName(json, "choice", SubListName(list, value));
  switch (static_cast<FunctionType>(button.functionType)) {
    case FunctionType::SingleKey: PutName(json, "key", KeyNameOf(button.singleKey)); break;
    case FunctionType::ComboKey:
      PutName(json, "modifier", ModifierNameOf(button.comboModifier));
      PutName(json, "key1", KeyNameOf(button.comboKey1));
      PutName(json, "key2", KeyNameOf(button.comboKey2));
      break;
    case FunctionType::MacroKey:
      json["macro"] = button.macroIndex + 1;
      PutName(json, "name", macroName);
      if (const auto mode = NameOf(kRepeatModes, button.macroRepeatMode)) json["repeat"] = std::string(*mode);
      break;
    default: break;
  }
  return json;
}

std::wstring DefaultCaption(const keys::ButtonAssignment& button, std::wstring_view macroName) {
  const auto english = profiles::Language::English;
  switch (static_cast<FunctionType>(button.functionType)) {
    case FunctionType::SingleKey: return ui::assignment::SingleKeyCaption(english, KeyNameOf(button.singleKey));
    case FunctionType::ComboKey:
      return ui::assignment::ComboKeyCaption(english, {std::wstring(ModifierNameOf(button.comboModifier)),
                                                       std::wstring(KeyNameOf(button.comboKey1)),
                                                       std::wstring(KeyNameOf(button.comboKey2))});
    case FunctionType::MacroKey: return ui::assignment::MacroKeyCaption(english, macroName);
    default: break;
  }
  std::uint8_t value = 0;
  if (const auto list = SubListOf(button, value); !list.empty()) return std::wstring(SubListName(list, value));
  if (button.functionType >= keys::kFunctionCount) return {};
  return std::wstring(keys::FunctionList()[button.functionType]);
}

}  // namespace quendar::profile_text
