// What a button's function sends to the mouse, where each button lands in the key matrix, and the key
// names of the tables, the macros and the keyboard's scan codes.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/keys/button_code.h"
#include "core/keys/key_names.h"
#include "core/keys/scan_code_names.h"

namespace quendar::keys {
namespace {

ButtonAssignment Type(FunctionType type) {
  ButtonAssignment a;
  a.functionType = static_cast<std::uint8_t>(type);
  return a;
}

// A CPI cycle, a media key, a Windows shortcut, a single key, combinations and a macro are encoded through
// the menus in the assignment tests; "Volume Up", a combination and a macro reach the key matrix in the
// assignment and macro manager demo tests under Wine.
TEST(ButtonCode, EncodesEveryFunctionAndSubChoice) {
  struct Case { ButtonAssignment assignment; ButtonCode code; };
  auto with = [](FunctionType type, auto set) {
    ButtonAssignment a = Type(type);
    set(a);
    return a;
  };
  const Case cases[] = {
      {Type(FunctionType::Click), {0x01, 0x00, 0xF0, 0x00}},
      {Type(FunctionType::Menu), {0x01, 0x00, 0xF1, 0x00}},
      {with(FunctionType::ScrollSelect, [](auto& a) { a.scrollChoice = 1; }), {0x01, 0x00, 0xF2, 0x00}},
      {with(FunctionType::ScrollSelect, [](auto& a) { a.scrollChoice = 3; }), {0x01, 0x00, 0xF6, 0x00}},
      {Type(FunctionType::IeForward), {0x01, 0x00, 0xF4, 0x00}},
      {Type(FunctionType::IeBackward), {0x01, 0x00, 0xF3, 0x00}},
      {Type(FunctionType::DoubleClick), {0x0A, 0xF0, 0x1E, 0x02}},
      {with(FunctionType::HotKey, [](auto& a) { a.hotkeyLetter = SubListValueAt(HotKeySubList(), 2); }),
       {0x00, 0x00, 0xE0, 0x06}},  // "Copy"
      {with(FunctionType::Windows, [](auto& a) { a.windowsChoice = 0; }), {0x03, 0x00, 0x94, 0x01}},
      {with(FunctionType::Windows, [](auto& a) { a.windowsChoice = 6; }), {0x00, 0x00, 0xE3, 0x15}},
      {Type(FunctionType::ButtonOff), {}},
      // Out-of-range types and sub-choices do nothing.
      {with(FunctionType::ScrollSelect, [](auto& a) { a.scrollChoice = 4; }), {}},
      {with(FunctionType::ScrollSelect, [](auto& a) { a.scrollChoice = 0; }), {}},
      {with(FunctionType::Windows, [](auto& a) { a.windowsChoice = 7; }), {}},
      {with(static_cast<FunctionType>(14), [](auto& a) { a.scrollChoice = 1; }), {}},
      {with(static_cast<FunctionType>(255), [](auto& a) { a.singleKey = 4; }), {}},
  };
  for (const Case& c : cases) EXPECT_EQ(EncodeButton(c.assignment), c.code) << int(c.assignment.functionType);
  EXPECT_EQ(SubListValueAt(MultimediaSubList(), 8), 0);
  EXPECT_EQ(SubListValueAt(HotKeySubList(), -1), 0);
}

TEST(ButtonCode, KeyMatrixPlacesButtonsInTheirSlots) {
  std::array<ButtonAssignment, kButtonCount> buttons{};
  // Button b (1-based) is the single key 0x10 + b, so every slot shows which button filled it.
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
  for (auto& b : buttons) b.functionType = static_cast<std::uint8_t>(FunctionType::ButtonOff);
  const KeyMatrix off = BuildKeyMatrix(buttons);
  for (int slot = 0; slot < 14; ++slot) EXPECT_EQ(off[slot], (ButtonCode{}));
  EXPECT_EQ(off[14], (ButtonCode{0x01, 0x00, 0xF7, 0x00}));
  EXPECT_EQ(off[15], (ButtonCode{0x01, 0x00, 0xF8, 0x00}));
}

TEST(KeyNames, ConvertNamedKeysExactlyAndCaseSensitively) {
  const struct { const wchar_t* name; std::uint8_t usage, macroUsage, modifier; } cases[] = {
      {L"A", 0x04, 0x04, 0},   {L"a", 0, 0, 0},          {L"", 0, 0, 0},          {L"Strg", 0, 0, 0},
      {L"Enter ", 0, 0, 0},    {L"Ctrl", 0xE0, 0xE0, 0}, {L"Left Win", 0, 0, 0x08}, {L"Right Win", 0, 0, 0x80},
      {L"Application", 0x65, 0, 0},  // the one key a macro cannot send
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(std::wstring(c.name)));
    EXPECT_EQ(KeyNameToUsage(c.name), c.usage);
    EXPECT_EQ(MacroKeyNameToUsage(c.name), c.macroUsage);
    EXPECT_EQ(ModifierNameToBit(c.name), c.modifier);
  }
}

TEST(ScanCodeNames, EveryKeyboardKeyOfTheTableHasAScanCode) {
  std::set<std::wstring_view> reachable;
  for (int code = 0; code < 256; ++code) {
    for (bool extended : {false, true}) {
      const auto name = KeyNameForScanCode({static_cast<std::uint8_t>(code), extended});
      if (!name.empty()) reachable.insert(name);
    }
  }
  for (const auto& entry : KeyTable()) {
    const bool noKeyboardKey = entry.name == L"Eurpo(Note 2)" || entry.usage >= 0xF0;
    EXPECT_EQ(reachable.contains(entry.name), !noKeyboardKey) << std::string(entry.name.begin(), entry.name.end());
  }
}

TEST(ScanCodeNames, DistinguishesExtendedTwinsAndIgnoresLayout) {
  const struct { std::uint8_t code; bool extended; const wchar_t* name; } cases[] = {
      {0x10, false, L"Q"} /* the same physical key on every layout */, {0x1D, false, L"Ctrl"},
      {0x1D, true, L"Right Ctrl"}, {0x1C, true, L"Num Enter"}, {0x53, false, L"Num Del"}, {0x53, true, L"Delete"},
      {0x37, true, L"Prnt Scrn"}, {0x45, true, L"Num Lock"}, {0x36, true, L"Right Shift"} /* a stray flag */,
      {0x00, false, L""}, {0xFF, true, L""},
  };
  for (const auto& c : cases) EXPECT_EQ(KeyNameForScanCode({c.code, c.extended}), c.name) << int(c.code);
  // Keystroke flags of a keyboard message: scan code in bits 16..23, extended in bit 24.
  EXPECT_EQ(KeyNameForScanCode(ScanCodeFromKeystrokeFlags(0x011D0001u)), L"Right Ctrl");
}

}  // namespace
}  // namespace quendar::keys
