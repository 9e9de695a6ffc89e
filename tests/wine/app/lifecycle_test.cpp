// The program's life as a user and the platform see it: one instance, a window that Enter, Escape and the
// close request never end, and an exit command that ends the process cleanly.
#include <gtest/gtest.h>

#include "core/app/app_messages.h"
#include "wine/wine_test_support.h"

namespace quendar::test {
namespace {

class ProgramLifecycle : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(AppExePath().empty()) << "QUENDAR_APP_EXE is not set";
    program_ = std::make_unique<ProgramProcess>(AppExePath());
    ASSERT_TRUE(program_->started());
    window_ = program_->WaitForWindow(app::kWindowClassName);
    ASSERT_NE(window_, nullptr) << "no window of class PelidorGMClass appeared";
  }

  void ExitProgram() {
    ::PostMessageW(window_, WM_COMMAND, app::kExitCommand, 0);
    EXPECT_EQ(program_->WaitForExit(), 0u);
  }

  std::unique_ptr<ProgramProcess> program_;
  HWND window_ = nullptr;
};

TEST_F(ProgramLifecycle, ShowsOneToolWindowAndExitsWithZeroOnExitCommand) {
  EXPECT_TRUE(WaitFor([&] { return ::IsWindowVisible(window_) != FALSE; }));
  const LONG_PTR exStyle = ::GetWindowLongPtrW(window_, GWL_EXSTYLE);
  EXPECT_TRUE(exStyle & WS_EX_TOOLWINDOW);
  EXPECT_FALSE(exStyle & WS_EX_APPWINDOW);
  EXPECT_FALSE(::GetWindowLongPtrW(window_, GWL_STYLE) & WS_CAPTION) << "the window is frameless";
  ExitProgram();
}

TEST_F(ProgramLifecycle, SecondInstanceEndsAtOnceAndFirstKeepsRunning) {
  ProgramProcess second(AppExePath());
  ASSERT_TRUE(second.started());
  EXPECT_EQ(second.WaitForExit(), 0u);
  EXPECT_TRUE(program_->running());
  EXPECT_TRUE(::IsWindow(window_));
  ExitProgram();
}

TEST_F(ProgramLifecycle, EnterEscapeAndCloseRequestLeaveTheProgramRunning) {
  for (WPARAM key : {VK_RETURN, VK_ESCAPE}) {
    ::PostMessageW(window_, WM_KEYDOWN, key, 0);
    ::PostMessageW(window_, WM_KEYUP, key, 0xC0000001);
  }
  // Posted messages are handled in order: once the close request has hidden the window, the keys
  // before it have been handled too.
  ::PostMessageW(window_, WM_CLOSE, 0, 0);
  EXPECT_TRUE(WaitFor([&] { return ::IsWindowVisible(window_) == FALSE; }));
  EXPECT_TRUE(::IsWindow(window_));
  EXPECT_TRUE(program_->running());
  ExitProgram();
}

}  // namespace
}  // namespace quendar::test
