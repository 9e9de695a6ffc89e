// The macro manager in the program on the simulated mouse: "Macro Manager" opens it, a macro recorded
// from real keystrokes with delays goes into the profile on OK, the macro assignment dialog binds it to
// Button 3, and "Save" sends the macro's block and the button's code to the mouse.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "core/macros/macro_store.h"
#include "core/ui/assignment/button_function_lists.h"
#include "core/ui/macro_manager/macro_manager_layout.h"
#include "wine/assignment/real_input.h"
#include "wine/demo/demo_program.h"
#include "wine/macros/macro_test_input.h"
#include "platform/platform_file_system.h"

namespace quendar::test {
namespace {

namespace mm = ui::macro_manager;

constexpr int kMacroManagerX = 141, kMacroManagerY = 151;  // the "Macro Manager" title, sections closed
constexpr int kSaveX = 950, kSaveY = 620;
constexpr std::size_t kRecord = 1;  // the flag byte comes first in a profile file
// The Button Assignment panel of the Top view: Button 3's dropdown box, the "Macro Key" entry, and the
// macro assignment dialog's macro list, its repeat mode 2 and its OK.
constexpr POINT kAssignmentTitle{140, 117}, kTopView{530, 540}, kButton3Box{185, 202};
constexpr int kMacroKeyEntry = 12, kMacroKeyList = 593;
constexpr POINT kMacroListBox{60, 135}, kRepeatModeTwo{225, 185}, kMacroKeyOk{260, 260};

TEST(DemoMacroManager, RecordedMacroReachesTheMouseOnSave) {
  platform::PlatformFileSystem disk;
  DemoProgram demo;
  ASSERT_TRUE(demo.ready());
  ASSERT_TRUE(demo.WaitForState(L"Plugged in"));
  const auto store = demo.folder() / L"record.ini";
  const std::size_t position = macros::MacroStore(disk, store).ListMacroNames().size();  // where New puts it
  ASSERT_LT(position, 12u);

  const HWND main = demo.mainWindow();
  ASSERT_TRUE(demo.Show());

  demo.ClickMain(kMacroManagerX, kMacroManagerY);
  HWND dialog = nullptr;
  HWND macroList = nullptr;
  ASSERT_TRUE(WaitFor([&] {
    dialog = ::FindWindowW(L"#32770", L"Macro Manager");
    macroList = dialog ? ::GetDlgItem(dialog, mm::kMacroListId) : nullptr;
    return macroList != nullptr && ::SendMessageW(macroList, LB_GETCOUNT, 0, 0) == LRESULT(position);
  }));
  const HWND sequence = ::GetDlgItem(dialog, mm::kSequenceListId);
  Click(dialog, mm::kNewRect);
  ASSERT_TRUE(WaitFor([&] { return ::SendMessageW(macroList, LB_GETCOUNT, 0, 0) == LRESULT(position + 1); }));
  // The delay tick box stays as the first macro of the bundled store left it: set.
  Click(dialog, mm::kRecordRect);
  ASSERT_TRUE(WaitFor([&] { return ::IsWindow(dialog) && ::GetWindowTextLengthW(dialog) > 20; }));
  ::SetForegroundWindow(dialog);
  ASSERT_TRUE(WaitFor([&] { return ::GetForegroundWindow() == dialog; }));
  Key('A', false);
  // The delay is measured between the handling of the two keys: the release follows the recorded press.
  ASSERT_TRUE(WaitFor([&] { return ::SendMessageW(sequence, LB_GETCOUNT, 0, 0) == 1; }));
  ::Sleep(60);
  Key('A', true);
  ASSERT_TRUE(WaitFor([&] { return ::SendMessageW(sequence, LB_GETCOUNT, 0, 0) == 3; }));
  Click(dialog, mm::kRecordRect);
  Click(dialog, mm::kOkRect);
  ASSERT_TRUE(WaitFor([&] { return !::IsWindow(dialog); }));

  const macros::LoadedMacro recorded = macros::MacroStore(disk, store).LoadMacro(L"Macro_" + std::to_wstring(position));
  ASSERT_EQ(recorded.items.size(), 3u);
  EXPECT_EQ(recorded.items[0], L"A   Dn");
  EXPECT_EQ(recorded.items[2], L"A   Up");
  const long delay = std::wcstol(recorded.items[1].c_str(), nullptr, 10);
  ASSERT_GT(delay, 0);
  ASSERT_LE(delay, 1270);
  // Loop count 1, the press with the recorded delay, the release with none after it.
  const std::vector<std::uint8_t> block{0x00, 0x01, static_cast<std::uint8_t>(delay / 10), 0x04, 0x80, 0x04, 0x00, 0x00};

  // Button 3 runs the new macro, repeat mode 2, chosen in the macro assignment dialog.
  ::SetForegroundWindow(main);
  ClickAt(main, kAssignmentTitle.x, kAssignmentTitle.y);
  ClickAt(main, kTopView.x, kTopView.y);
  ClickAt(main, kButton3Box.x, kButton3Box.y);
  const HWND functions = WaitForPopupList(main, ui::assignment::kFunctionListId);
  ASSERT_NE(functions, nullptr);
  ClickEntry(functions, kMacroKeyEntry);
  const HWND macroKey = WaitForTopWindow(L"Macro Key", demo.process().pid());
  ASSERT_NE(macroKey, nullptr);
  ClickAt(macroKey, kMacroListBox.x, kMacroListBox.y);
  const HWND offered = WaitForPopupList(macroKey, kMacroKeyList);
  ASSERT_NE(offered, nullptr);
  ASSERT_EQ(::SendMessageW(offered, LB_GETCOUNT, 0, 0), LRESULT(position + 1)) << "the new macro is offered last";
  ClickEntry(offered, static_cast<int>(position));
  ClickAt(macroKey, kRepeatModeTwo.x, kRepeatModeTwo.y);
  ClickAt(macroKey, kMacroKeyOk.x, kMacroKeyOk.y);
  ASSERT_TRUE(WaitFor([&] { return !::IsWindow(macroKey); }));

  demo.ClickMain(kSaveX, kSaveY);
  ASSERT_TRUE(demo.WaitForState(L"Last download: 31 exchanges"));
  const std::wstring state = demo.MouseState();
  const auto blocks = state.find(L"Macro blocks (first 8 bytes):");
  ASSERT_NE(blocks, std::wstring::npos);
  const std::wstring line = state.substr(blocks, state.find(L"\r\n", blocks) - blocks);
  std::size_t at = line.find(L" | ");
  for (std::size_t k = 0; k < position && at != std::wstring::npos; ++k) at = line.find(L" | ", at + 1);
  ASSERT_NE(at, std::wstring::npos);
  EXPECT_EQ(line.substr(at, 3 + 23), L" | " + Hex(block)) << "block " << position;
  // Button 3's key-matrix slot (slot 1) holds the macro code: kind 9, repeat mode, macro number + 1.
  const std::vector<std::uint8_t> code{0x09, 0x02, static_cast<std::uint8_t>(position + 1), 0x00};
  const auto matrix = state.find(L"Key matrix 1: ");
  ASSERT_NE(matrix, std::wstring::npos);
  EXPECT_EQ(state.substr(matrix + 14 + 12, 11), Hex(code));

  const std::string saved = FileBytes(demo.folder() / L"config0.bin");
  ASSERT_EQ(saved.size(), 1840u);
  EXPECT_EQ(saved.substr(kRecord + 303 + 128 * position, block.size()), std::string(block.begin(), block.end()));
  EXPECT_EQ(demo.Exit(), 0u);
}

// Real double clicks: New adds one macro, and Record starts a recording that the second press does not
// stop (which would save an empty sequence over the macro's items).
TEST(DemoMacroManager, DoubleClicksOnNewAndRecordCountOnce) {
  DemoProgram demo;
  ASSERT_TRUE(demo.ready());
  const auto store = demo.folder() / L"record.ini";
  platform::PlatformFileSystem disk;
  const std::vector<std::wstring> names = macros::MacroStore(disk, store).ListMacroNames();
  ASSERT_FALSE(names.empty());
  ASSERT_LT(names.size(), 11u);
  const std::vector<std::wstring> items = macros::MacroStore(disk, store).LoadMacro(names.front()).items;
  ASSERT_FALSE(items.empty()) << "the bundled store's first macro has items";
  if (HWND mouse = ::FindWindowW(L"QuendarSimulatedMouse", nullptr))
    ::SetWindowPos(mouse, nullptr, 0, 880, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  ASSERT_TRUE(demo.Show());

  demo.ClickMain(kMacroManagerX, kMacroManagerY);
  HWND dialog = nullptr;
  HWND macroList = nullptr;
  ASSERT_TRUE(WaitFor([&] {
    dialog = ::FindWindowW(L"#32770", L"Macro Manager");
    macroList = dialog ? ::GetDlgItem(dialog, mm::kMacroListId) : nullptr;
    return macroList != nullptr && ::SendMessageW(macroList, LB_GETCOUNT, 0, 0) == LRESULT(names.size());
  }));
  const HWND sequence = ::GetDlgItem(dialog, mm::kSequenceListId);
  ::SetForegroundWindow(dialog);
  ASSERT_TRUE(WaitFor([&] { return ::GetForegroundWindow() == dialog; }));
  const auto centre = [](const ui::Rect& r) { return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; };

  DoubleClickAt(dialog, centre(mm::kNewRect).x, centre(mm::kNewRect).y);
  // New selects the macro it made; the click on the first entry is handled after both presses.
  ASSERT_TRUE(WaitFor([&] { return ::SendMessageW(macroList, LB_GETCURSEL, 0, 0) == LRESULT(names.size()); }));
  const POINT first = ListEntry(macroList, 0);
  ClickAt(macroList, first.x, first.y);
  ASSERT_TRUE(WaitFor([&] { return ::SendMessageW(macroList, LB_GETCURSEL, 0, 0) == 0; }));
  EXPECT_EQ(::SendMessageW(macroList, LB_GETCOUNT, 0, 0), LRESULT(names.size() + 1)) << "one new macro";
  ASSERT_TRUE(WaitFor([&] { return ::SendMessageW(sequence, LB_GETCOUNT, 0, 0) == LRESULT(items.size()); }));

  DoubleClickAt(dialog, centre(mm::kRecordRect).x, centre(mm::kRecordRect).y);
  Key('A', false);  // recorded only if the recording still runs after the double click
  Key('A', true);
  EXPECT_TRUE(WaitFor([&] { return ::SendMessageW(sequence, LB_GETCOUNT, 0, 0) >= 2; })) << "still recording";
  EXPECT_EQ(macros::MacroStore(disk, store).LoadMacro(names.front()).items, items) << "nothing stored over the items";
  ::PostMessageW(dialog, WM_CLOSE, 0, 0);  // leaves without the recording
  ASSERT_TRUE(WaitFor([&] { return !::IsWindow(dialog); }));
  EXPECT_EQ(macros::MacroStore(disk, store).LoadMacro(names.front()).items, items);
  EXPECT_EQ(demo.Exit(), 0u);
}

}  // namespace
}  // namespace quendar::test
