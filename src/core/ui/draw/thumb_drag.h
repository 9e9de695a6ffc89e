#pragma once
// The scroll thumb's drag rule: the thumb follows the pointer's vertical movement while it stays in the
// main window's scroll track; any other move leaves it where it is. Positions are the parent's pixels.
#include <optional>

#include "core/ui/geometry.h"

namespace quendar::ui {

struct ThumbTrack {
  int left = 984;          // the only column the thumb moves in
  int highestTop = 32;     // the thumb's top may be this or lower
  int bottomLimit = 596;   // the thumb's bottom stays above this
};

// The thumb's new top after the pointer moved `dy` pixels, or nullopt when the move is refused.
std::optional<int> ThumbTopAfterMove(const ThumbTrack& track, const Rect& thumb, int dy);

// Press, moves and release of the pointer on the thumb. A double click is a press too.
class ThumbDrag {
 public:
  explicit ThumbDrag(ThumbTrack track = {}) : track_(track) {}

  void Press(Point pointer) {
    dragging_ = true;
    last_ = pointer;
  }
  void Release() { dragging_ = false; }
  bool dragging() const { return dragging_; }

  // The new top when the thumb moves. The pointer is remembered on every move while dragging, whether
  // the thumb moved or not, so a refused move is not made up later.
  std::optional<int> Move(Point pointer, const Rect& thumb);

 private:
  ThumbTrack track_;
  bool dragging_ = false;
  Point last_;
};

}  // namespace quendar::ui
