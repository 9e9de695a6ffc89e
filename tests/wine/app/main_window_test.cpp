// The main window of the demo program as a user meets it: what the screen shows after the view buttons and
// a hover (compared with the skin's own images), dragging by an empty area, Hide, and Close. "Save" with
// its 31 exchanges is the demo's end-to-end test. A skin without its main background still gives a usable
// window.
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>

#include "core/ui/draw/missing_images.h"
#include "core/ui/main/main_layout.h"
#include "core/ui/skin_manifest.h"
#include "win32/framework/gdiplus_session.h"
#include "wine/harness/demo_program.h"
#include "wine/harness/input.h"
#include "wine/harness/screen.h"

namespace quendar::test {
namespace {

namespace region = ui::main::region;
namespace skin = ui::skin;

class DemoMainWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(demo_.ready());
    window_ = demo_.mainWindow();
    // The pointer rests away from the window, whatever an earlier test left it on: nothing is lit.
    SendPointerAt({::GetSystemMetrics(SM_CXSCREEN) - 1, ::GetSystemMetrics(SM_CYSCREEN) - 1});
    ASSERT_TRUE(demo_.Show());
    RECT client{};
    ::GetClientRect(window_, &client);
    ASSERT_EQ(ui::Size(client.right, client.bottom), ui::Size(region::kWindow.Width(), region::kWindow.Height()));
  }

  std::wstring Skin(std::string_view name) const {
    const std::wstring folder = (demo_.folder() / L"Skins" / L"Default").wstring();
    return folder + std::wstring(name.begin(), name.end());
  }

  // Whether the screen shows `area` as the skin images composed in order would (largest channel
  // difference within the blend's rounding).
  bool Shows(const ui::Rect& area, std::initializer_list<std::pair<std::string_view, ui::Point>> images) {
    Canvas expected(area.Width(), area.Height());
    const ui::Rect all{0, 0, area.Width(), area.Height()};
    for (const auto& [name, at] : images)
      if (!ComposeReference(expected, Skin(name), {at.x - area.left, at.y - area.top}, all)) return false;
    const std::vector<std::uint32_t> actual = ScreenPixels(window_, area);
    lastDifference_ = LargestChannelDifference(expected, actual.data());
    return lastDifference_ <= 2;
  }

  // A button's top rows (its caption sits lower) show `image` over the background.
  bool ButtonShows(const ui::Rect& button, std::string_view image) {
    const ui::Rect band{button.left, button.top, button.right, button.top + 6};
    return Shows(band, {{skin::kMainBackground.name, {0, 0}}, {image, button.TopLeft()}});
  }

  void Press(ui::Point at) { demo_.ClickMain(at.x, at.y); }

  win32::GdiplusSession gdiplus_;
  DemoProgram demo_;
  HWND window_ = nullptr;
  int lastDifference_ = 0;
};

// The view buttons change the picture; a hidden window gives its decoded images back and, shown again,
// paints its skin as before; Close ends the program with exit code 0.
TEST_F(DemoMainWindow, ViewsShowTheirPicturesHideAndShowPaintAgainAndCloseEndsWithZero) {
  const ui::Rect side = ui::Rect::At({295, 150}, skin::kMouseSidePicture.size);
  const ui::Rect top = ui::Rect::At({361, 48}, skin::kMouseTopPicture.size);
  const auto sideShown = [&] { return Shows(side, {{skin::kMouseSidePicture.name, side.TopLeft()}}); };
  EXPECT_TRUE(WaitFor(sideShown)) << lastDifference_;

  Press({530, 540});
  EXPECT_TRUE(WaitFor([&] { return Shows(top, {{skin::kMouseTopPicture.name, top.TopLeft()}}); })) << lastDifference_;
  EXPECT_TRUE(ButtonShows(region::kTopView, skin::kViewButtonCurrent.name));
  EXPECT_TRUE(ButtonShows(region::kSideView, skin::kViewButtonNormal.name));
  Press({468, 540});
  EXPECT_TRUE(WaitFor(sideShown)) << lastDifference_;

  Press({965, 12});
  EXPECT_TRUE(WaitFor([&] { return ::IsWindowVisible(window_) == FALSE; }));
  EXPECT_TRUE(demo_.process().running()) << "Hide leaves the program in the notification area";
  ASSERT_TRUE(demo_.Show());
  EXPECT_TRUE(WaitFor(sideShown)) << lastDifference_;
  EXPECT_TRUE(WaitFor([&] { return ButtonShows(region::kSave, skin::kSaveButtonNormal.name); })) << lastDifference_;
  Press({985, 12});
  EXPECT_EQ(demo_.process().WaitForExit(), 0u);
}

TEST_F(DemoMainWindow, HoverShowsSavesOverImageAndLeavingRestoresIt) {
  const auto looks = [&](std::string_view image) { return ButtonShows(region::kSave, image); };
  ASSERT_TRUE(WaitFor([&] { return looks(skin::kSaveButtonNormal.name); }));
  PointAt(window_, 950, 620);  // the pointer rests on Save: the platform's hover notice follows
  EXPECT_TRUE(WaitFor([&] { return looks(skin::kSaveButtonOver.name); })) << lastDifference_;
  PointAt(window_, 600, 500);
  EXPECT_TRUE(WaitFor([&] { return looks(skin::kSaveButtonNormal.name); })) << lastDifference_;
  EXPECT_EQ(demo_.Exit(), 0u);
}

TEST_F(DemoMainWindow, PressOnAnEmptyAreaAndMoveDragsTheWindow) {
  RECT before{};
  ::GetWindowRect(window_, &before);
  POINT start{300, 500};  // the middle area below the picture
  ::ClientToScreen(window_, &start);
  SendPointerAt(start);
  SendPointerAt(start, MOUSEEVENTF_LEFTDOWN);
  for (int step = 1; step <= 4; ++step) SendPointerAt({start.x + 10 * step, start.y + 8 * step});
  // The window follows while the button is held, and the release ends the drag.
  EXPECT_TRUE(WaitFor([&] {
    RECT now{};
    ::GetWindowRect(window_, &now);
    return now.left == before.left + 40 && now.top == before.top + 32;
  }));
  SendPointerAt({start.x + 40, start.y + 32}, MOUSEEVENTF_LEFTUP);
  // Wine under Xvfb now and then loses an injected release inside the system's move loop (a real X
  // release always ends it); the loop takes a posted release as well, so the program is not left dragging.
  ::PostMessageW(window_, WM_LBUTTONUP, 0, MAKELPARAM(340, 532));
  EXPECT_EQ(demo_.Exit(), 0u);
}

// A skin without "/main.png": the window keeps the size its regions are laid out for, says so once after
// start-up, and its commands still work.
TEST(DemoWithoutMainBackground, StartsSaysSoOnceAndSaveAndCloseWork) {
  DemoProgram demo({}, [](const std::filesystem::path& folder) {
    std::filesystem::remove(folder / L"Skins" / L"Default" / L"main.png");
  });
  ASSERT_TRUE(demo.ready());
  const std::wstring text(ui::kLoadImageFailedText);
  HWND box = nullptr;
  ASSERT_TRUE(WaitFor([&] { return (box = FindMessageBox(demo.process(), text)) != nullptr; }));
  ASSERT_TRUE(Dismiss(box));

  ASSERT_TRUE(demo.Show());
  RECT client{};
  ::GetClientRect(demo.mainWindow(), &client);
  EXPECT_EQ(client.right, region::kWindow.Width());
  EXPECT_EQ(client.bottom, region::kWindow.Height());
  demo.ClickMain(950, 620);  // "Save"
  ASSERT_TRUE(demo.WaitForState(L"Last download: 31 exchanges"));
  EXPECT_EQ(FindMessageBox(demo.process(), text), nullptr) << "said once, not at every paint";
  demo.ClickMain(985, 12);  // close
  EXPECT_EQ(demo.process().WaitForExit(), 0u);
}

}  // namespace
}  // namespace quendar::test
