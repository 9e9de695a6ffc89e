#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/keys/key_names.h"
#include "core/keys/scan_code_names.h"

namespace quendar::keys {
namespace {

TEST(KeyNames, ConvertNamedKeysExactlyAndCaseSensitively) {
  const struct {
    const wchar_t* name;
    std::uint8_t usage, macroUsage, modifier;
  } cases[] = {
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
  const struct {
    std::uint8_t code;
    bool extended;
    const wchar_t* name;
  } cases[] = {
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
