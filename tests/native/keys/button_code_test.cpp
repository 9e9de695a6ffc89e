#include <gtest/gtest.h>

#include "core/keys/button_code.h"
#include "core/keys/key_names.h"

namespace quendar::keys {
namespace {

ButtonAssignment Type(FunctionType type) {
  ButtonAssignment a;
  a.functionType = static_cast<std::uint8_t>(type);
  return a;
}

TEST(ButtonCode, EncodesEveryFunctionType) {
  EXPECT_EQ(EncodeButton(Type(FunctionType::Click)), (ButtonCode{0x01, 0x00, 0xF0, 0x00}));
  EXPECT_EQ(EncodeButton(Type(FunctionType::Menu)), (ButtonCode{0x01, 0x00, 0xF1, 0x00}));
  EXPECT_EQ(EncodeButton(Type(FunctionType::IeForward)), (ButtonCode{0x01, 0x00, 0xF4, 0x00}));
  EXPECT_EQ(EncodeButton(Type(FunctionType::IeBackward)), (ButtonCode{0x01, 0x00, 0xF3, 0x00}));
  EXPECT_EQ(EncodeButton(Type(FunctionType::DoubleClick)), (ButtonCode{0x0A, 0xF0, 0x1E, 0x02}));
  EXPECT_EQ(EncodeButton(Type(FunctionType::ButtonOff)), (ButtonCode{0, 0, 0, 0}));

  auto scroll = Type(FunctionType::ScrollSelect);
  const std::uint8_t scrollCodes[] = {0xF2, 0xF5, 0xF6};
  for (std::uint8_t choice = 1; choice <= 3; ++choice) {
    scroll.scrollChoice = choice;
    EXPECT_EQ(EncodeButton(scroll), (ButtonCode{0x01, 0x00, scrollCodes[choice - 1], 0x00}));
  }
  auto cpi = Type(FunctionType::CpiCycle);
  cpi.cpiChoice = 3;
  EXPECT_EQ(EncodeButton(cpi), (ButtonCode{0x07, 0x00, 0x03, 0x00}));

  auto media = Type(FunctionType::Multimedia);
  media.mediaUsage = SubListValueAt(MultimediaSubList(), 6);  // "Volume Up"
  EXPECT_EQ(EncodeButton(media), (ButtonCode{0x03, 0x00, 0xE9, 0x00}));
  media.mediaUsage = SubListValueAt(MultimediaSubList(), 0);  // "Media player"
  EXPECT_EQ(EncodeButton(media), (ButtonCode{0x03, 0x00, 0x83, 0x01}));

  auto hotkey = Type(FunctionType::HotKey);
  hotkey.hotkeyLetter = SubListValueAt(HotKeySubList(), 2);  // "Copy"
  EXPECT_EQ(EncodeButton(hotkey), (ButtonCode{0x00, 0x00, 0xE0, 0x06}));

  auto single = Type(FunctionType::SingleKey);
  single.singleKey = KeyNameToUsage(L"F5");
  EXPECT_EQ(EncodeButton(single), (ButtonCode{0x00, 0x00, 0x3E, 0x00}));

  auto combo = Type(FunctionType::ComboKey);
  combo.comboModifier = ModifierNameToBit(L"Left Shift");
  combo.comboKey1 = KeyNameToUsage(L"A");
  EXPECT_EQ(EncodeButton(combo), (ButtonCode{0x00, 0x02, 0x04, 0x00}));
  combo.comboModifier = 0;
  combo.comboKey1 = KeyNameToUsage(L"F5");
  EXPECT_EQ(EncodeButton(combo), (ButtonCode{0x00, 0x00, 0x3E, 0x00}));

  auto macro = Type(FunctionType::MacroKey);
  macro.macroIndex = 0;
  macro.macroRepeatMode = 0x42;
  EXPECT_EQ(EncodeButton(macro), (ButtonCode{0x09, 0x42, 0x01, 0x00}));
}

TEST(ButtonCode, WindowsEntriesAndOutOfRangeChoicesEncodeAsNothing) {
  auto windows = Type(FunctionType::Windows);
  const ButtonCode expected[] = {{0x03, 0x00, 0x94, 0x01}, {0x03, 0x00, 0x23, 0x02}, {0x03, 0x00, 0x21, 0x02},
                                 {0x00, 0x04, 0x2C, 0x1B}, {0x00, 0x04, 0x2C, 0x11}, {0x00, 0x00, 0xE3, 0x07},
                                 {0x00, 0x00, 0xE3, 0x15}};
  for (std::uint8_t choice = 0; choice < 7; ++choice) {
    windows.windowsChoice = choice;
    EXPECT_EQ(EncodeButton(windows), expected[choice]) << int(choice);
  }
  windows.windowsChoice = 7;
  EXPECT_EQ(EncodeButton(windows), (ButtonCode{}));
  auto scroll = Type(FunctionType::ScrollSelect);
  for (std::uint8_t choice : {0, 4, 255}) {
    scroll.scrollChoice = choice;
    EXPECT_EQ(EncodeButton(scroll), (ButtonCode{}));
  }
  for (int type : {14, 99, 255}) {
    ButtonAssignment a;
    a.functionType = static_cast<std::uint8_t>(type);
    a.scrollChoice = 1;
    EXPECT_EQ(EncodeButton(a), (ButtonCode{}));
  }
  EXPECT_EQ(SubListValueAt(MultimediaSubList(), 8), 0);
  EXPECT_EQ(SubListValueAt(HotKeySubList(), -1), 0);
}

TEST(ButtonCode, KeyMatrixPlacesButtonsInTheirSlots) {
  std::array<ButtonAssignment, kButtonCount> buttons{};
  // Button b (1-based) single key with usage 0x10 + b, so every slot shows which button filled it.
  for (int b = 0; b < kButtonCount; ++b) {
    buttons[b].functionType = static_cast<std::uint8_t>(FunctionType::SingleKey);
    buttons[b].singleKey = static_cast<std::uint8_t>(0x11 + b);
  }
  const KeyMatrix matrix = BuildKeyMatrix(buttons);
  const int buttonInSlot[12] = {1, 3, 2, 5, 4, 6, 7, 8, 11, 10, 9, 12};
  for (int slot = 0; slot < 12; ++slot) {
    EXPECT_EQ(matrix[slot], (ButtonCode{0x00, 0x00, static_cast<std::uint8_t>(0x10 + buttonInSlot[slot]), 0x00}))
        << "slot " << slot;
  }
  EXPECT_EQ(matrix[12], (ButtonCode{}));
  EXPECT_EQ(matrix[13], (ButtonCode{}));
  EXPECT_EQ(matrix[14], (ButtonCode{0x01, 0x00, 0xF7, 0x00}));
  EXPECT_EQ(matrix[15], (ButtonCode{0x01, 0x00, 0xF8, 0x00}));

  for (auto& b : buttons) b.functionType = static_cast<std::uint8_t>(FunctionType::ButtonOff);
  const KeyMatrix off = BuildKeyMatrix(buttons);
  for (int slot = 0; slot < 14; ++slot) EXPECT_EQ(off[slot], (ButtonCode{}));
}

}  // namespace
}  // namespace quendar::keys
