// The settings panels through the main view's panel interface: where their elements are drawn, what a
// press changes and repaints, and the child controls they keep on the platform.
#include "core/ui/panels/settings_panels.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/ui/panels/scroll_speed_panel.h"
#include "core/ui/skin_manifest.h"
#include "native/ui/panels/panel_platform_fake.h"

namespace quendar::ui::panels {
namespace {

using main::DispatchStage;
using main::PanelFrame;
using main::PanelSlot;
using main::RightPage;

// Each panel where the main view puts it with its section's title at the column's top row (or, for the
// lower sections, below collapsed titles).
PanelFrame Frame(Rect area) {
  PanelFrame frame;
  frame.area = area;
  return frame;
}
const PanelFrame kCpi = Frame({734, 52, 976, 284});
const PanelFrame kSensitivity = Frame({20, 195, 262, 346});
const PanelFrame kLightButton = Frame({20, 220, 262, 260});
const PanelFrame kLighting = Frame({734, 77, 976, 189});
const PanelFrame kReportRate = Frame({734, 102, 976, 240});
const PanelFrame kMouseSpeed = Frame({734, 127, 976, 237});
const PanelFrame kScroll = Frame({734, 177, 976, 249});

struct Panels {
  profiles::ProfileRecord record;
  PanelPlatformFake platform;
  main::PanelSet set;
  Panels() { AttachSettingsPanels(set, record, platform); }
  main::Panel& at(PanelSlot slot) { return *set.at(slot); }
  DrawList Draw(PanelSlot slot, const PanelFrame& frame) {
    DrawList list(frame.area);
    at(slot).Draw(frame, list);
    return list;
  }
};

bool HasImage(const DrawList& list, std::string_view name, Point at) {
  for (const DrawOp& op : list.ops()) {
    if (auto* image = std::get_if<ImageOp>(&op); image && image->name == name && image->at == at) return true;
  }
  return false;
}

bool HasText(const DrawList& list, std::wstring_view text, Rect box) {
  for (const DrawOp& op : list.ops()) {
    if (auto* t = std::get_if<TextOp>(&op); t && t->text == text && t->box == box) return true;
  }
  return false;
}

TEST(SettingsPanels, ElementsAreDrawnAtTheirPlaces) {
  Panels p;
  p.record.CpiStageLevel(0) = 49;
  p.record.CpiStageLevel(6) = 50;
  p.record.SensitivityX() = 3;
  p.record.ButtonLightOn() = 1;
  p.record.LightingEffect() = 3;
  p.record.ReportRateCode() = 2;
  p.record.PointerSpeed() = 7;
  const DrawList cpi = p.Draw(PanelSlot::Cpi, kCpi);
  EXPECT_TRUE(HasImage(cpi, "/DPISetting/DPIStage/49.png", {745, 65}));
  EXPECT_TRUE(HasImage(cpi, "/DPISetting/DPIStage/50.png", {955, 65}));
  EXPECT_TRUE(HasImage(cpi, "/DPISetting/BK-DPIValue.png", {735, 235}));
  EXPECT_TRUE(HasText(cpi, L"5000", {735, 235, 765, 245}));
  EXPECT_TRUE(HasImage(cpi, "/Disable.png", {742, 250}));

  const DrawList xy = p.Draw(PanelSlot::Sensitivity, kSensitivity);
  EXPECT_TRUE(HasText(xy, L"X axis", {37, 215, 262, 235}));
  EXPECT_TRUE(HasImage(xy, "/StageSlider/3.png", {37, 235}));
  EXPECT_TRUE(HasText(xy, L"10", {233, 252, 254, 272}));
  EXPECT_TRUE(HasText(xy, L"1", {44, 312, 65, 332}));

  const DrawList light = p.Draw(PanelSlot::LightButton, kLightButton);
  EXPECT_TRUE(HasImage(light, "/Enable.png", {30, 235}));
  EXPECT_TRUE(HasText(light, L"OFF", {164, 230, 231, 249}));

  const DrawList lighting = p.Draw(PanelSlot::Lighting, kLighting);
  EXPECT_TRUE(HasImage(lighting, "/Enable.png", {744, 155}));
  EXPECT_TRUE(HasText(lighting, L"Multi-color ", {759, 150, 832, 169}));
  EXPECT_TRUE(HasText(lighting, L"100%", {949, 110, 983, 125}));
  EXPECT_TRUE(HasText(lighting, L"15S", {954, 168, 988, 183}));

  EXPECT_TRUE(HasImage(p.Draw(PanelSlot::ReportRate, kReportRate), "/USBReportRate/500HZ.png", {791, 107}));
  const DrawList speed = p.Draw(PanelSlot::MouseSpeed, kMouseSpeed);
  EXPECT_TRUE(HasImage(speed, "/MouseAttribute/Speed/7.png", {784, 147}));
  EXPECT_TRUE(HasText(speed, L"Slow", {754, 200, 784, 230}));

  const DrawList scroll = p.Draw(PanelSlot::ScrollSpeed, kScroll);
  EXPECT_TRUE(HasImage(scroll, "/MouseAttribute/ScrollSpeed/Enable.png", {744, 192}));
  EXPECT_TRUE(HasImage(scroll, "/MouseAttribute/ScrollSpeed/Disable.png", {744, 227}));
  EXPECT_TRUE(HasImage(scroll, "/MouseAttribute/ScrollSpeed/ScrollLines.png", {884, 192}));

  PanelFrame chinese = kScroll;
  chinese.language = LanguageClass::TraditionalChinese;
  EXPECT_TRUE(HasText(p.Draw(PanelSlot::ScrollSpeed, chinese), L"一次捲動一個畫面", {761, 227, 876, 239}));
}

TEST(SettingsPanels, EveryStoredByteIsDrawnWithAnImageOfTheSkin) {
  std::set<std::string, std::less<>> skinImages;
  for (const skin::Image* image : skin::kImages) skinImages.emplace(image->name);
  for (const skin::Family* family : skin::kFamilies) {
    for (const skin::FamilyMember& m : family->members) skinImages.insert(skin::MemberName(family->pattern, m.value));
  }
  const std::pair<PanelSlot, PanelFrame> shown[] = {
      {PanelSlot::Cpi, kCpi},           {PanelSlot::Sensitivity, kSensitivity}, {PanelSlot::LightButton, kLightButton},
      {PanelSlot::Lighting, kLighting}, {PanelSlot::ReportRate, kReportRate},   {PanelSlot::MouseSpeed, kMouseSpeed},
      {PanelSlot::DoubleClickSpeed, kMouseSpeed}, {PanelSlot::ScrollSpeed, kScroll},
  };
  for (int byte : {0, 1, 2, 3, 5, 6, 7, 11, 12, 13, 74, 75, 128, 255}) {
    Panels p;
    std::ranges::fill(p.record.settingsPart(), static_cast<std::uint8_t>(byte));
    const profiles::ProfileRecord stored = p.record;
    for (const auto& [slot, frame] : shown) {
      const DrawList list = p.Draw(slot, frame);
      for (const DrawOp& op : list.ops()) {
        if (auto* image = std::get_if<ImageOp>(&op)) {
          EXPECT_TRUE(skinImages.contains(image->name)) << image->name;
        }
      }
    }
    EXPECT_EQ(p.record, stored) << "drawing keeps the stored bytes";
  }
}

TEST(SettingsPanels, PressesChangeOneFieldAndRepaintWhatChanged) {
  PanelFrame lowerCpi = kCpi;
  lowerCpi.page = RightPage::Lower;
  struct Case {
    const char* what;
    PanelSlot slot;
    PanelFrame frame;
    DispatchStage stage;
    Point point;
    std::size_t offset;  // of the byte that may change
    std::uint8_t before, after;
    std::vector<Rect> repaints;
  };
  const std::size_t level2 = profiles::field::kCpiStageLevel.offset + 2;
  const std::size_t enabled0 = profiles::field::kCpiStageEnabled.offset;
  const auto B = DispatchStage::BeforeRows;
  const auto A = DispatchStage::AfterRows;
  const Case cases[] = {
      {"stage slider", PanelSlot::Cpi, kCpi, A, {815, 211}, level2, 30, 2, {{815, 65, 824, 213}, {805, 235, 835, 245}}},
      {"stage slider, same level", PanelSlot::Cpi, kCpi, A, {815, 212}, level2, 1, 1, {}},
      {"stage slider, stored 0", PanelSlot::Cpi, kCpi, A, {815, 65}, level2, 0, 74,
       {{815, 65, 824, 213}, {805, 235, 835, 245}}},
      {"stage slider before the rows", PanelSlot::Cpi, kCpi, B, {815, 211}, level2, 30, 30, {}},
      {"stage slider on the lower page", PanelSlot::Cpi, lowerCpi, A, {815, 211}, level2, 30, 30, {}},
      {"stage switch", PanelSlot::Cpi, kCpi, B, {742, 250}, enabled0, 1, 0, {{742, 250, 752, 259}}},
      {"X slider", PanelSlot::Sensitivity, kSensitivity, B, {37 + 9, 240}, profiles::field::kSensitivityX.offset, 7,
       2, {{37, 235, 245, 244}}},
      {"Y slider", PanelSlot::Sensitivity, kSensitivity, B, {37 + 30, 300}, profiles::field::kSensitivityY.offset, 1,
       3, {{37, 295, 245, 304}}},
      {"ON", PanelSlot::LightButton, kLightButton, B, {30, 235}, profiles::field::kButtonLightOn.offset, 0, 1,
       {{30, 235, 40, 244}, {151, 235, 161, 244}}},
      {"OFF over a stored 2", PanelSlot::LightButton, kLightButton, B, {160, 243},
       profiles::field::kButtonLightOn.offset, 2, 0, {{30, 235, 40, 244}, {151, 235, 161, 244}}},
      {"lighting effect 2", PanelSlot::Lighting, kLighting, A, {744, 126}, profiles::field::kLightingEffect.offset, 1,
       2, {{744, 97, 754, 106}, {744, 126, 754, 135}, {744, 155, 754, 164}}},
      {"lighting slider 1", PanelSlot::Lighting, kLighting, A, {834 + 124, 97},
       profiles::field::kLightingSlider.offset, 1, 6, {{834, 97, 962, 105}}},
      {"report rate, upper right", PanelSlot::ReportRate, kReportRate, A, {855 + 21, 171 - 28},
       profiles::field::kReportRateCode.offset, 8, 1, {{791, 107, 919, 235}}},
      {"report rate over a stored 0", PanelSlot::ReportRate, kReportRate, A, {855 - 21, 171 - 28},
       profiles::field::kReportRateCode.offset, 0, 8, {{791, 107, 919, 235}}},
      {"report rate, 34 from the centre", PanelSlot::ReportRate, kReportRate, A, {855 + 16, 171 - 30},
       profiles::field::kReportRateCode.offset, 8, 8, {}},
      {"mouse speed straight above", PanelSlot::MouseSpeed, kMouseSpeed, A, {855, 218 - 50},
       profiles::field::kPointerSpeed.offset, 12, 7, {{784, 147, 926, 230}}},
      {"double-click speed far left", PanelSlot::DoubleClickSpeed, kMouseSpeed, A, {855 - 60, 218},
       profiles::field::kDoubleClickSpeed.offset, 12, 2, {{784, 147, 926, 230}}},
      {"mouse speed, lower half", PanelSlot::MouseSpeed, kMouseSpeed, A, {855 + 50, 219},
       profiles::field::kPointerSpeed.offset, 12, 12, {}},
  };
  for (const Case& c : cases) {
    Panels p;
    p.record.bytes()[c.offset] = c.before;
    const profiles::ProfileRecord before = p.record;
    main::Effects out;
    p.at(c.slot).OnPress(c.stage, c.point, c.frame, out);
    EXPECT_EQ(p.record.bytes()[c.offset], c.after) << c.what;
    profiles::ProfileRecord expected = before;
    expected.bytes()[c.offset] = c.after;
    EXPECT_EQ(p.record, expected) << c.what << ": only its field changes";
    main::Effects want;
    for (Rect r : c.repaints) want.emplace_back(main::Repaint{r});
    EXPECT_EQ(out, want) << c.what;
  }
}

TEST(ScrollNumberBox, TextChoicesAndArrows) {
  Panels p;
  main::Panel& scroll = p.at(PanelSlot::ScrollSpeed);
  p.platform.echoTo = &scroll;
  p.record.ScrollLines() = 5;
  scroll.OnPlaced(kScroll);
  EXPECT_EQ(p.platform.children[kNumberBoxId].text, L"5");
  EXPECT_TRUE(p.platform.children[kNumberBoxId].enabled);

  struct Typed {
    const wchar_t* text;
    int lines;
    const wchar_t* shown;
  };
  for (const Typed& t : {Typed{L"0", 1, L"1"}, Typed{L"101", 1, L"1"}, Typed{L"", 1, L"1"}, Typed{L"100", 100, L"100"},
                         Typed{L"7", 7, L"7"}}) {
    p.record.ScrollLines() = 42;
    p.platform.children[kNumberBoxId].text = t.text;  // what the user typed
    p.platform.reads = 0;
    main::Effects out;
    EXPECT_TRUE(scroll.OnControlNotice(kNumberBoxId, kEditChangedNotice, out));
    EXPECT_EQ(p.platform.reads, 1) << t.text << ": writing the reset text is not read back as an edit";
    EXPECT_EQ(p.record.ScrollLines(), t.lines) << t.text;
    EXPECT_EQ(p.platform.children[kNumberBoxId].text, t.shown) << t.text;
  }
  main::Effects out;
  EXPECT_FALSE(scroll.OnControlNotice(71, kEditChangedNotice, out)) << "a colour box is not the number box";

  p.platform.reads = 0;
  struct Arrow {
    Point at;
    int before, after;
  };
  for (const Arrow& a : {Arrow{{924, 192}, 100, 100}, Arrow{{933, 205}, 1, 1}, Arrow{{924, 197}, 5, 6},
                         Arrow{{924, 200}, 5, 4}, Arrow{{924, 198}, 5, 5}}) {
    p.record.ScrollLines() = static_cast<std::uint8_t>(a.before);
    p.platform.children[kNumberBoxId].text = std::to_wstring(a.before);
    scroll.OnPress(DispatchStage::AfterRows, a.at, kScroll, out);
    EXPECT_EQ(p.record.ScrollLines(), a.after) << a.at.y;
    EXPECT_EQ(p.platform.children[kNumberBoxId].text, std::to_wstring(a.after)) << a.at.y;
  }
  EXPECT_TRUE(out.empty());
  EXPECT_EQ(p.platform.reads, 0);

  scroll.OnPress(DispatchStage::AfterRows, {744, 227}, kScroll, out);  // "Scroll one screen"
  EXPECT_EQ(p.record.ScrollOneScreen(), 1);
  EXPECT_FALSE(p.platform.children[kNumberBoxId].enabled);
  EXPECT_EQ(out, (main::Effects{main::Repaint{{744, 192, 756, 204}}, main::Repaint{{744, 227, 756, 239}}}));
  scroll.OnPress(DispatchStage::AfterRows, {924, 197}, kScroll, out);  // the arrows work in both choices
  EXPECT_EQ(p.record.ScrollLines(), 6);
  scroll.OnPress(DispatchStage::AfterRows, {755, 203}, kScroll, out);
  EXPECT_EQ(p.record.ScrollOneScreen(), 0);
  EXPECT_TRUE(p.platform.children[kNumberBoxId].enabled);

  scroll.OnPlaced(std::nullopt);
  EXPECT_TRUE(p.platform.children.empty());
  p.record.ScrollOneScreen() = 2;  // any value but 0 scrolls a screen on the host: shown so, box disabled
  scroll.OnPlaced(kScroll);
  EXPECT_FALSE(p.platform.children[kNumberBoxId].enabled);
  EXPECT_TRUE(HasImage(p.Draw(PanelSlot::ScrollSpeed, kScroll), "/MouseAttribute/ScrollSpeed/Enable.png", {744, 227}));
}

}  // namespace
}  // namespace quendar::ui::panels
