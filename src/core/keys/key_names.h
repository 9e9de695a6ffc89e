#pragma once
// English key names as the capture dialogs and the macro recorder hand them over, and their HID codes.

#include <cstdint>
#include <span>
#include <string_view>

namespace quendar::keys {

struct KeyNameEntry {
  std::wstring_view name;
  std::uint8_t usage;  // HID keyboard page usage, or 0xF0..0xF2 for the mouse buttons
};

// The key table in lookup order (108 names).
std::span<const KeyNameEntry> KeyTable();

// Usage of the first entry whose name equals `name` exactly (case-sensitive), 0 when none does.
std::uint8_t KeyNameToUsage(std::wstring_view name);

// The same over the table that macros are encoded with: it has no "Application" entry.
std::uint8_t MacroKeyNameToUsage(std::wstring_view name);

// The HID boot-keyboard modifier bit of one modifier name ("Left Ctrl" ... "Right Win"), 0 otherwise.
std::uint8_t ModifierNameToBit(std::wstring_view name);

struct ModifierEntry {
  std::wstring_view name;
  std::uint8_t bit;
};
std::span<const ModifierEntry> ModifierTable();

inline constexpr std::uint8_t kApplicationUsage = 0x65;

}  // namespace quendar::keys
