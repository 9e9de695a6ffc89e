#pragma once
// A device macro block as the macro store's items ("A   Dn", "30 ms", ...) and back. The items read
// back into exactly the block they came from, so a profile survives a trip through text.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/macros/macro_block.h"

namespace quendar::profile_text {

struct MacroText {
  std::uint16_t loops = 1;  // 1..65535
  std::vector<std::wstring> items;  // every key event followed by its delay item
};

// The items of a block; nullopt when the block is empty (all zero) or cannot be said as items that
// encode back to it (a key no name stands for, a loop count of 0, ...).
std::optional<MacroText> DecodeMacroBlock(std::span<const std::uint8_t, macros::kMacroBlockSize> block);

// The block the items encode to, as the macro manager encodes a stored macro with recorded delays.
macros::EncodedMacro EncodeMacroText(const MacroText& macro);

// Empty when `item` is a key event of the macro key table or a delay; otherwise what is wrong with it.
std::string CheckMacroItem(std::wstring_view item);

}  // namespace quendar::profile_text
