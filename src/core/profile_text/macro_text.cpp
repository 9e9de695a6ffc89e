#include "core/profile_text/macro_text.h"

#include <algorithm>

#include "core/ini/text_encoding.h"
#include "core/keys/key_names.h"
#include "core/macros/macro_item.h"

namespace quendar::profile_text {
namespace {

constexpr std::size_t kFirstSlotByte = 2;
constexpr std::uint8_t kReleaseBit = 0x80;
constexpr std::uint8_t kLongDelayCode = 0x03;

// The name a macro encodes to `usage` with, if there is one.
std::optional<std::wstring_view> MacroKeyName(std::uint8_t usage) {
  for (const keys::KeyNameEntry& entry : keys::KeyTable()) {
    if (entry.usage == usage && keys::MacroKeyNameToUsage(entry.name) == usage) return entry.name;
  }
  return std::nullopt;
}

macros::StoredMacro AsStoredMacro(const MacroText& macro) {
  macros::StoredMacro stored;
  stored.recordDelays = true;
  stored.useLoopCount = macro.loops != 1;
  stored.loopTimes = macro.loops;
  // A macro without events still has its loop count: an item count of 0 would leave the block empty.
  stored.itemCount = std::max<long>(1, static_cast<long>(macro.items.size()));
  for (std::size_t i = 0; i < macro.items.size(); ++i) stored.items[static_cast<long>(i)] = macro.items[i];
  return stored;
}

}  // namespace

std::optional<MacroText> DecodeMacroBlock(std::span<const std::uint8_t, macros::kMacroBlockSize> block) {
  if (std::all_of(block.begin(), block.end(), [](std::uint8_t b) { return b == 0; })) return std::nullopt;
  MacroText macro;
  macro.loops = static_cast<std::uint16_t>(block[0] << 8 | block[1]);
  // Trailing empty slots are the block's padding.
  std::size_t end = block.size();
  while (end > kFirstSlotByte && block[end - 1] == 0 && block[end - 2] == 0) end -= 2;
  for (std::size_t at = kFirstSlotByte; at < end;) {
    const std::uint8_t attribute = block[at];
    const std::uint8_t code = block[at + 1];
    at += 2;
    long delay = (attribute & ~kReleaseBit) * 10L;
    if (at < end && block[at + 1] == kLongDelayCode) {
      long hundreds = block[at];
      at += 2;
      if (hundreds == 0 && at < end) {
        hundreds = block[at] << 8 | block[at + 1];
        at += 2;
      }
      delay = (attribute & ~kReleaseBit) + 100L * hundreds;
    }
    const std::optional<std::wstring_view> name = MacroKeyName(code);
    if (!name) return std::nullopt;
    macro.items.push_back((attribute & kReleaseBit) ? macros::ReleaseItem(*name) : macros::PressItem(*name));
    macro.items.push_back(macros::DelayItem(delay));
  }
  const macros::EncodedMacro again = EncodeMacroText(macro);
  if (again.cut || !std::equal(again.block.begin(), again.block.end(), block.begin())) return std::nullopt;
  return macro;
}

macros::EncodedMacro EncodeMacroText(const MacroText& macro) { return macros::EncodeMacroBlock(AsStoredMacro(macro)); }

std::string CheckMacroItem(std::wstring_view item) {
  const macros::ClassifiedItem classified = macros::ClassifyMacroItem(item);
  if (classified.kind != macros::MacroEventKind::None) {
    if (keys::MacroKeyNameToUsage(classified.keyName) != 0) return {};
    return "'" + ini::ToUtf8(classified.keyName) + "' is not a key a macro can send";
  }
  const std::wstring number = macros::RemoveAll(item, macros::kDelaySuffix);
  if (item.ends_with(macros::kDelaySuffix) && !number.empty() &&
      std::all_of(number.begin(), number.end(), [](wchar_t c) { return c >= L'0' && c <= L'9'; }) &&
      number.size() <= 7) {
    return {};
  }
  return "'" + ini::ToUtf8(item) + "' is neither a key event nor a delay";
}

}  // namespace quendar::profile_text
