#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/keys/key_names.h"
#include "core/keys/scan_code_names.h"

namespace quendar::keys {
namespace {

TEST(KeyNames, ConvertsNamedKeysExactlyAndCaseSensitively) {
  EXPECT_EQ(KeyNameToUsage(L"A"), 0x04);
  EXPECT_EQ(KeyNameToUsage(L"a"), 0);
  EXPECT_EQ(KeyNameToUsage(L""), 0);
  EXPECT_EQ(KeyNameToUsage(L"Strg"), 0);
  EXPECT_EQ(KeyNameToUsage(L"Enter "), 0) << "whole-name match only";
  EXPECT_EQ(KeyNameToUsage(L"Left Win"), 0);
  EXPECT_EQ(KeyNameToUsage(L"Ctrl"), 0xE0);
  EXPECT_EQ(ModifierNameToBit(L"Left Win"), 0x08);
  EXPECT_EQ(ModifierNameToBit(L"Right Win"), 0x80);
  EXPECT_EQ(ModifierNameToBit(L"Ctrl"), 0);
  EXPECT_EQ(ModifierNameToBit(L""), 0);
}

TEST(KeyNames, MacroTableLacksOnlyTheApplicationKey) {
  EXPECT_EQ(KeyNameToUsage(L"Application"), 0x65);
  EXPECT_EQ(MacroKeyNameToUsage(L"Application"), 0);
  int differences = 0;
  for (const auto& entry : KeyTable()) {
    if (MacroKeyNameToUsage(entry.name) != KeyNameToUsage(entry.name)) ++differences;
  }
  EXPECT_EQ(differences, 1);
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
  EXPECT_EQ(KeyNameForScanCode({0x10, false}), L"Q");  // the same physical key on every layout
  EXPECT_EQ(KeyNameForScanCode({0x1D, false}), L"Ctrl");
  EXPECT_EQ(KeyNameForScanCode({0x1D, true}), L"Right Ctrl");
  EXPECT_EQ(KeyNameForScanCode({0x1C, true}), L"Num Enter");
  EXPECT_EQ(KeyNameForScanCode({0x53, false}), L"Num Del");
  EXPECT_EQ(KeyNameForScanCode({0x53, true}), L"Delete");
  EXPECT_EQ(KeyNameForScanCode({0x37, true}), L"Prnt Scrn");
  EXPECT_EQ(KeyNameForScanCode({0x45, true}), L"Num Lock");
  EXPECT_EQ(KeyNameForScanCode({0x36, true}), L"Right Shift") << "a stray extended flag keeps the key";
  EXPECT_TRUE(KeyNameForScanCode({0x00, false}).empty());
  EXPECT_TRUE(KeyNameForScanCode({0xFF, true}).empty());
  // Keystroke flags of a keyboard message: scan code in bits 16..23, extended in bit 24.
  const ScanCode fromFlags = ScanCodeFromKeystrokeFlags(0x011D0001u);
  EXPECT_EQ(KeyNameForScanCode(fromFlags), L"Right Ctrl");
}

}  // namespace
}  // namespace quendar::keys
