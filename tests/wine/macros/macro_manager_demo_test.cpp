// The macro manager in the program on the simulated mouse: a macro recorded from real keystrokes goes into
// the profile on OK and "Save" sends its block to the mouse and the profile file; real double clicks on
// New and Record count once.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "core/macros/macro_store.h"
#include "core/ui/macro_manager/macro_manager_layout.h"
#include "platform/platform_file_system.h"
#include "wine/harness/demo_program.h"
#include "wine/harness/input.h"

namespace quendar::test {
namespace {

namespace mm = ui::macro_manager;

constexpr POINT kMacroManagerTitle{141, 151};  // sections closed
constexpr int kSaveX = 950, kSaveY = 620;
constexpr std::size_t kRecord = 1;  // the flag byte comes first in a profile file

struct MacroManagerInDemo {
  platform::PlatformFileSystem disk;
  DemoProgram demo;
  std::filesystem::path store = demo.folder() / L"record.ini";
  std::vector<std::wstring> names;
  HWND dialog = nullptr, macroList = nullptr, sequence = nullptr;

  // Opens the manager from the main window and waits for it to list the stored macros.
  bool Open() {
    names = macros::MacroStore(disk, store).ListMacroNames();
    if (!demo.ready() || !demo.WaitForState(L"Plugged in") || !demo.Show()) return false;
    demo.ClickMain(kMacroManagerTitle.x, kMacroManagerTitle.y);
    const bool listed = WaitFor([&] {
      dialog = ::FindWindowW(L"#32770", L"Macro Manager");
      macroList = dialog ? ::GetDlgItem(dialog, mm::kMacroListId) : nullptr;
      return macroList != nullptr && ListItems(macroList) == names;
    });
    sequence = ::GetDlgItem(dialog, mm::kSequenceListId);
    ::SetForegroundWindow(dialog);
    return listed && WaitFor([&] { return ::GetForegroundWindow() == dialog; });
  }
  LRESULT Ask(HWND list, UINT message) const { return ::SendMessageW(list, message, 0, 0); }
  // The recording has taken the A press and release: real input is handled in order, so every press
  // sent before the keys has been handled too.
  bool RecordedA() const {
    return WaitFor([&] {
      const auto items = ListItems(sequence);
      return items.size() >= 2 && items.front() == L"A   Dn" && items.back() == L"A   Up";
    });
  }
};

TEST(DemoMacroManager, RecordedMacroReachesTheMouseOnSave) {
  MacroManagerInDemo run;
  ASSERT_TRUE(run.Open());
  const std::size_t position = run.names.size();  // where New puts it
  ASSERT_LT(position, 12u);
  PostClick(run.dialog, mm::kNewRect);
  ASSERT_TRUE(WaitFor([&] { return run.Ask(run.macroList, LB_GETCOUNT) == LRESULT(position + 1); }));
  // The delay tick box stays as the first macro of the bundled store left it: set.
  PostClick(run.dialog, mm::kRecordRect);
  ASSERT_TRUE(WaitFor([&] { return ::GetWindowTextLengthW(run.dialog) > 20; })) << "recording";
  PressKey('A');
  ASSERT_TRUE(run.RecordedA());
  PostClick(run.dialog, mm::kRecordRect);
  PostClick(run.dialog, mm::kOkRect);
  ASSERT_TRUE(WaitFor([&] { return !::IsWindow(run.dialog); }));

  const auto recorded = macros::MacroStore(run.disk, run.store).LoadMacro(L"Macro_" + std::to_wstring(position)).items;
  ASSERT_EQ(recorded.size(), 3u);
  const long delay = std::wcstol(recorded[1].c_str(), nullptr, 10);
  ASSERT_LT(delay, 1270);
  // Loop count 1, the press with the recorded delay, the release with none after it.
  const std::vector<std::uint8_t> block{0x00, 0x01, static_cast<std::uint8_t>(delay / 10), 0x04, 0x80, 0x04, 0x00, 0x00};

  run.demo.ClickMain(kSaveX, kSaveY);
  ASSERT_TRUE(run.demo.WaitForState(L"Last download: 31 exchanges"));
  const std::wstring state = run.demo.MouseState();
  const auto blocks = state.find(L"Macro blocks (first 8 bytes):");
  ASSERT_NE(blocks, std::wstring::npos);
  const std::wstring line = state.substr(blocks, state.find(L"\r\n", blocks) - blocks);
  std::size_t at = line.find(L" | ");
  for (std::size_t k = 0; k < position && at != std::wstring::npos; ++k) at = line.find(L" | ", at + 1);
  ASSERT_NE(at, std::wstring::npos);
  EXPECT_EQ(line.substr(at, 3 + 23), L" | " + Hex(block)) << "block " << position;
  const std::string saved = FileBytes(run.demo.folder() / L"config0.bin");
  ASSERT_EQ(saved.size(), 1840u);
  EXPECT_EQ(saved.substr(kRecord + 303 + 128 * position, block.size()), std::string(block.begin(), block.end()));
  EXPECT_EQ(run.demo.Exit(), 0u);
}

// Real double clicks: New adds one macro, and Record starts a recording that the second press does not
// stop (which would save an empty sequence over the macro's items).
TEST(DemoMacroManager, DoubleClicksOnNewAndRecordCountOnce) {
  MacroManagerInDemo run;
  ASSERT_TRUE(run.Open());
  ASSERT_FALSE(run.names.empty());
  ASSERT_LT(run.names.size(), 11u);
  const std::vector<std::wstring> items = macros::MacroStore(run.disk, run.store).LoadMacro(run.names.front()).items;
  ASSERT_FALSE(items.empty()) << "the bundled store's first macro has items";

  DoubleClickAt(run.dialog, Centre(mm::kNewRect));
  // New selects the macro it made; the click on the first entry is handled after both presses.
  ASSERT_TRUE(WaitFor([&] { return run.Ask(run.macroList, LB_GETCURSEL) == LRESULT(run.names.size()); }));
  ClickEntry(run.macroList, 0);
  ASSERT_TRUE(WaitFor([&] { return run.Ask(run.macroList, LB_GETCURSEL) == 0; }));
  EXPECT_EQ(run.Ask(run.macroList, LB_GETCOUNT), LRESULT(run.names.size() + 1)) << "one new macro";
  ASSERT_TRUE(WaitFor([&] { return ListItems(run.sequence) == items; }));

  DoubleClickAt(run.dialog, Centre(mm::kRecordRect));
  PressKey('A');  // recorded only if the recording still runs after the double click
  // Until the keys are recorded the presses may still be queued: a close posted before them would let
  // them fall on the main window beneath.
  EXPECT_TRUE(run.RecordedA()) << "still recording";
  EXPECT_EQ(macros::MacroStore(run.disk, run.store).LoadMacro(run.names.front()).items, items)
      << "nothing stored over the items";
  ::PostMessageW(run.dialog, WM_CLOSE, 0, 0);  // leaves without the recording
  ASSERT_TRUE(WaitFor([&] { return !::IsWindow(run.dialog); }));
  EXPECT_EQ(macros::MacroStore(run.disk, run.store).LoadMacro(run.names.front()).items, items);
  EXPECT_EQ(run.demo.Exit(), 0u);
}

}  // namespace
}  // namespace quendar::test
