// The key capture and macro assignment dialogs on the real platform: keystrokes through SendInput reach
// the thread hook, clicks choose from the lists, and OK hands back what the user picked.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <filesystem>
#include <functional>
#include <thread>

#include "win32/assignment/combo_key_dialog.h"
#include "win32/assignment/macro_key_dialog.h"
#include "win32/assignment/single_key_dialog.h"
#include "wine/wine_test_support.h"

namespace quendar::test {
namespace {

namespace ua = ui::assignment;

std::unique_ptr<win32::Skin> DefaultSkin(ui::LanguageClass language) {
  win32::SkinSettings settings;
  settings.folder = std::filesystem::path(QUENDAR_RUNTIME_DIR).wstring() + L"\\Skins\\Default";
  settings.language = language;
  settings.platform = {10, 0};
  return std::make_unique<win32::Skin>(settings);
}

HWND FindOwnWindow(const wchar_t* title) {
  HWND found = nullptr;
  WaitFor([&] {
    found = ::FindWindowW(nullptr, title);
    DWORD pid = 0;
    if (found) ::GetWindowThreadProcessId(found, &pid);
    return found != nullptr && pid == ::GetCurrentProcessId() && ::IsWindowVisible(found);
  });
  return found;
}

void Key(WORD vk, WORD scan, bool extended = false) {
  INPUT input[2]{};
  for (int i = 0; i < 2; ++i) {
    input[i].type = INPUT_KEYBOARD;
    input[i].ki.wVk = vk;
    input[i].ki.wScan = scan;
    input[i].ki.dwFlags = (extended ? KEYEVENTF_EXTENDEDKEY : 0) | (i == 1 ? KEYEVENTF_KEYUP : 0);
  }
  ::SendInput(2, input, sizeof(INPUT));
}

// A real click at a client point of `window`: queued behind the keystrokes sent before it.
void Click(HWND window, int x, int y) {
  POINT at{x, y};
  ::ClientToScreen(window, &at);
  const int width = ::GetSystemMetrics(SM_CXSCREEN), height = ::GetSystemMetrics(SM_CYSCREEN);
  INPUT input[3]{};
  const DWORD flags[3] = {MOUSEEVENTF_MOVE, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP};
  for (int i = 0; i < 3; ++i) {
    input[i].type = INPUT_MOUSE;
    input[i].mi.dx = at.x * 65535 / (width - 1);
    input[i].mi.dy = at.y * 65535 / (height - 1);
    input[i].mi.dwFlags = flags[i] | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  }
  ::SendInput(3, input, sizeof(INPUT));
}

// The entry `item` of a popup list whose host has `id` in `dialog`: pointed at, then clicked.
void ClickListEntry(HWND dialog, int id, int item) {
  HWND host = nullptr;
  ASSERT_TRUE(WaitFor([&] { return (host = ::GetDlgItem(dialog, id)) != nullptr; }));
  HWND list = ::GetWindow(host, GW_CHILD);
  RECT r{};
  ::SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&r));
  Click(list, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

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
      if (HWND warning = ::FindWindowW(nullptr, L"Warning")) ::PostMessageW(warning, WM_COMMAND, IDOK, 0);
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
      Key('A', 0x1E);
      Key('B', 0x30);
      Click(window, 260, 260);
    });
    EXPECT_EQ(result, IDOK);
    ASSERT_TRUE(dialog.choice());
    EXPECT_EQ(dialog.choice()->key, L"B");
  }
  // Enter and Escape are captured like any key and close nothing: the click after them still finds OK.
  win32::CSingleDialog dialog(*skin, ui::LanguageClass::English);
  const INT_PTR result = RunDriven(dialog, L"Single Key", [](HWND window) {
    Key(VK_RETURN, 0x1C);
    Key(VK_ESCAPE, 0x01);
    Click(window, 260, 260);
  });
  EXPECT_EQ(result, IDOK);
  ASSERT_TRUE(dialog.choice());
  EXPECT_EQ(dialog.choice()->key, L"Esc");
}

TEST(AssignmentDialogs, ComboTakesTheModifierFromItsListAndTheKeyFromTheFocusedBox) {
  auto skin = DefaultSkin(ui::LanguageClass::English);
  win32::CComboDialog dialog(*skin, ui::LanguageClass::English);
  const INT_PTR result = RunDriven(dialog, L"Combo Key", [](HWND window) {
    Click(window, 60, 76);                           // the modifier box opens its list
    ClickListEntry(window, win32::kModifierListId, 1);  // "Left Shift"
    ASSERT_TRUE(WaitFor([&] { return ::GetDlgItem(window, win32::kModifierListId) == nullptr; }));
    HWND key1 = ::GetDlgItem(window, win32::kKey1BoxId);
    Click(key1, 5, 5);
    ASSERT_TRUE(WaitFor([&] {
      GUITHREADINFO info{};
      info.cbSize = sizeof(info);
      return ::GetGUIThreadInfo(::GetWindowThreadProcessId(window, nullptr), &info) && info.hwndFocus == key1;
    }));
    Key('A', 0x1E);
    wchar_t shown[32]{};
    ASSERT_TRUE(WaitFor([&] { return ::GetWindowTextW(key1, shown, 32) > 0; }));
    EXPECT_STREQ(shown, L"A");
    Click(window, 260, 260);
  });
  EXPECT_EQ(result, IDOK);
  ASSERT_TRUE(dialog.choice());
  EXPECT_EQ(*dialog.choice(), (ua::ComboKeyChoice{L"Left Shift", L"A", L""}));
}

TEST(AssignmentDialogs, MacroDialogRefusesOkWithoutAMacroThenBindsTheChosenOne) {
  auto skin = DefaultSkin(ui::LanguageClass::SimplifiedChinese);
  win32::CMacroDialog dialog(*skin, ui::LanguageClass::SimplifiedChinese, {L"first", L"second", L"third"});
  std::atomic<bool> refused{false};
  const INT_PTR result = RunDriven(dialog, L"Macro Key", [&](HWND window) {
    Click(window, 260, 260);
    HWND warning = FindOwnWindow(L"Warning");
    refused = warning != nullptr;
    if (warning) ::PostMessageW(warning, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitFor([&] { return !::IsWindow(warning); }));
    Click(window, 60, 135);  // the macro box opens its list
    ClickListEntry(window, win32::kMacroListId, 2);
    Click(window, 225, 185);  // repeat mode 2
    Click(window, 260, 260);
  });
  EXPECT_TRUE(refused);
  EXPECT_EQ(result, IDOK);
  ASSERT_TRUE(dialog.choice());
  EXPECT_EQ(*dialog.choice(), (ua::MacroChoice{2, L"third", 2}));
}

}  // namespace
}  // namespace quendar::test
