// The scroll thumb inside the real program: it follows the pointer's messages within its track and the
// main window takes every new top (a full repaint afterwards leaves the thumb where it was dragged).
#include <gtest/gtest.h>
#include <windows.h>

#include "core/app/app_messages.h"
#include "wine/demo/demo_program.h"
#include "wine/wine_test_support.h"

namespace quendar::test {
namespace {

constexpr int kThumbId = 1101;

HWND FindThumb(HWND main) {
  for (HWND child = ::FindWindowExW(main, nullptr, L"QuendarWindow", nullptr); child != nullptr;
       child = ::FindWindowExW(main, child, L"QuendarWindow", nullptr)) {
    if (::GetDlgCtrlID(child) == kThumbId) return child;
  }
  return nullptr;
}

int TopInParent(HWND thumb) {
  RECT r{};
  ::GetWindowRect(thumb, &r);
  ::MapWindowPoints(nullptr, ::GetParent(thumb), reinterpret_cast<POINT*>(&r), 2);
  return r.top;
}

// A mouse message at a screen row over the thumb, handled before this returns.
void Send(HWND thumb, UINT message, int screenY) {
  RECT r{};
  ::GetWindowRect(thumb, &r);
  POINT client{r.left + 3, screenY};
  ::ScreenToClient(thumb, &client);
  ::SendMessageW(thumb, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(client.x, client.y));
}

TEST(MainWindowThumb, DragsWithinItsTrackAndTheMainWindowKeepsTheTop) {
  DemoProgram demo;
  ASSERT_TRUE(demo.ready());
  HWND thumb = nullptr;
  ASSERT_TRUE(WaitFor([&] { return (thumb = FindThumb(demo.mainWindow())) != nullptr; })) << "no scroll thumb";
  ASSERT_EQ(TopInParent(thumb), 32);

  RECT start{};
  ::GetWindowRect(thumb, &start);
  int pointer = start.top + 50;
  Send(thumb, WM_LBUTTONDOWN, pointer);
  struct Move {
    int dy;
    int top;
  };
  const Move moves[] = {{-1, 32}, {300, 332}, {300, 332}, {149, 481}, {1, 481}};
  for (const Move& move : moves) {
    pointer += move.dy;
    Send(thumb, WM_MOUSEMOVE, pointer);
    EXPECT_EQ(TopInParent(thumb), move.top) << "after moving " << move.dy;
  }
  Send(thumb, WM_LBUTTONUP, pointer);

  // A reload repaints everything and puts the thumb (made anew) where the main window believes it is.
  ::SendMessageW(demo.mainWindow(), app::kProfileRequestMessage, app::kProfileReload, 0);
  thumb = FindThumb(demo.mainWindow());
  ASSERT_NE(thumb, nullptr);
  EXPECT_EQ(TopInParent(thumb), 481) << "the main window did not take the thumb's last top";
  EXPECT_EQ(demo.Exit(), 0u);
}

}  // namespace
}  // namespace quendar::test
