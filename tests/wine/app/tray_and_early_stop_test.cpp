// The program stays reachable: its notification icon comes back when the shell starts again, and a
// start-up that stopped early (so no icon was ever added) ends when its window closes or hides.
#include <gtest/gtest.h>

#include <windows.h>
#include <shellapi.h>

#include <string>

#include "core/app/app_messages.h"
#include "wine/harness/demo_program.h"

namespace quendar::test {
namespace {

// Asks the shell about the program's icon (owner window, id 0) the only way another process can:
// a modify is refused for an icon the shell does not hold.
bool ShellHoldsIcon(HWND owner) {
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof(data);
  data.hWnd = owner;
  data.uFlags = NIF_TIP;
  ::wcscpy(data.szTip, app::kWindowTitle);
  return ::Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

void DropIcon(HWND owner) {
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof(data);
  data.hWnd = owner;
  ::Shell_NotifyIconW(NIM_DELETE, &data);
}

TEST(TrayIconRestart, TheIconComesBackWhenTheTaskbarIsCreatedAgain) {
  ProgramProcess program(AppExePath());
  ASSERT_TRUE(program.started());
  const HWND window = program.WaitForWindow(app::kWindowClassName);
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(WaitFor([&] { return ShellHoldsIcon(window); })) << "the icon was never added";

  DropIcon(window);  // what a restarting shell does to every icon
  ASSERT_FALSE(ShellHoldsIcon(window));
  ::PostMessageW(HWND_BROADCAST, ::RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
  EXPECT_TRUE(WaitFor([&] { return ShellHoldsIcon(window); }));

  ::PostMessageW(window, WM_COMMAND, app::kExitCommand, 0);
  EXPECT_EQ(program.WaitForExit(), 0u);
}

TEST(EarlyStop, AStartUpThatStoppedEarlyEndsWhenItsWindowHidesAndTheNextStartWorks) {
  {
    DemoProgram stopped(L"/no-reader-event");
    ASSERT_TRUE(stopped.ready());
    HWND box = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (box = FindMessageBox(stopped.process(), L"CreateEvent failed.")) != nullptr; }));
    ASSERT_TRUE(Dismiss(box));

    stopped.ClickMain(958, 5);  // "Hide": as the close request, it ends the program
    EXPECT_EQ(stopped.process().WaitForExit(), 0u) << "the hidden window would have been unreachable";
  }
  DemoProgram next;
  ASSERT_TRUE(next.ready()) << "the single-instance mutex was left behind";
  EXPECT_TRUE(next.process().running());
  EXPECT_EQ(next.Exit(), 0u);
}

}  // namespace
}  // namespace quendar::test
