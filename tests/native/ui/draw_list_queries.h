#pragma once
// Questions a test asks of a draw list: is this image or text drawn there.
#include <algorithm>
#include <optional>
#include <string_view>

#include "core/ui/draw/draw_list.h"

namespace quendar::ui::testing {

inline bool HasImage(const DrawList& list, std::string_view name, Point at) {
  return std::ranges::any_of(list.ops(), [&](const DrawOp& op) {
    const auto* image = std::get_if<ImageOp>(&op);
    return image != nullptr && image->name == name && image->at == at;
  });
}

// Any box when `box` is not given.
inline bool HasText(const DrawList& list, std::wstring_view text, std::optional<Rect> box = std::nullopt) {
  return std::ranges::any_of(list.ops(), [&](const DrawOp& op) {
    const auto* t = std::get_if<TextOp>(&op);
    return t != nullptr && t->text == text && (!box || t->box == *box);
  });
}

}  // namespace quendar::ui::testing
