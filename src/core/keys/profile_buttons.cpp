#include "core/keys/profile_buttons.h"

namespace quendar::keys {

std::array<ButtonAssignment, kButtonCount> ButtonAssignments(const profiles::ProfileRecord& record) {
  std::array<ButtonAssignment, kButtonCount> buttons{};
  for (std::size_t b = 0; b < buttons.size(); ++b) {
    auto& a = buttons[b];
    a.functionType = record.FunctionType(b);
    a.scrollChoice = record.ScrollChoice(b);
    a.cpiChoice = record.CpiChoice(b);
    a.mediaUsage = record.MediaUsage(b);
    a.windowsChoice = record.WindowsChoice(b);
    a.hotkeyLetter = record.HotkeyLetter(b);
    a.singleKey = record.SingleKey(b);
    a.comboModifier = record.ComboModifier(b);
    a.comboKey1 = record.ComboKey1(b);
    a.comboKey2 = record.ComboKey2(b);
    a.macroIndex = record.MacroIndex(b);
    a.macroRepeatMode = record.MacroRepeatMode(b);
  }
  return buttons;
}

void StoreButtonAssignment(profiles::ProfileRecord& record, std::size_t button, const ButtonAssignment& a) {
  record.FunctionType(button) = a.functionType;
  record.ScrollChoice(button) = a.scrollChoice;
  record.CpiChoice(button) = a.cpiChoice;
  record.MediaUsage(button) = a.mediaUsage;
  record.WindowsChoice(button) = a.windowsChoice;
  record.HotkeyLetter(button) = a.hotkeyLetter;
  record.SingleKey(button) = a.singleKey;
  record.ComboModifier(button) = a.comboModifier;
  record.ComboKey1(button) = a.comboKey1;
  record.ComboKey2(button) = a.comboKey2;
  record.MacroIndex(button) = a.macroIndex;
  record.MacroRepeatMode(button) = a.macroRepeatMode;
}

KeyMatrix BuildKeyMatrix(const profiles::ProfileRecord& record) {
  const auto buttons = ButtonAssignments(record);
  return BuildKeyMatrix(std::span<const ButtonAssignment, kButtonCount>(buttons));
}

}  // namespace quendar::keys
