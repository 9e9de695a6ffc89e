#include "core/ui/assignment/captions.h"

#include "core/keys/key_names.h"
#include "core/ui/assignment/function_lists.h"

namespace quendar::ui::assignment {

using keys::FunctionType;

namespace {

std::wstring LabelDash(LanguageClass language, FunctionType type) {
  std::wstring caption(FunctionLabel(language, type));
  caption += L'-';
  return caption;
}

}  // namespace

std::wstring SingleKeyCaption(LanguageClass language, std::wstring_view key) {
  return LabelDash(language, FunctionType::SingleKey) + std::wstring(key);
}

std::wstring ComboKeyCaption(LanguageClass language, const ComboKeyChoice& choice) {
  std::wstring caption = LabelDash(language, FunctionType::ComboKey);
  bool first = true;
  auto add = [&](std::wstring_view part, std::uint8_t value) {
    if (value == 0) return;
    if (!first) caption += L'+';
    caption += part;
    first = false;
  };
  add(choice.modifier, keys::ModifierNameToBit(choice.modifier));
  add(choice.key1, keys::KeyNameToUsage(choice.key1));
  add(choice.key2, keys::KeyNameToUsage(choice.key2));
  return caption;
}

std::wstring MacroKeyCaption(LanguageClass language, std::wstring_view name) {
  return LabelDash(language, FunctionType::MacroKey) + std::wstring(name);
}

void StoreChoice(keys::ButtonAssignment& button, const SingleKeyChoice& choice) {
  button.functionType = static_cast<std::uint8_t>(FunctionType::SingleKey);
  button.singleKey = keys::KeyNameToUsage(choice.key);
}

void StoreChoice(keys::ButtonAssignment& button, const ComboKeyChoice& choice) {
  button.functionType = static_cast<std::uint8_t>(FunctionType::ComboKey);
  button.comboModifier = keys::ModifierNameToBit(choice.modifier);
  button.comboKey1 = keys::KeyNameToUsage(choice.key1);
  button.comboKey2 = keys::KeyNameToUsage(choice.key2);
}

void StoreChoice(keys::ButtonAssignment& button, const MacroChoice& choice) {
  button.functionType = static_cast<std::uint8_t>(FunctionType::MacroKey);
  button.macroIndex = choice.index;
  button.macroRepeatMode = choice.repeatMode;
}

}  // namespace quendar::ui::assignment
