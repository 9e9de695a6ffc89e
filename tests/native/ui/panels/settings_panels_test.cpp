// The settings panels: the pixels where a slider or dial changes value, what they draw for the stored
// values, what a press changes and repaints, and the number box they keep on the platform.
#include "core/ui/panels/settings_panels.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>

#include "core/ui/panels/click_rules.h"
#include "core/ui/panels/cpi_panel.h"
#include "core/ui/panels/scroll_speed_panel.h"
#include "native/ui/draw_list_queries.h"
#include "native/ui/manifest_sizes.h"
#include "native/ui/panel_platform_fake.h"

namespace quendar::ui::panels {
namespace {

using main::DispatchStage;
using main::PanelFrame;
using main::PanelSlot;
using ui::testing::HasImage;

TEST(PanelClickRules, SlidersMapPixelsToValues) {
  const std::pair<int, int> cases[] = {  // {value found, value wanted}
      {StageLevelAt(212, 213), 1}, {StageLevelAt(211, 213), 2}, {StageLevelAt(209, 213), 3},
      {StageLevelAt(65, 213), 74}, {StageLevelAt(68, 213), 73},  // the top row is capped
      {SensitivityValueAt(37 + 8, 37), 1},  {SensitivityValueAt(37 + 9, 37), 2},  {SensitivityValueAt(37 + 29, 37), 2},
      {SensitivityValueAt(37 + 30, 37), 3}, {SensitivityValueAt(37 + 207, 37), 11},
      {SensitivityValueAt(37 + 197, 37), 10}, {LightingValueAt(834 + 3, 834), 1}, {LightingValueAt(834 + 4, 834), 2},
      {LightingValueAt(834 + 124, 834), 6}, {LightingValueAt(834 + 127, 834), 6},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) EXPECT_EQ(cases[i].first, cases[i].second) << "case " << i;
}

TEST(PanelClickRules, ReportRateRingAndQuadrants) {
  const Point centre{855, 146};
  const std::tuple<int, int, std::optional<std::uint8_t>> cases[] = {  // {dx, dy, code}
      {16, -30, std::nullopt},                                  // 34, inside the ring
      {21, -28, 1}, {-21, -28, 8}, {-21, 28, 4}, {21, 28, 2},   // 35
      {1, -63, 1},  {-39, 50, 4},                               // 63.008, 63.4
      {-1, 64, std::nullopt},                                   // 64.008 (64 itself lies only on the axes)
      {39, -52, std::nullopt},                                  // 65
      {0, -35, std::nullopt}, {35, 0, std::nullopt}, {0, 64, std::nullopt}, {-64, 0, std::nullopt},
  };
  for (const auto& [dx, dy, want] : cases)
    EXPECT_EQ(ReportRateCodeAt({centre.x + dx, centre.y + dy}, centre), want) << dx << "," << dy;
}

TEST(PanelClickRules, SpeedDialUpperRing) {
  const Point centre{855, 200};
  const std::tuple<int, int, std::optional<int>> cases[] = {  // {dx, dy, level}
      {0, -50, 7},                              // straight above: 12 - 90/18
      {50, 0, 12},  {50, -1, 11},               // only the horizontal line to the right gives 12
      {-50, 0, 2},                              // far left, no division by zero
      {-45, -45, 4}, {45, -45, 9},              // 135 and 45 degrees
      {0, -42, std::nullopt}, {0, -43, 7},      // the ring's inner edge
      {0, -72, std::nullopt},                   // outside
      {50, 1, std::nullopt}, {0, 50, std::nullopt},  // lower half
  };
  for (const auto& [dx, dy, want] : cases)
    EXPECT_EQ(SpeedLevelAt({centre.x + dx, centre.y + dy}, centre), want) << dx << "," << dy;
}

// Each panel where the main view puts it with its section's title at the column's top row (or, for the
// lower sections, below collapsed titles).
PanelFrame At(Rect area, main::RightPage page = main::RightPage::Upper) {
  return {area, page, LanguageClass::English, {}};
}
const PanelFrame kCpi = At({734, 52, 976, 284}), kSensitivity = At({20, 195, 262, 346}),
                 kLightButton = At({20, 220, 262, 260}), kLighting = At({734, 77, 976, 189}),
                 kReportRate = At({734, 102, 976, 240}), kMouseSpeed = At({734, 127, 976, 237}),
                 kScroll = At({734, 177, 976, 249});

const std::pair<PanelSlot, PanelFrame> kShown[] = {
    {PanelSlot::Cpi, kCpi},           {PanelSlot::Sensitivity, kSensitivity}, {PanelSlot::LightButton, kLightButton},
    {PanelSlot::Lighting, kLighting}, {PanelSlot::ReportRate, kReportRate},   {PanelSlot::MouseSpeed, kMouseSpeed},
    {PanelSlot::DoubleClickSpeed, kMouseSpeed}, {PanelSlot::ScrollSpeed, kScroll},
};

struct Panels {
  profiles::ProfileRecord record;
  ui::testing::PanelPlatformFake platform;
  main::PanelSet set;
  Panels() { AttachSettingsPanels(set, record, platform); }
  main::Panel& at(PanelSlot slot) { return *set.at(slot); }
  DrawList DrawAll(LanguageClass language = LanguageClass::English) {
    DrawList list(Rect{0, 0, 1000, 640});
    for (auto [slot, frame] : kShown) {
      frame.language = language;
      at(slot).Draw(frame, list);
    }
    return list;
  }
};

TEST(SettingsPanels, StoredValuesAreShownByTheirImagesAndNumbers) {
  Panels p;
  p.record.CpiStageLevel(0) = 49, p.record.CpiStageLevel(6) = 50, p.record.SensitivityX() = 3;
  p.record.ButtonLightOn() = 1, p.record.LightingEffect() = 3, p.record.ReportRateCode() = 2;
  p.record.PointerSpeed() = 7;
  const DrawList all = p.DrawAll();
  const std::pair<const char*, Point> images[] = {
      {"/DPISetting/DPIStage/49.png", {745, 65}}, {"/DPISetting/DPIStage/50.png", {955, 65}},
      {"/StageSlider/3.png", {37, 235}},         {"/Enable.png", {30, 235}},  {"/Enable.png", {744, 155}},
      {"/USBReportRate/500HZ.png", {791, 107}},  {"/MouseAttribute/Speed/7.png", {784, 147}},
  };
  for (const auto& [name, at] : images) EXPECT_TRUE(HasImage(all, name, at)) << name << " at " << at.x;
  EXPECT_TRUE(ui::testing::HasText(all, L"5000", Rect{735, 235, 765, 245}));
  const DrawList chinese = p.DrawAll(LanguageClass::TraditionalChinese);
  EXPECT_TRUE(ui::testing::HasText(chinese, L"一次捲動一個畫面"));
}

// Stored bytes come from files and the mouse: any value is drawn with an image the skin has, and drawing
// changes nothing.
TEST(SettingsPanels, EveryStoredByteIsDrawnWithAnImageOfTheSkin) {
  for (int byte : {0, 1, 2, 3, 5, 6, 7, 11, 12, 13, 74, 75, 128, 255}) {
    Panels p;
    std::ranges::fill(p.record.settingsPart(), static_cast<std::uint8_t>(byte));
    const profiles::ProfileRecord stored = p.record;
    const DrawList all = p.DrawAll();
    for (const DrawOp& op : all.ops()) {
      const auto* image = std::get_if<ImageOp>(&op);
      EXPECT_TRUE(!image || SkinImageSize(image->name)) << image->name;
    }
    EXPECT_EQ(p.record, stored) << "drawing keeps the stored bytes";
  }
}

TEST(SettingsPanels, PressesChangeOneFieldAndRepaintWhatChanged) {
  namespace field = profiles::field;
  using S = PanelSlot;
  struct Case { PanelSlot slot; PanelFrame frame; DispatchStage stage; Point point; std::size_t offset;
                std::uint8_t before, after; std::vector<Rect> repaints; };  // offset: of the byte that may change
  const std::size_t level2 = field::kCpiStageLevel.offset + 2;
  const auto B = DispatchStage::BeforeRows, A = DispatchStage::AfterRows;
  const std::vector<Rect> stage{{815, 65, 824, 213}, {805, 235, 835, 245}};
  const std::vector<Rect> light{{30, 235, 40, 244}, {151, 235, 161, 244}};
  const Rect rate{791, 107, 919, 235}, dial{784, 147, 926, 230};
  const Case cases[] = {
      {S::Cpi, kCpi, A, {815, 211}, level2, 30, 2, stage},
      {S::Cpi, kCpi, A, {815, 212}, level2, 1, 1, {}},  // the same level repaints nothing
      {S::Cpi, kCpi, A, {815, 65}, level2, 0, 74, stage},
      {S::Cpi, kCpi, B, {815, 211}, level2, 30, 30, {}},  // the sliders answer after the rows only
      {S::Cpi, At(kCpi.area, main::RightPage::Lower), A, {815, 211}, level2, 30, 30, {}},
      {S::Cpi, kCpi, B, {742, 250}, field::kCpiStageEnabled.offset, 1, 0, {{742, 250, 752, 259}}},
      {S::Sensitivity, kSensitivity, B, {46, 240}, field::kSensitivityX.offset, 7, 2, {{37, 235, 245, 244}}},
      {S::Sensitivity, kSensitivity, B, {67, 300}, field::kSensitivityY.offset, 1, 3, {{37, 295, 245, 304}}},
      {S::LightButton, kLightButton, B, {30, 235}, field::kButtonLightOn.offset, 0, 1, light},
      {S::LightButton, kLightButton, B, {160, 243}, field::kButtonLightOn.offset, 2, 0, light},
      {S::Lighting, kLighting, A, {744, 126}, field::kLightingEffect.offset, 1, 2,
       {{744, 97, 754, 106}, {744, 126, 754, 135}, {744, 155, 754, 164}}},
      {S::Lighting, kLighting, A, {958, 97}, field::kLightingSlider.offset, 1, 6, {{834, 97, 962, 105}}},
      {S::ReportRate, kReportRate, A, {876, 143}, field::kReportRateCode.offset, 8, 1, {rate}},
      {S::ReportRate, kReportRate, A, {834, 143}, field::kReportRateCode.offset, 0, 8, {rate}},
      {S::MouseSpeed, kMouseSpeed, A, {855, 168}, field::kPointerSpeed.offset, 12, 7, {dial}},
      {S::DoubleClickSpeed, kMouseSpeed, A, {795, 218}, field::kDoubleClickSpeed.offset, 12, 2, {dial}},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const Case& c = cases[i];
    SCOPED_TRACE(i);
    Panels p;
    p.record.bytes()[c.offset] = c.before;
    profiles::ProfileRecord expected = p.record;
    expected.bytes()[c.offset] = c.after;
    main::Effects out;
    p.at(c.slot).OnPress(c.stage, c.point, c.frame, out);
    EXPECT_EQ(p.record, expected) << "only its field changes";
    main::Effects want;
    for (Rect r : c.repaints) want.emplace_back(main::Repaint{r});
    EXPECT_EQ(out, want);
  }
}

// The main view places and removes the panel (its test); the boxes follow a chosen colour and the record.
TEST(CpiColourBoxes, FollowTheChosenAndTheStoredColoursAndGoWithThePanel) {
  Panels p;
  main::Panel& cpi = p.at(PanelSlot::Cpi);
  cpi.OnPlaced(kCpi);
  main::Effects out;
  EXPECT_TRUE(cpi.OnColourChosen(kFirstColourBoxId, {1, 2, 3}, out));
  EXPECT_EQ(p.record.CpiStageColor(0, 2), 3);
  p.record.CpiStageColor(6, 2) = 77;  // a Cancel puts the stored colours back
  cpi.OnRecordChanged();
  EXPECT_EQ(p.platform.children[kFirstColourBoxId + 6].colour, (Color{0, 0, 77}));
  cpi.OnPlaced(std::nullopt);
  EXPECT_TRUE(p.platform.children.empty());
}

TEST(ScrollNumberBox, TextChoicesAndArrows) {
  Panels p;
  main::Panel& scroll = p.at(PanelSlot::ScrollSpeed);
  p.platform.echoTo = &scroll;
  p.record.ScrollLines() = 5;
  scroll.OnPlaced(kScroll);
  main::ChildControl& box = p.platform.children[kNumberBoxId];
  EXPECT_EQ(box.text, L"5");
  EXPECT_TRUE(box.enabled);

  const std::tuple<const wchar_t*, int, const wchar_t*> typed[] = {  // {typed, lines, shown}
      {L"0", 1, L"1"},  {L"101", 1, L"1"},         {L"", 1, L"1"},        {L"abc", 1, L"1"},
      {L"-5", 1, L"1"}, {L"99999999999", 1, L"1"}, {L"100", 100, L"100"}, {L"12abc", 12, L"12abc"},
  };
  for (const auto& [text, lines, shown] : typed) {
    p.record.ScrollLines() = 42;
    box.text = text;
    p.platform.reads = 0;
    main::Effects out;
    EXPECT_TRUE(scroll.OnControlNotice(kNumberBoxId, kEditChangedNotice, out));
    EXPECT_EQ(p.platform.reads, 1) << text << ": writing the reset text is not read back as an edit";
    EXPECT_EQ(p.record.ScrollLines(), lines) << text;
    EXPECT_EQ(box.text, shown) << text;
  }
  main::Effects out;
  EXPECT_FALSE(scroll.OnControlNotice(kFirstColourBoxId, kEditChangedNotice, out)) << "not the number box";

  // The arrows bring stored values outside 1..100 back in and never read the box.
  p.platform.reads = 0;
  const std::tuple<Point, int, int> arrows[] = {  // {press, lines before, after}
      {{924, 192}, 100, 100}, {{933, 205}, 1, 1}, {{924, 192}, 255, 100}, {{924, 205}, 0, 1},
      {{924, 197}, 5, 6},     {{924, 200}, 5, 4}, {{924, 198}, 5, 5},  // up, down, the gap between
  };
  for (const auto& [at, before, after] : arrows) {
    p.record.ScrollLines() = static_cast<std::uint8_t>(before);
    box.text = std::to_wstring(before);
    scroll.OnPress(DispatchStage::AfterRows, at, kScroll, out);
    EXPECT_EQ(p.record.ScrollLines(), after) << at.y << " from " << before;
    EXPECT_EQ(box.text, std::to_wstring(after)) << at.y << " from " << before;
  }
  EXPECT_TRUE(out.empty());
  EXPECT_EQ(p.platform.reads, 0);

  scroll.OnPress(DispatchStage::AfterRows, {744, 227}, kScroll, out);  // "Scroll one screen"
  EXPECT_EQ(p.record.ScrollOneScreen(), 1);
  EXPECT_FALSE(box.enabled);
  EXPECT_EQ(out, (main::Effects{main::Repaint{{744, 192, 756, 204}}, main::Repaint{{744, 227, 756, 239}}}));
  scroll.OnPress(DispatchStage::AfterRows, {924, 197}, kScroll, out);  // the arrows work in both choices
  EXPECT_EQ(p.record.ScrollLines(), 6);
  scroll.OnPress(DispatchStage::AfterRows, {755, 203}, kScroll, out);
  EXPECT_EQ(p.record.ScrollOneScreen(), 0);
  EXPECT_TRUE(box.enabled);

  scroll.OnPlaced(std::nullopt);
  EXPECT_TRUE(p.platform.children.empty());
  p.record.ScrollOneScreen() = 2;  // any value but 0 scrolls a screen on the host: shown so, box disabled
  scroll.OnPlaced(kScroll);
  EXPECT_FALSE(p.platform.children[kNumberBoxId].enabled);
  EXPECT_TRUE(HasImage(p.DrawAll(), "/MouseAttribute/ScrollSpeed/Enable.png", {744, 227}));
}

}  // namespace
}  // namespace quendar::ui::panels
