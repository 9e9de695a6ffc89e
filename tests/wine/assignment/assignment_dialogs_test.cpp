// The key capture and macro assignment dialogs on the real platform: keystrokes through SendInput reach
// the thread hook, clicks choose from the lists, and OK hands back what the user picked. The combination
// dialog is driven through the demo program (assignment_demo_test.cpp).
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <filesystem>
#include <functional>
#include <thread>

#include "win32/assignment/macro_key_dialog.h"
#include "win32/assignment/single_key_dialog.h"
#include "wine/harness/input.h"

namespace quendar::test {
namespace {

namespace ua = ui::assignment;

std::unique_ptr<win32::Skin> DefaultSkin(ui::LanguageClass language) {
  win32::SkinSettings settings;
  settings.folder = SkinFolder();
  settings.language = language;
  settings.platform = {10, 0};
  return std::make_unique<win32::Skin>(settings);
}

HWND FindOwnWindow(const wchar_t* title) { return WaitForTopWindow(title, ::GetCurrentProcessId()); }

// Runs `dialog` modally on this thread while `drive` acts on its window from another; whatever `drive`
// leaves open is closed, so a failed step never hangs the test.
template <typename Dialog>
INT_PTR RunDriven(Dialog& dialog, const wchar_t* title, std::function<void(HWND)> drive) {
  std::thread driver([&] {
    HWND window = FindOwnWindow(title);
    if (window == nullptr) return;
    ::SetForegroundWindow(window);
    drive(window);
    if (!WaitFor([&] { return !::IsWindow(window); }, 10s)) {
      for (const ShownBox& box : MessageBoxesOf(::GetWindowThreadProcessId(window, nullptr))) Dismiss(box.window);
      ::PostMessageW(window, WM_CLOSE, 0, 0);
    }
  });
  const INT_PTR result = dialog.RunModal(::GetModuleHandleW(nullptr), nullptr);
  driver.join();
  return result;
}

TEST(AssignmentDialogs, SingleKeyTakesTheLastKeyAndEnterDoesNotCloseIt) {
  auto skin = DefaultSkin(ui::LanguageClass::English);
  {
    win32::CSingleDialog dialog(*skin, ui::LanguageClass::English);
    const INT_PTR result = RunDriven(dialog, L"Single Key", [](HWND window) {
      PressKey('A', 0x1E);
      PressKey('B', 0x30);
      ClickAt(window, 260, 260);
    });
    EXPECT_EQ(result, IDOK);
    ASSERT_TRUE(dialog.choice());
    EXPECT_EQ(dialog.choice()->key, L"B");
  }
  // Enter, Escape and the Windows key are captured like any key and close nothing: the click after them
  // still finds OK.
  win32::CSingleDialog dialog(*skin, ui::LanguageClass::English);
  const INT_PTR result = RunDriven(dialog, L"Single Key", [](HWND window) {
    PressKey(VK_RETURN);
    PressKey(VK_ESCAPE);
    PressKey(VK_LWIN, 0x5B, /*extended=*/true);
    ClickAt(window, 260, 260);
  });
  EXPECT_EQ(result, IDOK);
  ASSERT_TRUE(dialog.choice());
  EXPECT_EQ(dialog.choice()->key, L"Left Windows");
}

TEST(AssignmentDialogs, MacroDialogRefusesOkWithoutAMacroThenBindsTheChosenOne) {
  auto skin = DefaultSkin(ui::LanguageClass::SimplifiedChinese);
  win32::CMacroDialog dialog(*skin, ui::LanguageClass::SimplifiedChinese, {L"first", L"second", L"third"});
  std::atomic<bool> refused{false};
  const INT_PTR result = RunDriven(dialog, L"Macro Key", [&](HWND window) {
    ClickAt(window, 260, 260);
    HWND warning = FindOwnWindow(L"Warning");
    refused = warning != nullptr && Dismiss(warning);
    ClickAt(window, 60, 135);  // the macro box opens its list
    const HWND list = WaitForPopupList(window, win32::kMacroListId);
    ASSERT_NE(list, nullptr);
    ClickEntry(list, 2);
    ClickAt(window, 225, 185);  // repeat mode 2
    ClickAt(window, 260, 260);
  });
  EXPECT_TRUE(refused);
  EXPECT_EQ(result, IDOK);
  ASSERT_TRUE(dialog.choice());
  EXPECT_EQ(*dialog.choice(), (ua::MacroChoice{2, L"third", 2}));
}

}  // namespace
}  // namespace quendar::test
