#pragma once
// Which of a window's rectangles a point falls in. The first match wins, so list overlapping regions
// from the top of the drawing order down.
#include <cstddef>
#include <optional>
#include <span>

#include "core/ui/geometry.h"

namespace quendar::ui {

inline std::optional<std::size_t> HitIndex(std::span<const Rect> rects, Point p) {
  for (std::size_t i = 0; i < rects.size(); ++i) {
    if (rects[i].Contains(p)) return i;
  }
  return std::nullopt;
}

// Regions with an identity of the window's own (an enum of its buttons, a command id).
template <class Id>
struct Region {
  Id id;
  Rect rect;
};

template <class Id>
std::optional<Id> HitRegion(std::span<const Region<Id>> regions, Point p) {
  for (const Region<Id>& region : regions) {
    if (region.rect.Contains(p)) return region.id;
  }
  return std::nullopt;
}

}  // namespace quendar::ui
