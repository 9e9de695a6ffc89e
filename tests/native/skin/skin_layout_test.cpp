// The skin's sizes against the layout that draws and hit-tests it: images cover the rectangles they are
// drawn on, backgrounds hold their elements, and the collapsible columns stay inside the window.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "core/ui/skin_manifest.h"

namespace quendar::ui::skin {
namespace {

int Width(const Rect& r) { return r.right - r.left; }
int Height(const Rect& r) { return r.bottom - r.top; }

TEST(SkinLayout, ImagesCoverTheRectanglesTheyAreDrawnOn) {
  for (const Image* image : kImages)
    for (const Rect& r : image->fills) {
      EXPECT_GE(image->size.width, Width(r)) << image->name;
      EXPECT_GE(image->size.height, Height(r)) << image->name;
    }
  for (const Family* family : kFamilies)
    for (const Rect& r : family->fills)
      for (const FamilyMember& member : family->members) {
        EXPECT_GE(member.size.width, Width(r)) << MemberName(family->pattern, member.value);
        EXPECT_GE(member.size.height, Height(r)) << MemberName(family->pattern, member.value);
      }
}

TEST(SkinLayout, MainWindowButtonImagesMatchTheirHitRectangles) {
  // Bottom-bar and view buttons are drawn exactly on their rectangles: a larger image would spill onto its
  // neighbour, which is only 5 pixels (1 for the view buttons) away.
  for (const Image* image : {&kResetCancelButtonNormal, &kSaveButtonOver, &kConfigButtonNormal, &kViewButtonCurrent,
                             &kDropdownNormal, &kDropdownOpen}) {
    EXPECT_EQ(image->size.width, Width(image->fills[0])) << image->name;
    EXPECT_EQ(image->size.height, Height(image->fills[0])) << image->name;
  }
}

TEST(SkinLayout, BackgroundsHoldEveryElementLaidOnThem) {
  for (const Image* image : kImages)
    for (const Rect& r : image->holds) {
      EXPECT_GE(r.left, 0) << image->name;
      EXPECT_GE(r.top, 0) << image->name;
      EXPECT_LE(r.right, image->size.width) << image->name;
      EXPECT_LE(r.bottom, image->size.height) << image->name;
    }
  EXPECT_EQ(kMainBackground.size.width, kMainWindow.width);
  EXPECT_EQ(kMainBackground.size.height, kMainWindow.height);
  EXPECT_EQ(kProfileManagerDialog.size.width, 263);
  EXPECT_EQ(kProfileManagerDialog.size.height, 598);
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
      EXPECT_GE(m.at.x, family->within.left) << MemberName(family->pattern, m.value);
      EXPECT_GE(m.at.y, family->within.top) << MemberName(family->pattern, m.value);
      EXPECT_LE(m.at.x + m.size.width, family->within.right) << MemberName(family->pattern, m.value);
      EXPECT_LE(m.at.y + m.size.height, family->within.bottom) << MemberName(family->pattern, m.value);
    }
  }
  // The mouse pictures sit inside the middle area they are repainted with.
  const Rect mid{kMainMidBackground.at.x, kMainMidBackground.at.y, kMainMidBackground.at.x + kMainMidBackground.size.width,
                 kMainMidBackground.at.y + kMainMidBackground.size.height};
  for (const Image* picture : {&kMouseTopPicture, &kMouseSidePicture}) {
    EXPECT_GE(picture->at.x, mid.left);
    EXPECT_GE(picture->at.y, mid.top);
    EXPECT_LE(picture->at.x + picture->size.width, mid.right);
    EXPECT_LE(picture->at.y + picture->size.height, mid.bottom);
  }
}

// The right column (titles 20 high, 5 apart, from y 32) lays out its upper page by expanding sections 1..3
// and then adding 4, 5, 6 until the page is full; the lower page shows 4..6 alone. Whatever combination
// the user expands, what the page paints must end above the bottom of the scroll track.
constexpr int kColumnTop = 32;
constexpr int kColumnBottom = 595;
constexpr int kTitle = 20;
constexpr int kGap = 5;

std::array<int, 7> PanelHeights() {
  return {0, kCpiPanel.size.height, kLightingPanel.size.height, kReportRatePanel.size.height,
          kPointerSpeedPanel.size.height, kPointerSpeedPanel.size.height, kScrollSpeedPanel.size.height};
}

// Bottom of the last section the upper page paints for the expanded set (bit k = section k).
int UpperPageBottom(unsigned expanded) {
  const auto heights = PanelHeights();
  auto open = [&](int k) { return (expanded >> k) & 1u; };
  int y = kColumnTop, bottom = kColumnTop, n = 0;
  auto paint = [&](int k) {
    bottom = y + kTitle + (open(k) ? heights[k] : 0);
    y = bottom + kGap;
    n += open(k) ? 1 : 0;
  };
  paint(1), paint(2), paint(3);
  if (n == 3 || (n == 2 && open(1) && open(3))) return bottom;
  paint(4);
  if (n >= 3 || (n == 2 && open(1) && (open(2) || open(4)))) return bottom;
  paint(5);
  if (n >= 3 || (n == 2 && open(1) && (open(2) || open(5)))) return bottom;
  paint(6);
  return bottom;
}

TEST(SkinLayout, RightColumnUpperPageFitsForEveryExpandedCombination) {
  for (unsigned set = 0; set < 128; set += 2)
    EXPECT_LE(UpperPageBottom(set), kColumnBottom) << "expanded sections mask " << set;
  // The three upper panels together nearly fill the page: the column is designed to be used, not padded.
  EXPECT_GT(UpperPageBottom(0b1110), kColumnBottom - 40);
}

TEST(SkinLayout, RightColumnLowerPageFitsWithItsThreeSectionsAndTheLastTitleRow) {
  const auto h = PanelHeights();
  const int bottom = kColumnTop + 3 * (kTitle + kGap) + h[4] + h[5] + h[6] + kTitle;
  EXPECT_LE(bottom, kColumnBottom);
}

TEST(SkinLayout, RightColumnPanelsAreAsWideAsTheColumn) {
  for (const Image* panel : {&kCpiPanel, &kLightingPanel, &kReportRatePanel, &kPointerSpeedPanel, &kScrollSpeedPanel,
                             &kAngleSnapPanel, &kSectionTitle, &kMainRightBackground})
    EXPECT_EQ(panel->size.width, 976 - 734) << panel->name;
  // The CPI panel is drawn under the first title at y 52 and must reach below the colour boxes (y 275).
  EXPECT_GE(52 + kCpiPanel.size.height, 275);
}

TEST(SkinLayout, LeftColumnFitsAboveTheBottomBarWithEverySectionOpen) {
  // Titles from y 107: Button Assignment (20), Macro Manager (38), X/Y (20, then 156 to the next title while
  // open), light button (20); each 5 apart, panels under their titles.
  const int assignmentBottom = 107 + kTitle + kAssignmentPanelTop.size.height;
  const int sensitivityTitle = assignmentBottom + kGap + 38 + kGap;
  const int lightTitle = sensitivityTitle + kTitle + 156;
  EXPECT_LE(kSensitivityPanel.size.height + kGap, 156) << "the X/Y panel would run under the next title";
  EXPECT_LE(lightTitle + kTitle + kLightButtonPanel.size.height, 600);
  EXPECT_EQ(kAssignmentPanelSide.size.height, kAssignmentPanelTop.size.height)
      << "both views use the height measured from the top view's panel";
  EXPECT_EQ(kMacroManagerTitle.size.height, 38);
}

}  // namespace
}  // namespace quendar::ui::skin
