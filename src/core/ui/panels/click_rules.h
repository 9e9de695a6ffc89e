#pragma once
// What a click on a panel's slider, dial or arrow means. Every value is computed in floating point and
// truncated toward zero, so a pixel maps to the same value as it always has; the skin's slider and dial
// images are drawn to match these bands.
#include <cstdint>
#include <optional>
#include <string_view>

#include "core/ui/geometry.h"

namespace quendar::ui::panels {

inline constexpr int kCpiLevelMax = 74;
inline constexpr int kScrollLinesMin = 1;
inline constexpr int kScrollLinesMax = 100;

// Level 1..74 of a vertical stage slider whose bottom edge (exclusive) is at `sliderBottom`: the lowest
// pixel row gives 1, every two rows upward add one.
int StageLevelAt(int y, int sliderBottom);

// X/Y sensitivity 1..11 at x on a slider whose left edge is `sliderLeft`: 1 for the first 9 pixels, then
// one step per 21 pixels.
int SensitivityValueAt(int x, int sliderLeft);

// Lighting 1..6 at x on a slider whose left edge is `sliderLeft`: 1 for the first 4 pixels, then one step
// per 30 pixels.
int LightingValueAt(int x, int sliderLeft);

// The report-rate code a click on the dial chooses: only the ring 35..64 pixels from the centre counts,
// and a click on either axis through the centre chooses nothing.
std::optional<std::uint8_t> ReportRateCodeAt(Point click, Point centre);

// The speed level 2..12 a click on a speed dial chooses: only the upper half (on or above the centre's row)
// of the ring 43..71 pixels from the centre counts.
std::optional<int> SpeedLevelAt(Point click, Point centre);

// Angle of the click in degrees, 0 to the right of the centre, 90 straight above, 180 to the left; the
// click is on or above the centre's row. A click on the centre's row to the left is 180, not a division
// by zero.
double SpeedDialAngle(int dx, int dy);

// The scroll-lines arrows; they also pull a stored value outside 1..100 back into it.
int ScrollLinesUp(int lines);
int ScrollLinesDown(int lines);

// What the number box's text makes of the scroll lines: the value when it lies in 1..100, otherwise
// nothing (the box is then reset to "1" and the lines to 1).
std::optional<int> ScrollLinesFromText(std::wstring_view text);

}  // namespace quendar::ui::panels
