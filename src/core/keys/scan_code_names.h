#pragma once
// Our own names for keystrokes, so that a captured or recorded key gets the English (US) name of the key
// table whatever keyboard layout the system runs and whatever its key-name function would answer.

#include <cstdint>
#include <string_view>

namespace quendar::keys {

// A keystroke as the keyboard reports it: the set-1 scan code and the "extended" (E0 prefix) flag, which
// together name a physical key independently of the layout.
struct ScanCode {
  std::uint8_t code = 0;
  bool extended = false;
};

// Splits the keystroke flags of a keyboard message (bits 16..23 scan code, bit 24 extended).
constexpr ScanCode ScanCodeFromKeystrokeFlags(std::uint32_t flags) {
  return ScanCode{static_cast<std::uint8_t>((flags >> 16) & 0xFF), ((flags >> 24) & 1U) != 0};
}

// The English (US) name of the key, or an empty view for a scan code no keyboard key sends.
// Every name returned for a key of the key table converts with KeyNameToUsage.
std::wstring_view KeyNameForScanCode(ScanCode scan);

}  // namespace quendar::keys
