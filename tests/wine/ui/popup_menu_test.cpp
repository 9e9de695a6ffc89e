// The popup-menu helper hands back the command the user chose, and 0 when the menu was dismissed.
#include <gtest/gtest.h>
#include <windows.h>

#include <future>

#include "win32/framework/popup_menu.h"
#include "win32/framework/window.h"
#include "wine/harness/program.h"

namespace quendar::test {
namespace {

class Owner : public win32::Window {
 protected:
  win32::MessageResult OnMessage(UINT, WPARAM, LPARAM) override { return std::nullopt; }
};

HWND OpenMenuWindow() {
  HWND menu = nullptr;
  WaitFor([&] { return (menu = ::FindWindowW(L"#32768", nullptr)) != nullptr && ::IsWindowVisible(menu); });
  return menu;
}

// Shows the menu on a thread of its own (the menu's loop blocks it) and answers with the helper's result.
std::future<win32::PopupMenuResult> ShowMenu() {
  return std::async(std::launch::async, [] {
    Owner owner;
    owner.CreatePopup(nullptr, {100, 100, 300, 200});
    const std::vector<win32::MenuItem> items{
        {11, L"Single key"},
        {0, L""},
        {0, L"Multimedia", false, true, {{31, L"Volume Up"}, {32, L"Volume Down"}}},
        {12, L"Off", false, false},
        {13, L"Macro", true},
    };
    return win32::TrackPopupMenuAt(owner.hwnd(), items, {120, 120});
  });
}

void Key(HWND menu, WPARAM key) {
  ::PostMessageW(menu, WM_KEYDOWN, key, 0);
  ::PostMessageW(menu, WM_KEYUP, key, 0);
}

// The helper's answer; a menu still open after the deadline is dismissed, so no thread is left behind.
win32::PopupMenuResult Answer(std::future<win32::PopupMenuResult>& shown) {
  if (shown.wait_for(15s) != std::future_status::ready) {
    ADD_FAILURE() << "the menu did not close";
    while (shown.wait_for(50ms) != std::future_status::ready) {
      if (HWND menu = ::FindWindowW(L"#32768", nullptr)) Key(menu, VK_ESCAPE);
    }
  }
  return shown.get();
}

TEST(PopupMenu, AnswersTheChosenCommandOrZero) {
  {
    auto shown = ShowMenu();
    HWND menu = OpenMenuWindow();
    ASSERT_NE(menu, nullptr);
    // Down to the first item, past the separator to the submenu, into it, second entry.
    for (WPARAM key : {VK_DOWN, VK_DOWN, VK_RIGHT, VK_DOWN, VK_RETURN}) Key(menu, key);
    EXPECT_EQ(Answer(shown).command, 32u);
  }
  {
    auto shown = ShowMenu();
    HWND menu = OpenMenuWindow();
    ASSERT_NE(menu, nullptr);
    Key(menu, VK_ESCAPE);
    const win32::PopupMenuResult result = Answer(shown);
    EXPECT_EQ(result.command, 0u);
    EXPECT_EQ(result.error, 0u);
  }
}

}  // namespace
}  // namespace quendar::test
