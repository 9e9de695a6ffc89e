// The painter draws real skin images exactly as the platform's per-pixel blend of the same PNGs would, and
// decodes each file only once however often it paints.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "core/ui/display_scale.h"
#include "core/ui/draw/draw_list.h"
#include "win32/framework/gdiplus_session.h"
#include "win32/framework/unique_handle.h"
#include "win32/ui/dib.h"
#include "win32/ui/painter.h"
#include "wine/harness/program.h"
#include "wine/harness/screen.h"

namespace quendar::test {
namespace {

constexpr ui::Rect kWindow{0, 0, 1000, 640};
constexpr ui::Rect kClip{780, 60, 900, 140};

// Soft-edged images over the opaque background, one clipped, one missing, one drawn twice.
ui::DrawList SampleList() {
  ui::DrawList list(kWindow);
  list.Image("/main.png", {0, 0})
      .Image("/Mouse/Front/MouseFront.png", {262, 32})
      .Image("/Mouse/Front/F-1-over.png", {370, 80})
      .Image("/button-close-over.png", {979, 5})
      .Image("/MacroManagement/button-new-over.png", {600, 560})
      .PushClip(kClip)
      .Image("/DPISetting/DPIStage/12.png", {770, 40})
      .PopClip()
      .Image("/not-in-any-skin.png", {10, 10})
      .Image("/button-close-over.png", {979, 5});
  return list;
}

struct PainterTest : ::testing::Test {
  win32::GdiplusSession gdiplus;
  win32::ImageCache images{SkinFolder()};
  win32::FontTable fonts;
  win32::Painter painter{images, fonts};
};

TEST_F(PainterTest, PaintsWhatTheSameImagesBlendToWithinOneStep) {
  ASSERT_TRUE(gdiplus.ok());
  win32::Dib32 target({kWindow.Width(), kWindow.Height()});
  ASSERT_TRUE(target.valid());
  win32::UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
  win32::ScopedSelectObject select(dc.get(), target.handle());

  const win32::PaintOutcome outcome = painter.Paint(dc.get(), SampleList());
  ::GdiFlush();
  EXPECT_EQ(outcome.missingImages, std::vector<std::string>{"/not-in-any-skin.png"});

  // The same images composed by hand, in the list's order, the clipped one inside its clip.
  Canvas expected(kWindow.Width(), kWindow.Height());
  for (const auto& [file, at, clip] : {std::tuple{L"/main.png", ui::Point{0, 0}, kWindow},
                                       {L"/Mouse/Front/MouseFront.png", {262, 32}, kWindow},
                                       {L"/Mouse/Front/F-1-over.png", {370, 80}, kWindow},
                                       {L"/button-close-over.png", {979, 5}, kWindow},
                                       {L"/MacroManagement/button-new-over.png", {600, 560}, kWindow},
                                       {L"/DPISetting/DPIStage/12.png", {770, 40}, kClip},
                                       {L"/button-close-over.png", {979, 5}, kWindow}}) {
    ASSERT_TRUE(ComposeReference(expected, SkinFolder() + file, at, clip)) << file;
  }
  EXPECT_LE(LargestChannelDifference(expected, target.pixels().data()), 1);
}

TEST_F(PainterTest, PartialPaintTouchesOnlyItsAreaAndDecodesEachFileOnce) {
  win32::Dib32 target({kWindow.Width(), kWindow.Height()});
  win32::UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
  win32::ScopedSelectObject select(dc.get(), target.handle());
  for (int frame = 0; frame < 20; ++frame) painter.Paint(dc.get(), SampleList());
  EXPECT_EQ(images.decodes(), 7u) << "six distinct files and the missing one, each looked for once";
  EXPECT_EQ(images.imagesHeld(), 6u);

  // A hover repaint of one button: the pixels outside its rectangle stay as they are.
  const ui::Rect button = ui::Rect::At({600, 560}, {57, 30});
  ::GdiFlush();
  std::vector<std::uint32_t> before(target.pixels().begin(), target.pixels().end());
  ui::DrawList repaint(button);
  repaint.Fill(kWindow, {255, 0, 255});
  painter.Paint(dc.get(), repaint);
  ::GdiFlush();
  int changedOutside = 0;
  int changedInside = 0;
  for (int y = 0; y < kWindow.Height(); ++y) {
    for (int x = 0; x < kWindow.Width(); ++x) {
      const std::size_t i = static_cast<std::size_t>(y) * kWindow.Width() + x;
      if (target.pixels()[i] == before[i]) continue;
      (button.Contains({x, y}) ? changedInside : changedOutside)++;
    }
  }
  EXPECT_EQ(changedOutside, 0);
  EXPECT_EQ(changedInside, button.Width() * button.Height());

  images.ChangeFolder(SkinFolder());
  EXPECT_EQ(images.bytesHeld(), 0u) << "another skin drops every image";
}

// Above 100 % the painter draws the skin's double-size drawings at their scaled places (pixel for pixel at
// exactly 200 %, clips scaled too), each decoded once; a skin with only 1x images is enlarged to the exact
// device size of each place instead.
TEST_F(PainterTest, AtTwiceTheScaleDrawsTheDoubleSizeDrawingsOnceAndEnlargesWhatHasNone) {
  const ui::DisplayScale doubled(2 * ui::kBaseDpi);
  const ui::Rect device = doubled.ToDevice(kWindow);
  win32::Dib32 target({device.Width(), device.Height()});
  ASSERT_TRUE(target.valid());
  win32::UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
  win32::ScopedSelectObject select(dc.get(), target.handle());
  win32::Painter scaled(images, fonts, doubled);
  for (int frame = 0; frame < 5; ++frame) scaled.Paint(dc.get(), SampleList());
  ::GdiFlush();
  EXPECT_EQ(images.decodes(), 7u) << "six distinct files and the missing one, each looked for once";

  Canvas expected(device.Width(), device.Height());
  for (const auto& [file, at, clip] : {std::tuple{"/main.png", ui::Point{0, 0}, kWindow},
                                       {"/Mouse/Front/MouseFront.png", {262, 32}, kWindow},
                                       {"/Mouse/Front/F-1-over.png", {370, 80}, kWindow},
                                       {"/button-close-over.png", {979, 5}, kWindow},
                                       {"/MacroManagement/button-new-over.png", {600, 560}, kWindow},
                                       {"/DPISetting/DPIStage/12.png", {770, 40}, kClip},
                                       {"/button-close-over.png", {979, 5}, kWindow}}) {
    const std::string name = ui::ScaledImageName(file, 2);
    ASSERT_TRUE(ComposeReference(expected, SkinFolder() + std::wstring(name.begin(), name.end()), doubled.ToDevice(at),
                                 doubled.ToDevice(clip)))
        << name;
  }
  EXPECT_LE(LargestChannelDifference(expected, target.pixels().data()), 1);

  // Only the 1x file: enlarged once per size of place (at 125 % a place's size depends on where it is).
  const std::filesystem::path onlyOne = std::filesystem::temp_directory_path() / L"quendar-1x-skin";
  std::filesystem::create_directories(onlyOne);
  std::filesystem::copy_file(SkinFolder() + L"/button-close-over.png", onlyOne / L"button-close-over.png",
                             std::filesystem::copy_options::overwrite_existing);
  win32::ImageCache plain(onlyOne.wstring());
  const ui::DisplayScale quarter(120);
  for (const ui::Point at : {ui::Point{979, 5}, ui::Point{979, 5}, ui::Point{980, 6}}) {
    const win32::Dib32* image = plain.FindScaled("/button-close-over.png", at, quarter);
    ASSERT_NE(image, nullptr);
    const ui::Rect place = quarter.ToDevice(ui::Rect::At(at, {18, 18}));
    EXPECT_EQ(image->size(), (ui::Size{place.Width(), place.Height()}));
  }
  EXPECT_EQ(plain.decodes(), 2u) << "22 and 23 device pixels wide: two sizes, each made once";
  std::filesystem::remove_all(onlyOne);
}

// A caption longer than its box keeps its beginning and ends inside the box (with an ellipsis); centred,
// it would otherwise lose both ends.
TEST_F(PainterTest, ATextTooLongForItsBoxKeepsItsBeginningAndStaysInside) {
  constexpr ui::Rect kArea{0, 0, 300, 40};
  constexpr ui::Rect kBox{20, 0, 120, 20};  // a dropdown box's width
  const std::wstring caption = L"Combo Key-Left Shift+A+F5";
  const auto inkColumns = [&](ui::Rect box, ui::TextAlign align) {
    win32::Dib32 target({kArea.Width(), kArea.Height()});
    win32::UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
    win32::ScopedSelectObject select(dc.get(), target.handle());
    ui::DrawList list(kArea);
    list.Fill(kArea, {0, 0, 0}).Text(caption, box, ui::FontRole::Label, {255, 255, 255}, align);
    painter.Paint(dc.get(), list);
    ::GdiFlush();
    std::vector<bool> ink(static_cast<std::size_t>(kArea.Width()));
    for (int y = 0; y < kArea.Height(); ++y)
      for (int x = 0; x < kArea.Width(); ++x)
        if ((target.pixels()[static_cast<std::size_t>(y * kArea.Width() + x)] & 0xFFFFFF) != 0) ink[x] = true;
    return ink;
  };
  const std::vector<bool> fitted = inkColumns(kBox, ui::TextAlign::Center);
  const std::vector<bool> whole = inkColumns({kBox.left, 0, kArea.right, 20}, ui::TextAlign::Left);
  const auto first = [](const std::vector<bool>& ink) { return std::find(ink.begin(), ink.end(), true) - ink.begin(); };
  const auto last = [](const std::vector<bool>& ink) {
    return static_cast<long>(ink.rend() - std::find(ink.rbegin(), ink.rend(), true)) - 1;
  };
  ASSERT_GT(last(whole), kBox.right) << "the caption is wider than its box";
  EXPECT_GE(first(fitted), kBox.left);
  EXPECT_LT(last(fitted), kBox.right);
  // The first letters look as they do in the whole caption, wherever the centring put them.
  const long shift = first(fitted) - first(whole);
  for (long x = first(whole); x < first(whole) + 30; ++x) {
    EXPECT_EQ(fitted[static_cast<std::size_t>(x + shift)], whole[static_cast<std::size_t>(x)]) << "column " << x;
  }
}

}  // namespace
}  // namespace quendar::test
