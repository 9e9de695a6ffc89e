// The skinned dialogs' image-button hover (the lit images on screen are the skinned dialog's Wine test), and
// the help panel's clicks and place.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "core/ui/draw/image_button_hover.h"
#include "core/ui/help/help_panel.h"
#include "core/ui/skin_manifest.h"

namespace quendar::ui {
namespace {

const std::vector<Rect> kButtons{Rect::At({100, 200}, {57, 30}), Rect::At({200, 200}, {57, 30})};
constexpr Point kOff{10, 10};
constexpr Point kOnFirst{110, 210};
constexpr Point kOnSecond{210, 210};

TEST(ImageButtonHover, LightsOnHoverAndPutsBackOnMoveOffOrLeave) {
  DialogHotFlags flags;
  ImageButtonHover hover(kButtons, flags.For(DialogKind::SingleKeyCapture, kButtons.size()));
  struct Step {
    const char* what;
    HoverStep actual;
    HoverStep expected;
  };
  const Step steps[] = {
      {"move off the buttons", hover.MouseMove(kOff), {}},
      {"move onto a button asks for the hover notice", hover.MouseMove(kOnFirst), {true, std::nullopt, {}}},
      {"hover lights it", hover.Hover(kOnFirst), {false, 0, {}}},
      {"moving to the other button only asks", hover.MouseMove(kOnSecond), {true, std::nullopt, {}}},
      {"hover there swaps the lit button", hover.Hover(kOnSecond), {false, 1, {0}}},
      {"move off puts it back", hover.MouseMove(kOff), {false, std::nullopt, {1}}},
      {"nothing left to put back", hover.MouseMove(kOff), {}},
      {"hover again", hover.Hover(kOnFirst), {false, 0, {}}},
      {"leaving the window puts it back", hover.Leave(), {false, std::nullopt, {0}}},
  };
  for (const Step& step : steps) EXPECT_EQ(step.actual, step.expected) << step.what;
}

TEST(ImageButtonHover, DialogsOfOneKindShareTheirFlags) {
  DialogHotFlags flags;
  ImageButtonHover first(kButtons, flags.For(DialogKind::ComboKeyCapture, kButtons.size()));
  ImageButtonHover second(kButtons, flags.For(DialogKind::ComboKeyCapture, kButtons.size()));
  ImageButtonHover other(kButtons, flags.For(DialogKind::Help, kButtons.size()));
  first.Hover(kOnSecond);
  EXPECT_TRUE(second.hot(1));
  EXPECT_FALSE(other.hot(1)) << "another kind has flags of its own";
  // The second window never showed the lit image, so its hover lights the button although the flag is set.
  EXPECT_EQ(second.Hover(kOnSecond), (HoverStep{false, 1, {}}));
  EXPECT_EQ(second.MouseMove(kOff), (HoverStep{false, std::nullopt, {1}}));
  EXPECT_FALSE(first.hot(1));
}

TEST(HelpPanel, SitsInsideTheMainWindowWhateverItsWidth) {
  const Size panel = skin::kHelpDialog.size;
  for (Size window : {Size{1000, 640}, Size{200, 640}}) {
    const Point at = help::Placement(window, panel);
    EXPECT_GE(at.x, 0) << window.width;
    EXPECT_LE(at.x + panel.width, std::max(window.width, panel.width)) << window.width;
  }
}

TEST(HelpPanel, TheAddressStaysOpenEveryButtonCloses) {
  using A = help::HelpAction;
  const std::pair<Point, A> clicks[] = {
      {{0, 0}, A::OpenAddress}, {{165, 24}, A::OpenAddress}, {{166, 10}, A::None},    {{80, 60}, A::None},
      {{250, 250}, A::Close},   {{371, 274}, A::Close},      {{360, 10}, A::Close},   {{372, 262}, A::None},
      {{200, 200}, A::None},
  };
  for (const auto& [point, action] : clicks) EXPECT_EQ(help::ActionFor(help::HitTest(point)), action) << point.x;
}

}  // namespace
}  // namespace quendar::ui
