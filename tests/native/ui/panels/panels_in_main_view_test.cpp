// The settings panels inside the real main view: presses reach them only while their section is open and
// on screen, and their child controls follow the sections and the record.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/ui/main/main_view.h"
#include "core/ui/panels/cpi_panel.h"
#include "core/ui/panels/scroll_speed_panel.h"
#include "core/ui/panels/settings_panels.h"
#include "native/ui/manifest_sizes.h"
#include "native/ui/panels/panel_platform_fake.h"

namespace quendar::ui::panels {
namespace {

class PanelsInMainView : public ::testing::Test {
 protected:
  PanelsInMainView() {
    AttachSettingsPanels(panels, record, platform);
    view.SetContent({LanguageClass::English, {235, 235, 235}, captions});
    view.PaintAll();
  }
  bool Repaints(const main::Effects& effects, Rect area) {
    return std::ranges::find(effects, main::Effect{main::Repaint{area}}) != effects.end();
  }

  std::array<std::wstring, 12> captions{};
  profiles::ProfileRecord record;
  PanelPlatformFake platform;
  main::PanelSet panels;
  main::MainView view{panels, testing::ManifestSizes()};
};

TEST_F(PanelsInMainView, CpiStagesOnlyWhileTheSectionIsOpenAndOnTheUpperPage) {
  view.Press({745, 211});
  EXPECT_EQ(record.CpiStageLevel(0), 0) << "collapsed: the slider is not there";

  view.Press({800, 40});  // "CPI Setting"
  EXPECT_EQ(platform.children.size(), 7u);
  const main::Effects slid = view.Press({745, 211});
  EXPECT_EQ(record.CpiStageLevel(0), 2);
  EXPECT_TRUE(Repaints(slid, {745, 65, 754, 213}));
  EXPECT_TRUE(Repaints(slid, {735, 235, 765, 245}));
  view.Press({742, 250});
  EXPECT_EQ(record.CpiStageEnabled(0), 1);
  // The colour box lets the press through to the window; the dialog opens only after the press is done
  // (a Cancel never reports back), and the press still ends as a window drag like any other.
  const main::Effects asked = view.Press({744, 268});
  ASSERT_EQ(std::ranges::count(asked, main::Effect{main::ChooseColour{kFirstColourBoxId}}), 1);
  EXPECT_EQ(asked.back(), main::Effect{main::RunCommand{main::Command::DragWindow}});
  EXPECT_EQ(platform.children[kFirstColourBoxId].colour, (Color{}));
  view.ColourChosen(kFirstColourBoxId, {1, 2, 3});
  EXPECT_EQ(record.CpiStageColor(0, 2), 3);
  EXPECT_EQ(platform.children[kFirstColourBoxId].colour, (Color{1, 2, 3}));

  record.CpiStageColor(6, 2) = 77;  // Cancel's revert, then the window is shown again
  view.PaintAll();
  EXPECT_EQ(platform.children[kFirstColourBoxId + 6].colour, (Color{0, 0, 77}));

  view.Press({800, 40});
  EXPECT_TRUE(platform.children.empty()) << "collapsing takes the colour boxes away";
}

TEST_F(PanelsInMainView, ScrollLinesThroughTheView) {
  view.Press({800, 160});  // "Scroll Speed", row 6 below five collapsed titles
  ASSERT_EQ(platform.children.count(kNumberBoxId), 1u);
  const Rect box = platform.children[kNumberBoxId].box;
  EXPECT_EQ(box.top, 177 + 15);
  platform.echoTo = panels.at(main::PanelSlot::ScrollSpeed);
  platform.children[kNumberBoxId].text = L"101";
  view.ControlNotice(kNumberBoxId, kEditChangedNotice);
  EXPECT_EQ(record.ScrollLines(), 1);
  EXPECT_EQ(platform.children[kNumberBoxId].text, L"1");
  view.Press({924 + 2, 177 + 17});  // up
  EXPECT_EQ(record.ScrollLines(), 2);
  view.Reset();
  EXPECT_TRUE(platform.children.empty()) << "Reset collapses the section and its number box goes";
}

}  // namespace
}  // namespace quendar::ui::panels
