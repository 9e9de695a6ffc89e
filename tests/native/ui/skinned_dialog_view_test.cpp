// The image-button hover of the skinned dialogs and what a dialog paints.
#include <gtest/gtest.h>

#include <vector>

#include "core/ui/draw/image_button_hover.h"
#include "core/ui/draw/skinned_dialog_view.h"

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

TEST(SkinnedDialogView, PaintsBackgroundButtonsAndCaptionsAndRepaintsOneButton) {
  const std::vector<ImageButton> buttons{
      {1, kButtons[0], "/MacroManagement/button-new-normal.png", "/MacroManagement/button-new-over.png", L"OK"},
      {2, Rect::At({240, 8}, {18, 18}), "/button-close-normal.png", "/button-close-over.png", L""},
  };
  const Color text{235, 235, 235};
  const SkinnedDialogLook look{"/single-key.png", true, {270, 240}, text};
  const Rect client = Rect::At({0, 0}, look.client);

  DrawList full(client);
  full.Image("/single-key.png", {0, 0})
      .Image("/MacroManagement/button-new-over.png", {100, 200})
      .Text(L"OK", kButtons[0], FontRole::Dialog, text)
      .Image("/button-close-normal.png", {240, 8});
  EXPECT_EQ(BuildSkinnedDialogList(look, buttons, {true}, client), full);

  // A hover repaint covers the button only; the background is drawn again under the image because the
  // images have soft edges.
  DrawList one(kButtons[0]);
  one.Image("/single-key.png", {0, 0})
      .Image("/MacroManagement/button-new-normal.png", {100, 200})
      .Text(L"OK", kButtons[0], FontRole::Dialog, text);
  EXPECT_EQ(BuildSkinnedDialogList(look, buttons, {false, true}, kButtons[0]), one);
}

}  // namespace
}  // namespace quendar::ui
