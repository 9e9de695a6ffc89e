// Button assignment in the demo program, driven with real clicks and keystrokes: a sub-list entry and a
// captured combination reach the mouse's key matrix on "Save"; the only "Click" button refuses to open
// its list.
#include <gtest/gtest.h>
#include <windows.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "core/ui/assignment/button_function_lists.h"
#include "win32/framework/unique_handle.h"
#include "wine/assignment/real_input.h"
#include "wine/demo/demo_program.h"
#include "wine/profiles_ui/screen_capture.h"

namespace quendar::test {
namespace {

namespace ua = ui::assignment;
using win32::WindowDc;

constexpr int kFunctionList = ua::kFunctionListId;
constexpr int kMultimediaList = ua::kFunctionListId + static_cast<int>(ua::PopupList::Multimedia);
constexpr int kModifierList = 515, kKey1Box = 516;

// The Button Assignment panel of the Top view: row r's dropdown box is at y 154 + 20r.
constexpr POINT kAssignmentTitle{140, 117}, kTopView{530, 540}, kSave{950, 620};
constexpr int RowY(int row) { return 162 + 20 * row; }
constexpr int kBoxX = 185;

struct AssignmentPanel {
  DemoProgram demo;
  HWND main = nullptr;

  AssignmentPanel() = default;
  // The demo in the interface language `code` (empty: English).
  explicit AssignmentPanel(const std::wstring& code)
      : demo({}, [&](const std::filesystem::path& folder) {
          ::WritePrivateProfileStringW(L"Skins", L"Lan", code.c_str(), (folder / L"str0.ini").c_str());
        }) {}

  bool Open() {
    if (!demo.ready() || !demo.WaitForState(L"Plugged in") || !demo.Show()) return false;
    main = demo.mainWindow();
    ::SetForegroundWindow(main);
    ClickAt(main, kAssignmentTitle.x, kAssignmentTitle.y);
    ClickAt(main, kTopView.x, kTopView.y);
    return true;
  }
  // Opens `row`'s function list and clicks its entry `item`.
  void Choose(int row, int item) {
    ClickAt(main, kBoxX, RowY(row));
    HWND functions = WaitForPopupList(main, kFunctionList);
    ASSERT_NE(functions, nullptr);
    ClickEntry(functions, item);
  }
};

TEST(AssignmentDemo, SubListAndCombinationReachTheKeyMatrixOnSave) {
  AssignmentPanel panel;
  ASSERT_TRUE(panel.Open());
  HWND main = panel.main;

  // Button 3: point at "Multimedia", then click "Volume Up" in its sub-list.
  ClickAt(main, kBoxX, RowY(2));
  HWND functions = WaitForPopupList(main, kFunctionList);
  ASSERT_NE(functions, nullptr);
  // Below its last entry the list shows its own background.
  RECT client{};
  ::GetClientRect(functions, &client);
  POINT below{client.right / 2, client.bottom - 1};
  ::ClientToScreen(functions, &below);
  EXPECT_TRUE(WaitFor([&] {
    WindowDc screen(nullptr);
    return ::GetPixel(screen.get(), below.x, below.y) == RGB(80, 0, 0);
  }));
  const POINT multimedia = ListEntry(functions, 7);
  PointAt(functions, multimedia.x, multimedia.y);
  HWND media = WaitForPopupList(main, kMultimediaList);
  ASSERT_NE(media, nullptr);
  ClickEntry(media, 6);
  ASSERT_TRUE(WaitFor([&] { return PopupList(main, kFunctionList) == nullptr; }));

  // Button 5: "Combo Key" with "Left Shift" from the modifier list and A pressed in the first key box.
  panel.Choose(4, 11);
  HWND combo = WaitForTopWindow(L"Combo Key", panel.demo.process().pid());
  ASSERT_NE(combo, nullptr);
  ClickAt(combo, 60, 76);
  HWND modifiers = WaitForPopupList(combo, kModifierList);
  ASSERT_NE(modifiers, nullptr);
  ClickEntry(modifiers, 1);
  ASSERT_TRUE(WaitFor([&] { return PopupList(combo, kModifierList) == nullptr; }));
  HWND key1 = ::GetDlgItem(combo, kKey1Box);
  ClickAt(key1, 5, 5);
  PressKey('A', 0x1E);
  wchar_t shown[8]{};  // the hook names the key in the focused box
  EXPECT_TRUE(WaitFor([&] {
    return ::SendMessageW(key1, WM_GETTEXT, 8, reinterpret_cast<LPARAM>(shown)) == 1 && shown[0] == L'A';
  }));
  ClickAt(combo, 260, 260);
  ASSERT_TRUE(WaitFor([&] { return !::IsWindow(combo); }));

  ClickAt(main, kSave.x, kSave.y);
  // Slots 1 and 3 of key matrix 1 carry Buttons 3 and 5 (a bound macro is checked with the macro manager's
  // demo test).
  const std::array<int, 8> expected{0x03, 0x00, 0xE9, 0x00, 0x00, 0x02, 0x04, 0x00};
  const auto matrix = [&] {
    std::array<int, 8> bytes{};
    for (int i = 0; i < 8; ++i) bytes[static_cast<std::size_t>(i)] = panel.demo.StateByte(L"Key matrix 1", 4 + i + (i / 4) * 4);
    return bytes;
  };
  EXPECT_TRUE(WaitFor([&] { return matrix() == expected; }));
  EXPECT_EQ(panel.demo.Exit(), 0u);
}

TEST(AssignmentDemo, TheOnlyClickButtonWarnsInsteadOfOpeningItsList) {
  AssignmentPanel panel;
  ASSERT_TRUE(panel.Open());
  ClickAt(panel.main, kBoxX, RowY(0));  // Button 1, the default profile's one "Click"
  HWND warning = WaitForTopWindow(L"Warning", panel.demo.process().pid());
  ASSERT_NE(warning, nullptr);
  wchar_t text[64]{};
  ::GetDlgItemTextW(warning, 0xFFFF, text, 64);
  EXPECT_STREQ(text, L"Left key must be selected!");
  EXPECT_EQ(PopupList(panel.main, kFunctionList), nullptr);
  ::PostMessageW(warning, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(WaitFor([&] { return !::IsWindow(warning); }));
  EXPECT_EQ(panel.demo.Exit(), 0u);
}

// Pictures for the gallery, taken only when QUENDAR_SCREENSHOT_DIR names a folder: Button 3's function
// list with the Multimedia sub-list, the single-key dialog after F5, the combination dialog after Left
// Shift, A and F5, and the long caption that combination leaves in its dropdown box.
void TakeAssignmentPictures(const std::wstring& code, const std::wstring& suffix) {
  AssignmentPanel panel(code);
  ASSERT_TRUE(panel.Open());
  HWND main = panel.main;
  if (HWND mouse = ::FindWindowW(L"QuendarSimulatedMouse", nullptr))
    ::SetWindowPos(mouse, nullptr, 0, 880, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  // Input is handled in order; the pause lets the last paint reach the screen.
  const auto settle = [] { ::Sleep(700); };

  ClickAt(main, kBoxX, RowY(2));
  HWND functions = WaitForPopupList(main, kFunctionList);
  ASSERT_NE(functions, nullptr);
  const POINT multimedia = ListEntry(functions, 7);
  PointAt(functions, multimedia.x, multimedia.y);
  ASSERT_NE(WaitForPopupList(main, kMultimediaList), nullptr);
  settle();
  SaveWindowScreenshot(main, L"assignment-lists" + suffix);
  PointAt(main, 600, 480);
  ClickAt(main, 600, 480);  // closes the lists
  ASSERT_TRUE(WaitFor([&] { return PopupList(main, kFunctionList) == nullptr; }));

  panel.Choose(3, 10);  // Button 4: "Single Key"
  HWND single = WaitForTopWindow(L"Single Key", panel.demo.process().pid());
  ASSERT_NE(single, nullptr);
  ::SetForegroundWindow(single);
  PressKey(VK_F5, 0x3F);
  settle();
  SaveWindowScreenshot(single, L"single-key" + suffix);
  ::PostMessageW(single, WM_CLOSE, 0, 0);
  ASSERT_TRUE(WaitFor([&] { return !::IsWindow(single); }));

  panel.Choose(4, 11);  // Button 5: "Combo Key"
  HWND combo = WaitForTopWindow(L"Combo Key", panel.demo.process().pid());
  ASSERT_NE(combo, nullptr);
  ClickAt(combo, 60, 76);
  HWND modifiers = WaitForPopupList(combo, kModifierList);
  ASSERT_NE(modifiers, nullptr);
  ClickEntry(modifiers, 1);
  ASSERT_TRUE(WaitFor([&] { return PopupList(combo, kModifierList) == nullptr; }));
  ClickAt(::GetDlgItem(combo, kKey1Box), 5, 5);
  PressKey('A', 0x1E);
  ClickAt(::GetDlgItem(combo, kKey1Box + 1), 5, 5);
  PressKey(VK_F5, 0x3F);
  settle();
  SaveWindowScreenshot(combo, L"combo-key" + suffix);
  ClickAt(combo, 260, 260);  // OK
  ASSERT_TRUE(WaitFor([&] { return !::IsWindow(combo); }));
  PointAt(main, 600, 480);
  settle();
  SaveWindowScreenshot(main, L"assignment-caption" + suffix);
  EXPECT_EQ(panel.demo.Exit(), 0u);
}

TEST(AssignmentPictures, EnglishAndSimplifiedChinese) {
  if (_wgetenv(L"QUENDAR_SCREENSHOT_DIR") == nullptr) GTEST_SKIP() << "no screenshot folder";
  TakeAssignmentPictures(L"", L"-en");
  TakeAssignmentPictures(L"CHS", L"-zh");
}

}  // namespace
}  // namespace quendar::test
