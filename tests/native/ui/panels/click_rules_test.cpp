// Click positions on the panels' sliders, dials and arrows, and the images stored values are shown with.
#include "core/ui/panels/click_rules.h"

#include <gtest/gtest.h>

#include "core/ui/panels/panel_images.h"

namespace quendar::ui::panels {
namespace {

TEST(PanelClickRules, SlidersMapPixelsToValues) {
  struct Case {
    const char* what;
    int got;
    int want;
  };
  const Case cases[] = {
      {"stage, lowest row", StageLevelAt(212, 213), 1},
      {"stage, next row", StageLevelAt(211, 213), 2},
      {"stage, three rows up", StageLevelAt(209, 213), 3},
      {"stage, top row capped", StageLevelAt(65, 213), 74},
      {"stage, row below it", StageLevelAt(68, 213), 73},
      {"X, 8 pixels in", SensitivityValueAt(37 + 8, 37), 1},
      {"X, 9 pixels in", SensitivityValueAt(37 + 9, 37), 2},
      {"X, 29 pixels in", SensitivityValueAt(37 + 29, 37), 2},
      {"X, 30 pixels in", SensitivityValueAt(37 + 30, 37), 3},
      {"X, last pixel", SensitivityValueAt(37 + 207, 37), 11},
      {"X, 11th pixel from the end", SensitivityValueAt(37 + 197, 37), 10},
      {"lighting, 3 pixels in", LightingValueAt(834 + 3, 834), 1},
      {"lighting, 4 pixels in", LightingValueAt(834 + 4, 834), 2},
      {"lighting, 124 pixels in", LightingValueAt(834 + 124, 834), 6},
      {"lighting, last pixel", LightingValueAt(834 + 127, 834), 6},
  };
  for (const Case& c : cases) EXPECT_EQ(c.got, c.want) << c.what;
}

TEST(PanelClickRules, ReportRateRingAndQuadrants) {
  const Point centre{855, 146};
  struct Case {
    int dx, dy;
    std::optional<std::uint8_t> want;
  };
  const Case cases[] = {
      {16, -30, std::nullopt},                       // 34, inside the ring
      {21, -28, 1},  {-21, -28, 8}, {-21, 28, 4},    // 35
      {21, 28, 2},
      {1, -63, 1},   {-39, 50, 4},                   // 63.008, 63.4
      {-1, 64, std::nullopt},                        // 64.008 (64 itself lies only on the axes)
      {39, -52, std::nullopt},                       // 65
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
      {0, -50, 7},              // straight above: 12 - 90/18
      {50, 0, 12},              // only the horizontal line to the right gives 12
      {50, -1, 11},             // just above it
      {-50, 0, 2},              // far left, no division by zero
      {-45, -45, 4},            // 135 degrees: 12 - 7.5
      {45, -45, 9},             // 45 degrees: 12 - 2.5
      {0, -42, std::nullopt},   // inside the ring
      {0, -43, 7},
      {0, -72, std::nullopt},   // outside
      {50, 1, std::nullopt},    // lower half
      {0, 50, std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SpeedLevelAt({centre.x + c.dx, centre.y + c.dy}, centre), c.want) << c.dx << "," << c.dy;
  }
  EXPECT_EQ(SpeedDialAngle(-1, 0), 180.0);
  EXPECT_EQ(SpeedDialAngle(0, -1), 90.0);
}

TEST(PanelClickRules, ScrollLinesArrowsAndNumberBox) {
  // In range the arrows are checked through the number box (settings_panels_test); stored values outside
  // the range are brought back in.
  EXPECT_EQ(ScrollLinesUp(0), 1);
  EXPECT_EQ(ScrollLinesDown(0), 1);
  EXPECT_EQ(ScrollLinesUp(255), 100);
  EXPECT_EQ(ScrollLinesDown(255), 100);

  struct Case {
    const wchar_t* text;
    std::optional<int> want;
  };
  const Case cases[] = {
      {L"abc", std::nullopt}, {L"-5", std::nullopt}, {L"99999999999", std::nullopt},
      {L"1", 1},              {L"12abc", 12},
  };
  for (const Case& c : cases) EXPECT_EQ(ScrollLinesFromText(c.text), c.want) << std::wstring(c.text).size();
}

TEST(PanelImages, StoredValuesOutsideTheirRangeShowTheNearestImage) {
  struct Case {
    std::string got;
    const char* want;
  };
  const Case cases[] = {
      {CpiStageSliderImage(0), "/DPISetting/DPIStage/1.png"},
      {CpiStageSliderImage(75), "/DPISetting/DPIStage/74.png"},
      {SensitivitySliderImage(0), "/StageSlider/1.png"},
      {SensitivitySliderImage(12), "/StageSlider/11.png"},
      {LightingSliderImage(0), "/Lighting/1.png"},
      {LightingSliderImage(7), "/Lighting/6.png"},
      {SpeedDialImage(0), "/MouseAttribute/Speed/1.png"},
      {SpeedDialImage(13), "/MouseAttribute/Speed/12.png"},
      {ReportRateDialImage(0), "/USBReportRate/1000HZ.png"},
      {ReportRateDialImage(2), "/USBReportRate/500HZ.png"},
      {ReportRateDialImage(3), "/USBReportRate/500HZ.png"},
      {ReportRateDialImage(6), "/USBReportRate/250HZ.png"},
      {ReportRateDialImage(7), "/USBReportRate/125HZ.png"},
      {ReportRateDialImage(255), "/USBReportRate/125HZ.png"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.got, c.want);
}

}  // namespace
}  // namespace quendar::ui::panels
