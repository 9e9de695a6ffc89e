// Button assignment in the demo program, driven with real clicks and keystrokes: a sub-list entry and a
// captured combination reach the mouse's key matrix on "Save". (Which lists open, and the only "Click"
// button's refusal, are the assignment menus' native tests.)
#include <gtest/gtest.h>
#include <windows.h>

#include <array>

#include "core/ui/assignment/button_function_lists.h"
#include "wine/harness/demo_program.h"
#include "wine/harness/input.h"
#include "wine/harness/screen.h"

namespace quendar::test {
namespace {

namespace ua = ui::assignment;

constexpr int kFunctionList = ua::kFunctionListId;
constexpr int kMultimediaList = ua::kFunctionListId + static_cast<int>(ua::PopupList::Multimedia);
constexpr int kModifierList = 515, kKey1Box = 516;

// The Button Assignment panel of the Top view: row r's dropdown box is at y 162 + 20r.
constexpr POINT kAssignmentTitle{140, 117}, kTopView{530, 540}, kSave{950, 620};
constexpr int RowY(int row) { return 162 + 20 * row; }
constexpr int kBoxX = 185;

struct AssignmentPanel {
  DemoProgram demo;
  HWND main = nullptr;

  bool Open() {
    if (!demo.ready() || !demo.WaitForState(L"Plugged in") || !demo.Show()) return false;
    main = demo.mainWindow();
    ::SetForegroundWindow(main);
    ClickAt(main, kAssignmentTitle.x, kAssignmentTitle.y);
    ClickAt(main, kTopView.x, kTopView.y);
    return true;
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
  const ui::Rect bottomRow{0, client.bottom - 1, 1, client.bottom};
  EXPECT_TRUE(WaitFor([&] { return ScreenPixels(functions, bottomRow)[0] == 0x500000; }));
  const POINT multimedia = ListEntry(functions, 7);
  HWND media = nullptr;
  ASSERT_TRUE(HoverUntil(functions, multimedia, [&] { return (media = PopupList(main, kMultimediaList)) != nullptr; }));
  ClickEntry(media, 6);
  ASSERT_TRUE(WaitFor([&] { return PopupList(main, kFunctionList) == nullptr; }));

  // Button 5: "Combo Key" with "Left Shift" from the modifier list and A pressed in the first key box.
  ClickAt(main, kBoxX, RowY(4));
  functions = WaitForPopupList(main, kFunctionList);
  ASSERT_NE(functions, nullptr);
  ClickEntry(functions, 11);
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
  EXPECT_TRUE(WaitFor([&] { return TextOf(key1) == L"A"; })) << "the hook names the key in the focused box";
  ClickAt(combo, 260, 260);
  ASSERT_TRUE(WaitFor([&] { return !::IsWindow(combo); }));

  ClickAt(main, kSave.x, kSave.y);
  // Slots 1 and 3 of key matrix 1 carry Buttons 3 and 5.
  const std::array<int, 8> expected{0x03, 0x00, 0xE9, 0x00, 0x00, 0x02, 0x04, 0x00};
  const auto matrix = [&] {
    std::array<int, 8> bytes{};
    for (int i = 0; i < 8; ++i) bytes[static_cast<std::size_t>(i)] = panel.demo.StateByte(L"Key matrix 1", 4 + i + (i / 4) * 4);
    return bytes;
  };
  EXPECT_TRUE(WaitFor([&] { return matrix() == expected; }));
  EXPECT_EQ(panel.demo.Exit(), 0u);
}

}  // namespace
}  // namespace quendar::test
