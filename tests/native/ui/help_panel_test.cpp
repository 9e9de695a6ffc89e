// The help panel's clicks and where it sits in the main window.
#include "core/ui/help/help_panel.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/ui/skin_manifest.h"

namespace quendar::ui::help {
namespace {

TEST(HelpPanel, SitsInsideTheMainWindowWhateverItsWidth) {
  const Size panel = skin::kHelpDialog.size;
  for (Size window : {Size{1000, 640}, Size{200, 640}}) {
    const Point at = Placement(window, panel);
    EXPECT_GE(at.x, 0) << window.width;
    EXPECT_LE(at.x + panel.width, std::max(window.width, panel.width)) << window.width;
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

}  // namespace
}  // namespace quendar::ui::help
