#include "core/keys/scan_code_names.h"

#include <array>

namespace quendar::keys {
namespace {

struct ScanName {
  std::uint8_t code;
  bool extended;
  std::wstring_view name;
};

// Physical key positions of a US 101/104-key keyboard (plus the F13..F24 row some keyboards add),
// named exactly as the key table spells them.
constexpr std::array kScanNames = std::to_array<ScanName>({
    {0x01, false, L"Esc"},
    {0x02, false, L"1"}, {0x03, false, L"2"}, {0x04, false, L"3"}, {0x05, false, L"4"},
    {0x06, false, L"5"}, {0x07, false, L"6"}, {0x08, false, L"7"}, {0x09, false, L"8"},
    {0x0A, false, L"9"}, {0x0B, false, L"0"}, {0x0C, false, L"-"}, {0x0D, false, L"="},
    {0x0E, false, L"Backspace"}, {0x0F, false, L"Tab"},
    {0x10, false, L"Q"}, {0x11, false, L"W"}, {0x12, false, L"E"}, {0x13, false, L"R"},
    {0x14, false, L"T"}, {0x15, false, L"Y"}, {0x16, false, L"U"}, {0x17, false, L"I"},
    {0x18, false, L"O"}, {0x19, false, L"P"}, {0x1A, false, L"["}, {0x1B, false, L"]"},
    {0x1C, false, L"Enter"}, {0x1C, true, L"Num Enter"},
    {0x1D, false, L"Ctrl"}, {0x1D, true, L"Right Ctrl"},
    {0x1E, false, L"A"}, {0x1F, false, L"S"}, {0x20, false, L"D"}, {0x21, false, L"F"},
    {0x22, false, L"G"}, {0x23, false, L"H"}, {0x24, false, L"J"}, {0x25, false, L"K"},
    {0x26, false, L"L"}, {0x27, false, L";"}, {0x28, false, L"'"}, {0x29, false, L"`"},
    {0x2A, false, L"Shift"}, {0x2B, false, L"\\"},
    {0x2C, false, L"Z"}, {0x2D, false, L"X"}, {0x2E, false, L"C"}, {0x2F, false, L"V"},
    {0x30, false, L"B"}, {0x31, false, L"N"}, {0x32, false, L"M"}, {0x33, false, L","},
    {0x34, false, L"."}, {0x35, false, L"/"}, {0x35, true, L"Num /"},
    {0x36, false, L"Right Shift"},
    {0x37, false, L"Num *"}, {0x37, true, L"Prnt Scrn"},
    {0x38, false, L"Alt"}, {0x38, true, L"Right Alt"},
    {0x39, false, L"Space"}, {0x3A, false, L"Caps Lock"},
    {0x3B, false, L"F1"}, {0x3C, false, L"F2"}, {0x3D, false, L"F3"}, {0x3E, false, L"F4"},
    {0x3F, false, L"F5"}, {0x40, false, L"F6"}, {0x41, false, L"F7"}, {0x42, false, L"F8"},
    {0x43, false, L"F9"}, {0x44, false, L"F10"},
    {0x45, false, L"Pause"}, {0x45, true, L"Num Lock"},
    {0x46, false, L"Scroll Lock"}, {0x46, true, L"Break"},
    {0x47, false, L"Num 7"}, {0x47, true, L"Home"},
    {0x48, false, L"Num 8"}, {0x48, true, L"Up"},
    {0x49, false, L"Num 9"}, {0x49, true, L"Page Up"},
    {0x4A, false, L"Num -"},
    {0x4B, false, L"Num 4"}, {0x4B, true, L"Left"},
    {0x4C, false, L"Num 5"},
    {0x4D, false, L"Num 6"}, {0x4D, true, L"Right"},
    {0x4E, false, L"Num +"},
    {0x4F, false, L"Num 1"}, {0x4F, true, L"End"},
    {0x50, false, L"Num 2"}, {0x50, true, L"Down"},
    {0x51, false, L"Num 3"}, {0x51, true, L"Page Down"},
    {0x52, false, L"Num 0"}, {0x52, true, L"Insert"},
    {0x53, false, L"Num Del"}, {0x53, true, L"Delete"},
    {0x54, false, L"Sys Req"},
    // The extra key of ISO keyboards: a US layout names it like the backslash key.
    {0x56, false, L"\\"},
    {0x57, false, L"F11"}, {0x58, false, L"F12"},
    {0x5B, true, L"Left Windows"}, {0x5C, true, L"Right Windows"}, {0x5D, true, L"Application"},
    {0x64, false, L"F13"}, {0x65, false, L"F14"}, {0x66, false, L"F15"}, {0x67, false, L"F16"},
    {0x68, false, L"F17"}, {0x69, false, L"F18"}, {0x6A, false, L"F19"}, {0x6B, false, L"F20"},
    {0x6C, false, L"F21"}, {0x6D, false, L"F22"}, {0x6E, false, L"F23"}, {0x76, false, L"F24"},
});

std::wstring_view Find(std::uint8_t code, bool extended) {
  for (const auto& entry : kScanNames) {
    if (entry.code == code && entry.extended == extended) return entry.name;
  }
  return {};
}

}  // namespace

std::wstring_view KeyNameForScanCode(ScanCode scan) {
  if (auto name = Find(scan.code, scan.extended); !name.empty()) return name;
  // Some keyboards and remote-input tools set the extended flag on keys that have no E0 twin (the right
  // Shift, the Windows keys without it); the key is still the plain one.
  if (scan.extended) {
    if (auto name = Find(scan.code, false); !name.empty()) return name;
  } else {
    if (auto name = Find(scan.code, true); !name.empty()) return name;
  }
  return {};
}

}  // namespace quendar::keys
