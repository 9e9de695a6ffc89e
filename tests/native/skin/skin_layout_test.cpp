// The skin's manifest against the code that draws and hit-tests it: every value a panel can ask for has
// its image, images cover the rectangles they are drawn on, backgrounds hold their elements, and the
// collapsible columns stay inside the window. That the committed files are the manifest's (size, RGBA,
// nothing unnamed) is the generator's --verify check; that every value a panel can ask for has its file,
// the pixel check's.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <vector>

#include "core/ui/main/main_layout.h"
#include "core/ui/skin_manifest.h"
#include "native/ui/manifest_sizes.h"

namespace quendar::ui::skin {
namespace {

TEST(SkinLayout, ImagesCoverTheRectanglesTheyAreDrawnOnAndHoldWhatIsLaidOnThem) {
  const auto covers = [](Size size, const Rect& r) { return size.width >= r.Width() && size.height >= r.Height(); };
  for (const Image* image : kImages) {
    for (const Rect& r : image->fills) EXPECT_TRUE(covers(image->size, r)) << image->name;
    for (const Rect& r : image->holds) EXPECT_TRUE(Rect::At({0, 0}, image->size).Intersection(r) == r) << image->name;
  }
  for (const Family* family : kFamilies)
    for (const Rect& r : family->fills)
      for (const FamilyMember& member : family->members)
        EXPECT_TRUE(covers(member.size, r)) << MemberName(family->pattern, member.value);
  // Bottom-bar and view buttons are drawn exactly on their rectangles: a larger image would spill onto its
  // neighbour, which is only 5 pixels (1 for the view buttons) away.
  for (const Image* image : {&kResetCancelButtonNormal, &kSaveButtonOver, &kConfigButtonNormal, &kViewButtonCurrent,
                             &kDropdownNormal, &kDropdownOpen}) {
    EXPECT_EQ(image->size, (Size{image->fills[0].Width(), image->fills[0].Height()})) << image->name;
  }
}

TEST(SkinLayout, PlacedImagesStayInsideTheMainWindowAndTheirArea) {
  for (const Image* image : kImages) {
    if (!image->placed) continue;
    EXPECT_LE(image->at.x + image->size.width, kMainWindow.width) << image->name;
    EXPECT_LE(image->at.y + image->size.height, kMainWindow.height) << image->name;
  }
  for (const Family* family : kFamilies) {
    if (!family->bounded) continue;
    for (const FamilyMember& m : family->members) {
      ASSERT_TRUE(m.placed) << family->pattern;
      const Rect drawn = Rect::At(m.at, m.size);
      EXPECT_TRUE(family->within.Intersection(drawn) == drawn) << MemberName(family->pattern, m.value);
    }
  }
  // The mouse pictures sit inside the middle area they are repainted with.
  const Rect mid = Rect::At(kMainMidBackground.at, kMainMidBackground.size);
  for (const Image* picture : {&kMouseTopPicture, &kMouseSidePicture}) {
    const Rect drawn = Rect::At(picture->at, picture->size);
    EXPECT_TRUE(mid.Intersection(drawn) == drawn) << picture->name;
  }
}

// The right column and the left column as the main view lays them out with this skin's panel sizes:
// whatever combination the user expands, what a page paints must end above the bottom of the scroll track.
constexpr int kColumnBottom = 595;

main::PanelSizes Measured() { return main::MeasurePanels(testing::ManifestSizes()); }

std::array<bool, 8> ExpandedSet(unsigned mask) {
  std::array<bool, 8> expanded{};
  for (int s = 1; s <= 6; ++s) expanded[s] = (mask >> s) & 1u;
  return expanded;
}

int PaintedBottom(const main::RightColumnLayout& layout) {
  int bottom = 0;
  for (int s = 1; s <= 6; ++s) {
    const main::RightSectionPlace& place = layout.section[s];
    if (place.painted) bottom = std::max({bottom, place.title.bottom, place.panel.bottom});
  }
  return bottom;
}

TEST(SkinLayout, RightColumnPagesFitForEveryExpandedCombination) {
  const main::PanelSizes sizes = Measured();
  for (unsigned mask = 0; mask < 128; mask += 2) {
    EXPECT_LE(PaintedBottom(main::LayOutUpperPage(ExpandedSet(mask), sizes)), kColumnBottom) << "upper, mask " << mask;
    EXPECT_LE(PaintedBottom(main::LayOutLowerPage(ExpandedSet(mask), sizes)), kColumnBottom) << "lower, mask " << mask;
  }
  // The three upper panels together nearly fill the page: the column is designed to be used, not padded.
  EXPECT_GT(PaintedBottom(main::LayOutUpperPage(ExpandedSet(0b1110), sizes)), kColumnBottom - 40);
  // The lower page with everything open still shows the seventh row above the track's end.
  EXPECT_LE(main::LayOutLowerPage(ExpandedSet(0b1110000), sizes).section[7].title.bottom, kColumnBottom);
}

TEST(SkinLayout, MouseOverlaysAreDrawnWhereTheSkinPlacedThem) {
  for (main::MouseView view : {main::MouseView::Top, main::MouseView::Side})
    for (int button = 1; button <= 12; ++button)
      for (bool over : {false, true}) {
        const main::Overlays overlays = main::ButtonOverlays(view, button, over);
        for (int i = 0; i < overlays.count; ++i) {
          const main::OverlayImage& image = overlays.image[i];
          bool found = false;
          for (const Family* family : kFamilies)
            for (const FamilyMember& m : family->members)
              if (MemberName(family->pattern, m.value) == image.name) {
                found = true;
                EXPECT_EQ(m.at, image.at) << image.name;
              }
          EXPECT_TRUE(found) << image.name;
        }
      }
}

TEST(SkinLayout, LeftColumnFitsAboveTheBottomBarWithEverySectionOpen) {
  main::MainViewState state;
  state.assignmentOpen = state.sensitivityOpen = state.lightButtonOpen = true;
  const main::LeftColumnLayout left = main::LayOutLeftColumn(state, Measured());
  EXPECT_LE(left.sensitivityPanel.bottom + 5, left.title[4].top) << "the X/Y panel would run under the next title";
  EXPECT_LE(left.lightButtonPanel.bottom, 600);
  EXPECT_EQ(left.title[2].Height(), kMacroManagerTitle.size.height);
  EXPECT_EQ(kAssignmentPanelSide.size.height, kAssignmentPanelTop.size.height)
      << "both views use the height measured from the top view's panel";
  // The dropdown rows lie inside the assignment panel of either view.
  for (int row = 0; row < 7; ++row) EXPECT_TRUE(left.assignmentPanel.Intersection(main::DropdownBox(row)) == main::DropdownBox(row));
}

}  // namespace
}  // namespace quendar::ui::skin
