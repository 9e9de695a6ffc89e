#include "core/macros/macro_block.h"

#include <algorithm>

#include "core/ini/ini_store.h"
#include "core/keys/key_names.h"
#include "core/macros/macro_item.h"

namespace quendar::macros {
namespace {

constexpr long kShortDelayLimitMs = 1270;  // largest delay one event slot carries (in tens of ms)
constexpr long kLongDelayLimitMs = 25500;  // largest delay one long-delay slot carries (in hundreds)
// Largest delay the count slot carries: 65535 hundreds, the editor's own limit. A longer stored delay
// waits this long instead of wrapping round to a tiny one.
constexpr long kLongestDelayMs = 6553500;
constexpr std::uint8_t kLongDelayCode = 0x03;
constexpr std::uint8_t kReleaseBit = 0x80;
constexpr std::size_t kFirstSlotByte = 2;

struct Slot {
  std::uint8_t attribute;
  std::uint8_t code;
};

// The slots of one event: 1 to 3 of them.
struct EventSlots {
  std::array<Slot, 3> slots{};
  std::size_t count = 0;
  void Add(std::uint8_t attribute, std::uint8_t code) { slots[count++] = Slot{attribute, code}; }
};

EventSlots SlotsForEvent(bool release, std::uint8_t keyCode, long delayMs) {
  // A negative delay (a hand-edited store) would otherwise spill into the release bit.
  const long d = std::clamp(delayMs, 0L, kLongestDelayMs);
  const std::uint8_t releaseBit = release ? kReleaseBit : 0;
  EventSlots result;
  if (d <= kShortDelayLimitMs) {
    result.Add(static_cast<std::uint8_t>(releaseBit | (d / 10)), keyCode);
    return result;
  }
  result.Add(static_cast<std::uint8_t>(releaseBit | (d % 100)), keyCode);
  const long hundreds = d / 100;
  if (d <= kLongDelayLimitMs) {
    result.Add(static_cast<std::uint8_t>(hundreds), kLongDelayCode);
  } else {
    result.Add(0x00, kLongDelayCode);
    result.Add(static_cast<std::uint8_t>((hundreds >> 8) & 0xFF), static_cast<std::uint8_t>(hundreds & 0xFF));
  }
  return result;
}

std::uint16_t EffectiveLoopCount(const StoredMacro& macro) {
  if (!macro.useLoopCount) return 1;
  if (macro.loopTimes < 1 || macro.loopTimes > kMaxLoopCount) return 1;
  return static_cast<std::uint16_t>(macro.loopTimes);
}

}  // namespace

std::wstring_view StoredMacro::Item(long index) const {
  const auto it = items.find(index);
  return it == items.end() ? std::wstring_view{} : std::wstring_view{it->second};
}

long EventDelay(const StoredMacro& macro, long index) {
  std::wstring_view next = macro.Item(index + 1);
  if (!macro.recordDelays && next.find(L"ms") == std::wstring_view::npos) next = L"50 ms";
  return ini::ParseDecimal(RemoveAll(next, kDelaySuffix));
}

EncodedMacro EncodeMacroBlock(const StoredMacro& macro) {
  EncodedMacro result;
  if (macro.itemCount == 0) return result;
  const std::uint16_t loops = EffectiveLoopCount(macro);
  result.block[0] = static_cast<std::uint8_t>(loops >> 8);
  result.block[1] = static_cast<std::uint8_t>(loops & 0xFF);

  std::size_t next = kFirstSlotByte;
  // Only stored items below ItemCount take part; numbers the section lacks read as empty texts, which are
  // no events, so walking the stored ones is the same as walking every number.
  for (auto it = macro.items.lower_bound(0); it != macro.items.end() && it->first < macro.itemCount; ++it) {
    const ClassifiedItem item = ClassifyMacroItem(it->second);
    if (item.kind == MacroEventKind::None) continue;
    const EventSlots event = SlotsForEvent(item.kind == MacroEventKind::Release,
                                           keys::MacroKeyNameToUsage(item.keyName), EventDelay(macro, it->first));
    if (next + 2 * event.count > kMacroBlockSize) {
      result.cut = true;
      break;
    }
    for (std::size_t s = 0; s < event.count; ++s) {
      result.block[next++] = event.slots[s].attribute;
      result.block[next++] = event.slots[s].code;
    }
  }
  return result;
}

EncodedTable EncodeMacroTable(std::span<const StoredMacro> macros) {
  EncodedTable result;
  const std::size_t count = std::min(macros.size(), kMacroCount);
  for (std::size_t k = 0; k < count; ++k) {
    const EncodedMacro encoded = EncodeMacroBlock(macros[k]);
    std::copy(encoded.block.begin(), encoded.block.end(), result.table.begin() + static_cast<long>(k * kMacroBlockSize));
    if (encoded.cut) result.cutMacros.push_back(macros[k].name);
  }
  return result;
}

}  // namespace quendar::macros
