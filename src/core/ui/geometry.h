#pragma once
// Client-pixel geometry shared by the layouts, the hit tests and the draw lists.
#include <algorithm>

namespace quendar::ui {

struct Point {
  int x = 0;
  int y = 0;
  friend constexpr bool operator==(const Point&, const Point&) = default;
};

struct Size {
  int width = 0;
  int height = 0;
  friend constexpr bool operator==(const Size&, const Size&) = default;
};

// Right and bottom lie outside the rectangle, as the platform's rectangles do.
struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  static constexpr Rect At(Point origin, Size size) {
    return {origin.x, origin.y, origin.x + size.width, origin.y + size.height};
  }
  constexpr int Width() const { return right - left; }
  constexpr int Height() const { return bottom - top; }
  constexpr bool Empty() const { return right <= left || bottom <= top; }
  constexpr Point TopLeft() const { return {left, top}; }
  constexpr Point Centre() const { return {(left + right) / 2, (top + bottom) / 2}; }
  constexpr bool Contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
  constexpr Rect Offset(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
  constexpr bool Intersects(const Rect& o) const { return !Intersection(o).Empty(); }
  constexpr Rect Intersection(const Rect& o) const {
    return {std::max(left, o.left), std::max(top, o.top), std::min(right, o.right), std::min(bottom, o.bottom)};
  }
  // The smallest rectangle holding both; an empty operand adds nothing.
  constexpr Rect Union(const Rect& o) const {
    if (Empty()) return o;
    if (o.Empty()) return *this;
    return {std::min(left, o.left), std::min(top, o.top), std::max(right, o.right), std::max(bottom, o.bottom)};
  }
  friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

}  // namespace quendar::ui
