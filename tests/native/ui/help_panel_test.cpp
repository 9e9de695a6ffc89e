// The help panel's parts, their clicks and where it sits in the main window.
#include "core/ui/help/help_panel.h"

#include <gtest/gtest.h>

#include "core/ui/skin_manifest.h"

namespace quendar::ui::help {
namespace {

TEST(HelpPanel, SitsWholeInsideTheMainWindowAgainstItsRightEdge) {
  const Size panel = skin::kHelpDialog.size;
  const Point at = Placement({1000, 640}, panel);
  EXPECT_EQ(at, (Point{1000 - panel.width - 8, 25}));
  EXPECT_EQ(Placement({200, 640}, panel), (Point{0, 25}));
  // Every part lies on the background.
  for (const Rect& part : {kAddressBox, kVersionBox, kOkButton, kCancelButton, kCloseButton}) {
    EXPECT_EQ(part.Intersection(Rect::At({0, 0}, panel)), part);
  }
}

TEST(HelpPanel, TheAddressStaysOpenEveryButtonCloses) {
  const std::pair<Point, HelpAction> clicks[] = {
      {{0, 0}, HelpAction::OpenAddress},   {{165, 24}, HelpAction::OpenAddress}, {{166, 10}, HelpAction::None},
      {{80, 60}, HelpAction::None},        {{250, 250}, HelpAction::Close},      {{371, 274}, HelpAction::Close},
      {{360, 10}, HelpAction::Close},      {{372, 262}, HelpAction::None},       {{200, 200}, HelpAction::None},
  };
  for (const auto& [point, action] : clicks) EXPECT_EQ(ActionFor(HitTest(point)), action) << point.x << "," << point.y;
}

TEST(HelpPanel, ShowsTheAddressTheMainWindowOpensAndTheVersionWithItsFullWidthColon) {
  DrawList list;
  AppendTexts(list);
  ASSERT_EQ(list.ops().size(), 2u);
  EXPECT_EQ(std::get<TextOp>(list.ops()[0]).text, Text(LanguageClass::English, TextSlot::WebSite));
  EXPECT_EQ(std::get<TextOp>(list.ops()[1]).text, L"Version\uFF1A1.0");
}

}  // namespace
}  // namespace quendar::ui::help
