// Click positions on the panels' sliders and dials, at the pixels where the value changes.
#include "core/ui/panels/click_rules.h"

#include <gtest/gtest.h>

namespace quendar::ui::panels {
namespace {

TEST(PanelClickRules, SlidersMapPixelsToValues) {
  const std::pair<int, int> cases[] = {  // {value found, value wanted}
      {StageLevelAt(212, 213), 1},  {StageLevelAt(211, 213), 2},   {StageLevelAt(209, 213), 3},
      {StageLevelAt(65, 213), 74},  {StageLevelAt(68, 213), 73},   // the top row is capped
      {SensitivityValueAt(37 + 8, 37), 1},   {SensitivityValueAt(37 + 9, 37), 2},
      {SensitivityValueAt(37 + 29, 37), 2},  {SensitivityValueAt(37 + 30, 37), 3},
      {SensitivityValueAt(37 + 207, 37), 11}, {SensitivityValueAt(37 + 197, 37), 10},
      {LightingValueAt(834 + 3, 834), 1},    {LightingValueAt(834 + 4, 834), 2},
      {LightingValueAt(834 + 124, 834), 6},  {LightingValueAt(834 + 127, 834), 6},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) EXPECT_EQ(cases[i].first, cases[i].second) << "case " << i;
}

TEST(PanelClickRules, ReportRateRingAndQuadrants) {
  const Point centre{855, 146};
  struct Case {
    int dx, dy;
    std::optional<std::uint8_t> want;
  };
  const Case cases[] = {
      {16, -30, std::nullopt},                                  // 34, inside the ring
      {21, -28, 1}, {-21, -28, 8}, {-21, 28, 4}, {21, 28, 2},   // 35
      {1, -63, 1},  {-39, 50, 4},                               // 63.008, 63.4
      {-1, 64, std::nullopt},                                   // 64.008 (64 itself lies only on the axes)
      {39, -52, std::nullopt},                                  // 65
      {0, -35, std::nullopt}, {35, 0, std::nullopt}, {0, 64, std::nullopt}, {-64, 0, std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ReportRateCodeAt({centre.x + c.dx, centre.y + c.dy}, centre), c.want) << c.dx << "," << c.dy;
  }
}

TEST(PanelClickRules, SpeedDialUpperRing) {
  const Point centre{855, 200};
  struct Case {
    int dx, dy;
    std::optional<int> want;
  };
  const Case cases[] = {
      {0, -50, 7},                              // straight above: 12 - 90/18
      {50, 0, 12},  {50, -1, 11},               // only the horizontal line to the right gives 12
      {-50, 0, 2},                              // far left, no division by zero
      {-45, -45, 4}, {45, -45, 9},              // 135 and 45 degrees
      {0, -42, std::nullopt}, {0, -43, 7},      // the ring's inner edge
      {0, -72, std::nullopt},                   // outside
      {50, 1, std::nullopt}, {0, 50, std::nullopt},  // lower half
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SpeedLevelAt({centre.x + c.dx, centre.y + c.dy}, centre), c.want) << c.dx << "," << c.dy;
  }
}

}  // namespace
}  // namespace quendar::ui::panels
