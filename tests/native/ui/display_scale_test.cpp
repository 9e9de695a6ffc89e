// The mapping between the skin's logical pixels and a monitor's device pixels.
#include <gtest/gtest.h>

#include "core/ui/display_scale.h"

namespace quendar::ui {
namespace {

TEST(DisplayScale, MapsPointsAndRectanglesAtEachScaleWithRounding) {
  struct Case {
    int dpi;
    Rect logical;
    Rect device;
  };
  const Case cases[] = {
      {96, {3, 5, 1000, 640}, {3, 5, 1000, 640}},
      {120, {1, 3, 1000, 640}, {1, 4, 1250, 800}},     // 1.25 and 3.75 round to the nearer pixel
      {144, {1, 3, 1000, 640}, {2, 5, 1500, 960}},     // 1.5 and 4.5 round up
      {192, {1, 3, 1000, 640}, {2, 6, 2000, 1280}},
      {168, {-3, 0, 7, 9}, {-5, 0, 12, 16}},           // 175 %: -5.25, 12.25, 15.75
  };
  for (const Case& c : cases) {
    const DisplayScale scale(c.dpi);
    EXPECT_EQ(scale.ToDevice(c.logical), c.device) << c.dpi;
    // Every device pixel of a mapped rectangle maps back inside it, and its corners come back whole.
    const Rect d = scale.ToDevice(c.logical);
    EXPECT_TRUE(c.logical.Contains(scale.ToLogical(d.TopLeft()))) << c.dpi;
    EXPECT_TRUE(c.logical.Contains(scale.ToLogical(Point{d.right - 1, d.bottom - 1}))) << c.dpi;
    EXPECT_FALSE(c.logical.Contains(scale.ToLogical(Point{d.right, d.bottom}))) << c.dpi;
    EXPECT_EQ(scale.CoveringLogical(d), c.logical) << c.dpi;
  }
  // Round trip of every point at every common scale; a device pixel maps to the logical one holding it.
  for (int dpi : {96, 120, 144, 168, 192, 240, 288}) {
    const DisplayScale scale(dpi);
    for (int v = -40; v <= 1300; ++v) ASSERT_EQ(scale.ToLogical(scale.ToDevice(v)), v) << dpi;
    for (int d = 0; d <= 1600; ++d) {
      const int l = scale.ToLogical(d);
      ASSERT_LE(scale.ToDevice(l), d) << dpi;
      ASSERT_GT(scale.ToDevice(l + 1), d) << dpi;
    }
  }
  EXPECT_EQ(DisplayScale(0), DisplayScale(96));  // no answer, or less than 100 %: drawn as made
  EXPECT_EQ(DisplayScale(72).ToDevice(Size{1000, 640}), (Size{1000, 640}));
}

TEST(DisplayScale, ImageScaleAndNames) {
  EXPECT_EQ(DisplayScale(96).ImageScale(), 1);
  EXPECT_EQ(DisplayScale(120).ImageScale(), 2);
  EXPECT_EQ(DisplayScale(288).ImageScale(), 2);
  EXPECT_EQ(ScaledImageName("/Main/Save.png", 1), "/Main/Save.png");
  EXPECT_EQ(ScaledImageName("/Main/Save.png", 2), "/Main/Save@2x.png");
  EXPECT_EQ(ScaledImageName("/Skin.v2/thumb", 2), "/Skin.v2/thumb@2x");
}

}  // namespace
}  // namespace quendar::ui
