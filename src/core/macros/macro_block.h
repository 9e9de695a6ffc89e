#pragma once
// The device form of macros: twelve 128-byte blocks of a loop count and two-byte slots.

#include <array>
#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <vector>

#include "core/protocol/mouse_protocol.h"

namespace quendar::macros {

using protocol::kMacroBlockSize;
using protocol::kMacroCount;
inline constexpr std::size_t kMacroTableSize = kMacroBlockSize * kMacroCount;
inline constexpr std::size_t kSlotsPerBlock = 63;
inline constexpr long kMaxLoopCount = 65535;
inline constexpr long kDefaultDelayMs = 50;

using MacroBlock = std::array<std::uint8_t, kMacroBlockSize>;
using MacroTable = std::array<std::uint8_t, kMacroTableSize>;

// One macro as the store holds it, already parsed. Items are kept by their stored number: a section may
// skip numbers or hold numbers beyond its ItemCount, and a missing item reads as an empty text.
struct StoredMacro {
  std::wstring name;
  bool recordDelays = false;  // "DelayTimeSelStatus" not 0
  bool useLoopCount = false;  // "LoopTimeSelStatus" not 0
  long loopTimes = 0;         // "MacroLoopTimes"
  long itemCount = 0;         // "ItemCount"
  std::map<long, std::wstring> items;

  std::wstring_view Item(long index) const;
};

// The delay in milliseconds attached to the event of item `index`: the delay item that follows it, or
// 50 ms when delays are not recorded and no delay item follows.
long EventDelay(const StoredMacro& macro, long index);

struct EncodedMacro {
  MacroBlock block{};
  // True when some events did not fit in the block: the block holds every event before the first that
  // did not fit, with all of their slots, and nothing after it.
  bool cut = false;
};

EncodedMacro EncodeMacroBlock(const StoredMacro& macro);

struct EncodedTable {
  MacroTable table{};
  std::vector<std::wstring> cutMacros;  // names of the macros whose blocks were cut, in block order
};

// Block k from macro k; macros beyond the twelfth have no block and are left out.
EncodedTable EncodeMacroTable(std::span<const StoredMacro> macros);

}  // namespace quendar::macros
