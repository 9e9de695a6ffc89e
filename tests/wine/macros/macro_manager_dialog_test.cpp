// The macro manager on real windows, run modally on a thread of its own as the program runs it: a click
// inserted from the context menu, a delay edited in place, a store held by another program refused with
// the dialog kept open, and OK handing the built table to the profile record.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <future>
#include <string>
#include <vector>

#include "core/ini/ini_store.h"
#include "core/macros/macro_store.h"
#include "core/profiles/profile_record.h"
#include "core/ui/macro_manager/macro_manager_layout.h"
#include "native/ini/temp_folder.h"
#include "platform/platform_file_system.h"
#include "win32/macros/macro_manager_dialog.h"
#include "wine/harness/input.h"

namespace quendar::test {
namespace {

namespace mm = ui::macro_manager;

struct Outcome {
  bool ok = false;
  profiles::ProfileRecord record;
};

TEST(MacroManagerDialog, InsertsAClickEditsADelayRefusesAHeldStoreAndHandsOverTheTable) {
  platform::PlatformFileSystem disk;
  quendar::testing::TempFolder folder;
  const auto store = folder / "record.ini";
  const std::vector<ini::KeyValue> macro{{L"DelayTimeSelStatus", L"1"}, {L"LoopTimeSelStatus", L"1"},
                                        {L"MacroLoopTimes", L"1"},     {L"ItemCount", L"3"},
                                        {L"Item0", L"A   Dn"},         {L"Item1", L"120 ms"},
                                        {L"Item2", L"A   Up"}};
  ASSERT_FALSE(ini::WriteStrings(disk, store, L"Macro_0", macro).failed());
  win32::Skin skin(win32::SkinSettings{SkinFolder(), ui::Color{255, 255, 255}, ui::LanguageClass::English});
  macros::MacroSession session;
  std::atomic<DWORD> thread{0};
  auto outcome = std::async(std::launch::async, [&] {
    thread = ::GetCurrentThreadId();
    Outcome result;
    result.ok = win32::RunMacroManager(::GetModuleHandleW(nullptr), nullptr, skin, session, disk, store, result.record);
    return result;
  });
  HWND dialog = nullptr;
  // Whatever a failed step leaves open is closed, so the dialog's thread always ends.
  struct CloseLeftovers {
    std::future<Outcome>& outcome;
    std::atomic<DWORD>& thread;
    HWND& dialog;
    ~CloseLeftovers() {
      while (outcome.valid() && outcome.wait_for(50ms) != std::future_status::ready) {
        for (const ShownBox& box : MessageBoxesOf(thread)) ::PostMessageW(box.window, WM_COMMAND, IDOK, 0);
        if (HWND menu = ::FindWindowW(L"#32768", nullptr)) PostKey(menu, VK_ESCAPE);
        if (::IsWindow(dialog)) ::PostMessageW(dialog, WM_CLOSE, 0, 0);
      }
    }
  } closer{outcome, thread, dialog};
  HWND macroList = nullptr;
  ASSERT_TRUE(WaitFor([&] {
    dialog = ::FindWindowW(L"#32770", L"Macro Manager");
    macroList = ::GetDlgItem(dialog, mm::kMacroListId);
    return ListItems(macroList) == std::vector<std::wstring>{L"Macro_0"};
  }));
  const HWND sequence = ::GetDlgItem(dialog, mm::kSequenceListId);
  PostClick(macroList, ListEntry(macroList, 0));
  ASSERT_TRUE(WaitFor([&] { return ListItems(sequence).size() == 3; }));

  // The menu inserts a left-button click after the selected press of A.
  PostClick(sequence, ListEntry(sequence, 0));
  PostClick(sequence, POINT{10, 10}, /*right=*/true);
  HWND menu = nullptr;
  ASSERT_TRUE(WaitFor([&] { return (menu = ::FindWindowW(L"#32768", nullptr)) != nullptr && ::IsWindowVisible(menu); }));
  for (WPARAM key : {VK_DOWN, VK_DOWN, VK_RETURN}) ::PostMessageW(menu, WM_KEYDOWN, key, 0);
  ASSERT_TRUE(WaitFor([&] { return ListItems(sequence).size() == 5; }));
  EXPECT_EQ(ListItems(sequence)[1], L"L-Button   Dn");
  EXPECT_EQ(ListItems(sequence)[2], L"L-Button   Up");

  // A double click on the delay after the click opens the editor over it; Tab commits.
  const POINT delay = ListEntry(sequence, 3);
  PostClick(sequence, delay);
  ::PostMessageW(sequence, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(delay.x, delay.y));
  ::PostMessageW(sequence, WM_LBUTTONUP, 0, MAKELPARAM(delay.x, delay.y));
  HWND editor = nullptr;
  ASSERT_TRUE(WaitFor([&] { return (editor = ::FindWindowExW(sequence, nullptr, L"Edit", nullptr)) != nullptr; }));
  ::SendMessageW(editor, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"2 500ms"));
  ::PostMessageW(editor, WM_KEYDOWN, VK_TAB, 0);
  ASSERT_TRUE(WaitFor([&] { return ListItems(sequence)[3] == L"2500 ms"; }));

  // While another program holds the store without sharing, OK stores nothing, says so naming the file,
  // and keeps the dialog open with the edits; the store keeps every section it had.
  const std::string stored = FileBytes(store);
  {
    win32::UniqueFileHandle held(::CreateFileW(store.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_NE(held.get(), INVALID_HANDLE_VALUE);
    PostClick(dialog, mm::kOkRect);
    HWND refused = nullptr;
    ASSERT_TRUE(WaitFor([&] {
      for (const ShownBox& box : MessageBoxesOf(thread)) {
        if (box.text.find(L"record.ini") != std::wstring::npos) refused = box.window;
      }
      return refused != nullptr;
    }));
    EXPECT_TRUE(::IsWindow(dialog)) << "the dialog stays open";
    ASSERT_TRUE(Dismiss(refused));
  }
  EXPECT_EQ(FileBytes(store), stored);
  EXPECT_EQ(ListItems(sequence).size(), 5u);

  PostClick(dialog, mm::kOkRect);
  const Outcome result = outcome.get();
  ASSERT_TRUE(result.ok);
  const auto table = result.record.Field(profiles::field::kMacroTable);
  // Loop count 1; press of A (the next item is no delay: 0 ms); the click, whose release waits 2500 ms
  // (25 hundreds in a long-delay slot).
  const std::vector<std::uint8_t> head{0x00, 0x01, 0x00, 0x04, 0x00, 0xF0, 0x80, 0xF0, 25, 0x03};
  EXPECT_EQ(std::vector<std::uint8_t>(table.begin(), table.begin() + 10), head);
  EXPECT_EQ(macros::MacroStore(disk, store).LoadMacro(L"Macro_0").items.size(), 5u);
}

}  // namespace
}  // namespace quendar::test
