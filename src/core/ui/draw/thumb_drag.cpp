#include "core/ui/draw/thumb_drag.h"

namespace quendar::ui {

std::optional<int> ThumbTopAfterMove(const ThumbTrack& track, const Rect& thumb, int dy) {
  if (thumb.left != track.left) return std::nullopt;
  const Rect moved = thumb.Offset(0, dy);
  if (moved.top < track.highestTop || moved.bottom >= track.bottomLimit) return std::nullopt;
  return moved.top;
}

std::optional<int> ThumbDrag::Move(Point pointer, const Rect& thumb) {
  if (!dragging_) return std::nullopt;
  const int dy = pointer.y - last_.y;
  last_ = pointer;
  if (dy == 0) return std::nullopt;
  return ThumbTopAfterMove(track_, thumb, dy);
}

}  // namespace quendar::ui
