// The main window of the demo program as a user meets it: what the screen shows after the view buttons and
// a hover (compared with the skin's own images), dragging by an empty area, Hide, and Close. "Save" with
// its 31 exchanges is the demo's end-to-end test. A skin without its main background still gives a usable
// window.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "core/ui/draw/missing_images.h"
#include "core/ui/main/main_layout.h"
#include "core/ui/skin_manifest.h"
#include "win32/framework/gdiplus_session.h"
#include "win32/framework/unique_handle.h"
#include "wine/assignment/real_input.h"
#include "wine/demo/demo_program.h"
#include "wine/profiles_ui/screen_capture.h"
#include "wine/ui/ui_test_support.h"

namespace quendar::test {
namespace {

namespace region = ui::main::region;
namespace skin = ui::skin;

// The client rectangle `r` of `window` as the screen shows it, 0xAARRGGBB top-down.
std::vector<std::uint32_t> Capture(HWND window, const ui::Rect& r) {
  POINT origin{r.left, r.top};
  ::ClientToScreen(window, &origin);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), r.Width(), -r.Height(), 1, 32, BI_RGB};
  void* bits = nullptr;
  win32::WindowDc screen(nullptr);
  win32::UniqueMemoryDc memory(::CreateCompatibleDC(screen.get()));
  win32::UniqueBitmap bitmap(::CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  win32::ScopedSelectObject select(memory.get(), bitmap.get());
  ::BitBlt(memory.get(), 0, 0, r.Width(), r.Height(), screen.get(), origin.x, origin.y, SRCCOPY);
  const auto* first = static_cast<const std::uint32_t*>(bits);
  return {first, first + r.Width() * r.Height()};
}

// Real pointer input at a screen point, as the hardware would deliver it.
void SendMouse(DWORD flags, POINT at) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = at.x * 65535 / (::GetSystemMetrics(SM_CXSCREEN) - 1);
  input.mi.dy = at.y * 65535 / (::GetSystemMetrics(SM_CYSCREEN) - 1);
  input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
  ::SendInput(1, &input, sizeof(input));
}

class DemoMainWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(demo_.ready());
    window_ = demo_.mainWindow();
    // The demo's mouse window opens over the main one's left part: out of the way of the pictures.
    if (HWND mouse = ::FindWindowW(L"QuendarSimulatedMouse", nullptr))
      ::SetWindowPos(mouse, nullptr, 0, 880, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_TRUE(demo_.Show());
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
      if (!ComposeReference(expected, Skin(name), at.x - area.left, at.y - area.top, all)) return false;
    const std::vector<std::uint32_t> actual = Capture(window_, area);
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

TEST_F(DemoMainWindow, TopAndSideShowTheirMousePictures) {
  const ui::Rect side = ui::Rect::At({295, 150}, skin::kMouseSidePicture.size);
  const ui::Rect top = ui::Rect::At({361, 48}, skin::kMouseTopPicture.size);
  EXPECT_TRUE(WaitFor([&] { return Shows(side, {{skin::kMouseSidePicture.name, {295, 150}}}); }));

  Press({530, 540});
  EXPECT_TRUE(WaitFor([&] { return Shows(top, {{skin::kMouseTopPicture.name, {361, 48}}}); }));
  EXPECT_TRUE(ButtonShows(region::kTopView, skin::kViewButtonCurrent.name));
  EXPECT_TRUE(ButtonShows(region::kSideView, skin::kViewButtonNormal.name));

  Press({468, 540});
  EXPECT_TRUE(WaitFor([&] { return Shows(side, {{skin::kMouseSidePicture.name, {295, 150}}}); }));
  EXPECT_EQ(demo_.Exit(), 0u);
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
  SendMouse(0, start);
  SendMouse(MOUSEEVENTF_LEFTDOWN, start);
  for (int step = 1; step <= 4; ++step) SendMouse(0, {start.x + 10 * step, start.y + 8 * step});
  // The window follows while the button is held, and the release ends the drag.
  EXPECT_TRUE(WaitFor([&] {
    RECT now{};
    ::GetWindowRect(window_, &now);
    return now.left == before.left + 40 && now.top == before.top + 32;
  }));
  SendMouse(MOUSEEVENTF_LEFTUP, {start.x + 40, start.y + 32});
  // Wine under Xvfb now and then loses an injected release inside the system's move loop (a real X
  // release always ends it); the loop takes a posted release as well, so the program is not left dragging.
  ::PostMessageW(window_, WM_LBUTTONUP, 0, MAKELPARAM(340, 532));
  EXPECT_EQ(demo_.Exit(), 0u);
}

// A hidden window gives its decoded images back; shown again it paints its skin as before.
TEST_F(DemoMainWindow, HideHidesShowPaintsTheSkinAgainAndCloseEndsTheProgramWithZero) {
  Press({965, 12});
  EXPECT_TRUE(WaitFor([&] { return ::IsWindowVisible(window_) == FALSE; }));
  EXPECT_TRUE(demo_.process().running()) << "Hide leaves the program in the notification area";

  ASSERT_TRUE(demo_.Show());
  const ui::Rect side = ui::Rect::At({295, 150}, skin::kMouseSidePicture.size);
  EXPECT_TRUE(WaitFor([&] { return Shows(side, {{skin::kMouseSidePicture.name, {295, 150}}}); })) << lastDifference_;
  EXPECT_TRUE(WaitFor([&] { return ButtonShows(region::kSave, skin::kSaveButtonNormal.name); })) << lastDifference_;
  Press({985, 12});
  EXPECT_EQ(demo_.process().WaitForExit(), 0u);
}

// Pictures for the gallery, taken only when QUENDAR_SCREENSHOT_DIR names a folder: both views, sections
// open on both sides with the pointer on Button 3's box, and the window in simplified Chinese.
TEST(DemoMainWindowPictures, BothViewsSectionsAndSimplifiedChinese) {
  if (_wgetenv(L"QUENDAR_SCREENSHOT_DIR") == nullptr) GTEST_SKIP() << "no screenshot folder";
  const auto settle = [] { ::Sleep(700); };  // the last input's paint reaches the screen
  const auto start = [](DemoProgram& demo) {
    if (HWND mouse = ::FindWindowW(L"QuendarSimulatedMouse", nullptr))
      ::SetWindowPos(mouse, nullptr, 0, 880, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return demo.Show();
  };
  {
    DemoProgram demo;
    ASSERT_TRUE(demo.ready());
    ASSERT_TRUE(start(demo));
    HWND main = demo.mainWindow();
    PointAt(main, 600, 480);
    settle();
    SaveWindowScreenshot(main, L"main-side");
    ClickAt(main, 530, 540);  // "Top"
    PointAt(main, 600, 480);
    settle();
    SaveWindowScreenshot(main, L"main-top");
    ClickAt(main, 468, 540);  // "Side"
    ClickAt(main, 100, 185);  // X/Y, then Button Assignment above it
    ClickAt(main, 140, 117);
    ClickAt(main, 800, 42);   // CPI, then Lighting below its panel
    ClickAt(main, 800, 299);
    ClickAt(main, 530, 540);  // "Top"
    PointAt(main, 185, 202);  // resting on Button 3's box
    settle();
    SaveWindowScreenshot(main, L"main-sections");
    EXPECT_EQ(demo.Exit(), 0u);
  }
  DemoProgram chinese({}, [](const std::filesystem::path& folder) {
    ::WritePrivateProfileStringW(L"Skins", L"Lan", L"CHS", (folder / L"str0.ini").c_str());
  });
  ASSERT_TRUE(chinese.ready());
  ASSERT_TRUE(start(chinese));
  PointAt(chinese.mainWindow(), 950, 620);  // resting on Save
  settle();
  SaveWindowScreenshot(chinese.mainWindow(), L"main-chinese");
  EXPECT_EQ(chinese.Exit(), 0u);
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
  ::PostMessageW(box, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(WaitFor([&] { return !::IsWindow(box); }));

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
