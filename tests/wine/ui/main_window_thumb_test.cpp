// The scroll thumb inside the real program: it follows the real pointer within its track and the main
// window takes every new top (the thumb made anew by a reload stands where it was dragged).
#include <gtest/gtest.h>
#include <windows.h>

#include <utility>

#include "core/app/app_messages.h"
#include "wine/harness/demo_program.h"

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

// The window holding the mouse capture in `window`'s thread.
HWND CaptureOf(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof(info);
  return ::GetGUIThreadInfo(::GetWindowThreadProcessId(window, nullptr), &info) ? info.hwndCapture : nullptr;
}

void Button(DWORD flag) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flag;
  ::SendInput(1, &input, sizeof(input));
}

// The thumb is driven by the real pointer only: the platform also reports the pointer's real place to the
// window holding the capture (after a window moves, say), so moves sent as messages would race with those.
TEST(MainWindowThumb, DragsWithinItsTrackAndTheMainWindowKeepsTheTop) {
  DemoProgram demo;
  ASSERT_TRUE(demo.ready());
  HWND main = demo.mainWindow();
  ASSERT_TRUE(demo.Show());
  // Only the foreground thread's capture takes the pointer's moves away from the window under it.
  ::SetForegroundWindow(main);
  ASSERT_TRUE(WaitFor([&] { return ::GetForegroundWindow() == main; }));
  HWND thumb = nullptr;
  ASSERT_TRUE(WaitFor([&] { return (thumb = FindThumb(main)) != nullptr; })) << "no scroll thumb";
  ASSERT_EQ(TopInParent(thumb), 32);

  RECT start{};
  ::GetWindowRect(thumb, &start);
  const int x = start.left + 3;
  int pointer = start.top + 50;
  ::SetCursorPos(x, pointer);
  ASSERT_TRUE(WaitFor([&] { return ::WindowFromPoint({x, pointer}) == thumb; })) << "the thumb is covered";
  Button(MOUSEEVENTF_LEFTDOWN);
  ASSERT_TRUE(WaitFor([&] { return CaptureOf(main) == thumb; })) << "the press did not reach the thumb";
  // Queued moves merge into one, so each is waited for. They stay inside the track: a pointer place
  // also comes back late from the display, and a late one after a refused move would move the thumb.
  // The limits are the thumb's own test.
  for (const auto& [dy, top] : {std::pair{300, 332}, std::pair{149, 481}}) {
    pointer += dy;
    ::SetCursorPos(x, pointer);
    EXPECT_TRUE(WaitFor([&] { return TopInParent(thumb) == top; })) << "after moving " << dy << ": " << TopInParent(thumb);
  }
  Button(MOUSEEVENTF_LEFTUP);
  ASSERT_TRUE(WaitFor([&] { return CaptureOf(main) == nullptr; })) << "the release did not end the drag";
  EXPECT_EQ(TopInParent(thumb), 481);

  // A reload removes the thumb and the full paint after it makes one anew where the main window believes
  // the thumb is. It is posted, as the profile manager posts it, so it comes after the thumb's own posted
  // reports; a sent one would overtake them.
  ::PostMessageW(main, app::kProfileRequestMessage, app::kProfileReload, 0);
  HWND made = nullptr;
  EXPECT_TRUE(WaitFor([&] {
    made = FindThumb(main);
    return !::IsWindow(thumb) && made != nullptr && TopInParent(made) == 481;
  })) << "the main window did not take the thumb's last top; the thumb is at " << (made ? TopInParent(made) : -1);
  EXPECT_EQ(demo.Exit(), 0u);
}

}  // namespace
}  // namespace quendar::test
