#pragma once
// What a mouse button does, and the 4-byte code the mouse wants for it.

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "core/protocol/mouse_protocol.h"

namespace quendar::keys {

// Bytes in the order they are stored and sent; byte 0 is the kind of action.
using ButtonCode = std::array<std::uint8_t, 4>;
// The sixteen codes of one key matrix, slot by slot.
using KeyMatrix = std::array<ButtonCode, 16>;

inline constexpr int kButtonCount = static_cast<int>(protocol::kButtonCount);

// Positions in the FunctionList: the value stored as FunctionType.
enum class FunctionType : std::uint8_t {
  Click = 0,
  Menu = 1,
  ScrollSelect = 2,
  IeForward = 3,
  IeBackward = 4,
  DoubleClick = 5,
  CpiCycle = 6,
  Multimedia = 7,
  HotKey = 8,
  Windows = 9,
  SingleKey = 10,
  ComboKey = 11,
  MacroKey = 12,
  ButtonOff = 13,
};
inline constexpr int kFunctionCount = 14;

// The per-button choices the profile keeps (one button's column of the record's twelve-byte arrays).
struct ButtonAssignment {
  std::uint8_t functionType = 0;
  std::uint8_t scrollChoice = 0;
  std::uint8_t cpiChoice = 0;
  std::uint8_t mediaUsage = 0;
  std::uint8_t windowsChoice = 0;
  std::uint8_t hotkeyLetter = 0;
  std::uint8_t singleKey = 0;
  std::uint8_t comboModifier = 0;
  std::uint8_t comboKey1 = 0;
  std::uint8_t comboKey2 = 0;
  std::uint8_t macroIndex = 0;
  std::uint8_t macroRepeatMode = 0;
};

// English labels of the fourteen functions, indexed by FunctionType.
std::span<const std::wstring_view> FunctionList();

// A sub-list entry: English label and the byte it stores in the record.
struct SubListEntry {
  std::wstring_view label;
  std::uint8_t value;
};
std::span<const SubListEntry> ScrollSubList();      // ScrollChoice 1..3
std::span<const SubListEntry> CpiSubList();         // CpiChoice 1..3
std::span<const SubListEntry> MultimediaSubList();  // MediaUsage
std::span<const SubListEntry> HotKeySubList();      // HotkeyLetter
std::span<const SubListEntry> WindowsSubList();     // WindowsChoice 0..6

// The value a sub-list position stores; 0 for a position outside the list.
std::uint8_t SubListValueAt(std::span<const SubListEntry> list, int position);

// Encodes one button's current function. An unknown type or sub-choice encodes as "does nothing".
ButtonCode EncodeButton(const ButtonAssignment& assignment);

// Key matrix 1 for twelve buttons (index 0 = "Button 1"): buttons in their slots, slots 12 and 13 empty,
// slots 14 and 15 the fixed F7/F8 mouse codes.
KeyMatrix BuildKeyMatrix(std::span<const ButtonAssignment, kButtonCount> buttons);

// The slot of key matrix 1 that carries each button.
inline constexpr std::array<int, kButtonCount> kButtonSlot{0, 2, 1, 4, 3, 5, 6, 7, 10, 9, 8, 11};

}  // namespace quendar::keys
