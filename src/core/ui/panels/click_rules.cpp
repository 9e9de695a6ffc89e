#include "core/ui/panels/click_rules.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "core/ini/ini_store.h"

namespace quendar::ui::panels {

namespace {

// Truncation toward zero of a value that is known to fit an int.
int Trunc(double value) { return static_cast<int>(std::trunc(value)); }

constexpr long Squared(int v) { return static_cast<long>(v) * v; }

constexpr double kDegreesPerRadian = 180.0 / std::numbers::pi;

}  // namespace

int StageLevelAt(int y, int sliderBottom) {
  const int d = sliderBottom - y - 2;
  if (d < 0) return 1;
  return std::min(Trunc(d * 0.5 + 2.0), kCpiLevelMax);
}

int SensitivityValueAt(int x, int sliderLeft) {
  const int d = x - sliderLeft - 9;
  if (d < 0) return 1;
  return Trunc(d / 21.0 + 2.0);
}

int LightingValueAt(int x, int sliderLeft) {
  const int d = x - sliderLeft - 4;
  if (d < 0) return 1;
  return Trunc(d / 30.0 + 2.0);
}

std::optional<std::uint8_t> ReportRateCodeAt(Point click, Point centre) {
  const int dx = click.x - centre.x;
  const int dy = click.y - centre.y;
  // The distance compared through its square: for whole pixels this is the same test as the root's.
  const long distance2 = Squared(dx) + Squared(dy);
  if (distance2 < Squared(35) || distance2 > Squared(64)) return std::nullopt;
  if (dx == 0 || dy == 0) return std::nullopt;
  if (dy < 0) return static_cast<std::uint8_t>(dx > 0 ? 1 : 8);
  return static_cast<std::uint8_t>(dx > 0 ? 2 : 4);
}

double SpeedDialAngle(int dx, int dy) {
  const double ax = std::abs(dx);
  const double ay = std::abs(dy);
  if (dx > 0) return std::atan(ay / ax) * kDegreesPerRadian;
  if (dx == 0) return 90.0;
  if (dy == 0) return 180.0;
  return 90.0 + std::atan(ax / ay) * kDegreesPerRadian;
}

std::optional<int> SpeedLevelAt(Point click, Point centre) {
  const int dx = click.x - centre.x;
  const int dy = click.y - centre.y;
  if (dy > 0) return std::nullopt;
  const long distance2 = Squared(dx) + Squared(dy);
  if (distance2 < Squared(43) || distance2 > Squared(71)) return std::nullopt;
  return Trunc(12.0 - SpeedDialAngle(dx, dy) / 18.0);
}

int ScrollLinesUp(int lines) { return std::clamp(lines + 1, kScrollLinesMin, kScrollLinesMax); }

int ScrollLinesDown(int lines) { return std::clamp(lines - 1, kScrollLinesMin, kScrollLinesMax); }

std::optional<int> ScrollLinesFromText(std::wstring_view text) {
  const long value = ini::ParseDecimal(text);
  if (value < kScrollLinesMin || value > kScrollLinesMax) return std::nullopt;
  return static_cast<int>(value);
}

}  // namespace quendar::ui::panels
