#pragma once
// The monitor's scale between the skin's logical pixels (what every layout, hit test and draw list
// speaks) and the device pixels of a window on that monitor. 96 dots per inch is 100 %.
//
// Edges map by rounding, so rectangles that touch in logical pixels touch on the device too and nothing
// gaps or overlaps; a device pixel maps back to the logical pixel whose device rectangle holds it, so a
// hit test agrees with what is drawn and a point goes to the device and back unchanged at every scale of
// 100 % or more.
#include <string>
#include <string_view>

#include "core/ui/geometry.h"

namespace quendar::ui {

inline constexpr int kBaseDpi = 96;

class DisplayScale {
 public:
  constexpr DisplayScale() = default;
  // A dpi below 96 (or none, 0) counts as 100 %: the skin is never drawn smaller than it was made.
  constexpr explicit DisplayScale(int dpi) : dpi_(dpi < kBaseDpi ? kBaseDpi : dpi) {}

  constexpr int dpi() const { return dpi_; }
  constexpr bool unity() const { return dpi_ == kBaseDpi; }

  constexpr int ToDevice(int logical) const { return FloorDiv(logical * dpi_ * 2 + kBaseDpi, kBaseDpi * 2); }
  constexpr Point ToDevice(Point p) const { return {ToDevice(p.x), ToDevice(p.y)}; }
  constexpr Size ToDevice(Size s) const { return {ToDevice(s.width), ToDevice(s.height)}; }
  constexpr Rect ToDevice(const Rect& r) const {
    return {ToDevice(r.left), ToDevice(r.top), ToDevice(r.right), ToDevice(r.bottom)};
  }

  // The logical pixel whose device pixels (by the rounding above) include `device`.
  constexpr int ToLogical(int device) const { return FloorDiv((device * 2 + 1) * kBaseDpi - 1, dpi_ * 2); }
  constexpr Point ToLogical(Point p) const { return {ToLogical(p.x), ToLogical(p.y)}; }
  // The logical pixels any part of the device rectangle touches (what a repaint of it must draw).
  constexpr Rect CoveringLogical(const Rect& r) const {
    if (r.Empty()) return {};
    return {ToLogical(r.left), ToLogical(r.top), ToLogical(r.right - 1) + 1, ToLogical(r.bottom - 1) + 1};
  }

  // The image scale a skin provides to draw at this scale: the nearest at or above it, 1 or 2.
  constexpr int ImageScale() const { return dpi_ > kBaseDpi ? 2 : 1; }

  friend constexpr bool operator==(const DisplayScale&, const DisplayScale&) = default;

 private:
  static constexpr int FloorDiv(int a, int b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

  int dpi_ = kBaseDpi;
};

// The file a skin provides for an image at `scale` times its size: "/Main/Save.png" at 2 is
// "/Main/Save@2x.png". Scale 1 is the name itself.
std::string ScaledImageName(std::string_view name, int scale);

}  // namespace quendar::ui
