// The program's life as a user and the platform see it: one frameless tool window, one instance, a window
// that Enter, Escape and the close request never end, and an exit command that ends the process cleanly.
#include <gtest/gtest.h>

#include "core/app/app_messages.h"
#include "wine/harness/input.h"

namespace quendar::test {
namespace {

TEST(ProgramLifecycle, OneToolWindowOneInstanceOnlyExitEndsItWithZero) {
  ASSERT_FALSE(AppExePath().empty()) << "QUENDAR_APP_EXE is not set";
  ProgramProcess program(AppExePath());
  ASSERT_TRUE(program.started());
  const HWND window = program.WaitForWindow(app::kWindowClassName);
  ASSERT_NE(window, nullptr) << "no window of class PelidorGMClass appeared";
  EXPECT_TRUE(WaitFor([&] { return ::IsWindowVisible(window) != FALSE; }));
  const LONG_PTR exStyle = ::GetWindowLongPtrW(window, GWL_EXSTYLE);
  EXPECT_TRUE(exStyle & WS_EX_TOOLWINDOW);
  EXPECT_FALSE(exStyle & WS_EX_APPWINDOW);
  EXPECT_FALSE(::GetWindowLongPtrW(window, GWL_STYLE) & WS_CAPTION) << "the window is frameless";

  ProgramProcess second(AppExePath());
  ASSERT_TRUE(second.started());
  EXPECT_EQ(second.WaitForExit(), 0u) << "a second instance ends at once";

  for (WPARAM key : {VK_RETURN, VK_ESCAPE}) PostKey(window, key);
  // Posted messages are handled in order: once the close request has hidden the window, the keys before
  // it have been handled too.
  ::PostMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_TRUE(WaitFor([&] { return ::IsWindowVisible(window) == FALSE; }));
  EXPECT_TRUE(program.running());

  ::PostMessageW(window, WM_COMMAND, app::kExitCommand, 0);
  EXPECT_EQ(program.WaitForExit(), 0u) << program.DescribeWindows();
}

}  // namespace
}  // namespace quendar::test
