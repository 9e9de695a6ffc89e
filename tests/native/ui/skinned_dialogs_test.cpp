// The skinned dialogs' image-button hover (the lit images on screen are the skinned dialog's Wine test), and
// the help panel's clicks.
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "core/ui/draw/image_button_hover.h"
#include "core/ui/help/help_panel.h"

namespace quendar::ui {
namespace {

const std::vector<Rect> kButtons{Rect::At({100, 200}, {57, 30}), Rect::At({200, 200}, {57, 30})};
constexpr Point kOff{10, 10}, kOnFirst{110, 210}, kOnSecond{210, 210};

TEST(ImageButtonHover, LightsOnHoverAndPutsBackOnMoveOffOrLeave) {
  DialogHotFlags flags;
  ImageButtonHover hover(kButtons, flags.For(DialogKind::SingleKeyCapture, kButtons.size()));
  const std::tuple<const char*, HoverStep, HoverStep> steps[] = {  // {what, actual, expected}
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
  for (const auto& [what, actual, expected] : steps) EXPECT_EQ(actual, expected) << what;
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
