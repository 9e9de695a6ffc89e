// The macro manager on real windows, run modally on a thread of its own as the program runs it on its
// dialog thread: a click inserted from the context menu, a delay edited in place, and OK handing the built
// table to the profile record; the Chinese dialog's texts.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <cstdlib>
#include <future>
#include <string>
#include <vector>

#include "core/ini/ini_store.h"
#include "core/macros/macro_store.h"
#include "core/profiles/profile_record.h"
#include "core/ui/macro_manager/macro_manager_layout.h"
#include "native/ini/temp_folder.h"
#include "win32/macros/macro_manager_dialog.h"
#include "wine/ui/ui_test_support.h"
#include "wine/macros/macro_test_input.h"
#include "wine/wine_test_support.h"
#include "win32/framework/unique_handle.h"
#include "platform/platform_file_system.h"

namespace quendar::test {
namespace {

namespace mm = ui::macro_manager;

struct Outcome {
  bool ok = false;
  profiles::ProfileRecord record;
};

// One macro manager on its own thread; the test drives it from outside with posted and real input.
class MacroManagerRun {
 public:
  MacroManagerRun(ui::LanguageClass language, std::filesystem::path store)
      : skin_(win32::SkinSettings{SkinFolderForTests(), ui::Color{255, 255, 255}, language}) {
    outcome_ = std::async(std::launch::async, [this, store] {
      thread_ = ::GetCurrentThreadId();
      Outcome outcome;
      outcome.ok = win32::RunMacroManager(::GetModuleHandleW(nullptr), nullptr, skin_, session_, disk_, store, outcome.record);
      return outcome;
    });
    WaitFor([&] { return (window_ = FindDialog()) != nullptr; });
  }
  ~MacroManagerRun() {
    if (!outcome_.valid()) return;
    while (outcome_.wait_for(50ms) != std::future_status::ready) {
      for (const ShownBox& box : MessageBoxesOf(thread_)) ::PostMessageW(box.window, WM_COMMAND, IDOK, 0);
      if (::IsWindow(window_)) ::PostMessageW(window_, WM_CLOSE, 0, 0);
    }
  }

  HWND window() const { return window_; }
  DWORD thread() const { return thread_; }
  HWND Child(int id) const { return ::GetDlgItem(window_, id); }
  Outcome Wait() { return outcome_.get(); }

  void Click(ui::Rect rect) const { test::Click(window_, rect); }
  static void ClickAt(HWND window, POINT at, bool twice = false) {
    const LPARAM where = MAKELPARAM(at.x, at.y);
    ::PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, where);
    ::PostMessageW(window, WM_LBUTTONUP, 0, where);
    if (!twice) return;
    ::PostMessageW(window, WM_LBUTTONDBLCLK, MK_LBUTTON, where);
    ::PostMessageW(window, WM_LBUTTONUP, 0, where);
  }
  // A press on an item of a list box, as the user's pointer would make it.
  void ClickItem(int listId, int index, bool twice = false) const {
    RECT item{};
    ::SendMessageW(Child(listId), LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    ClickAt(Child(listId), {item.left + 5, (item.top + item.bottom) / 2}, twice);
  }

  std::vector<std::wstring> Items(int listId) const {
    std::vector<std::wstring> items;
    const HWND list = Child(listId);
    const auto count = ::SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
      std::wstring text(static_cast<std::size_t>(::SendMessageW(list, LB_GETTEXTLEN, i, 0)) + 1, L'\0');
      text.resize(static_cast<std::size_t>(::SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()))));
      items.push_back(text);
    }
    return items;
  }
  std::wstring Text() const {
    wchar_t text[128]{};
    ::GetWindowTextW(window_, text, 128);
    return text;
  }

  // The context menu the dialog has open, waiting for it to appear.
  HMENU WaitForMenu() const {
    HWND menu = nullptr;
    WaitFor([&] { return (menu = ::FindWindowW(L"#32768", nullptr)) != nullptr && ::IsWindowVisible(menu); });
    return menu == nullptr ? nullptr : reinterpret_cast<HMENU>(::SendMessageW(menu, MN_GETHMENU, 0, 0));
  }
  static void MenuKeys(std::initializer_list<WPARAM> keys) {
    HWND menu = ::FindWindowW(L"#32768", nullptr);
    for (WPARAM key : keys) ::PostMessageW(menu, WM_KEYDOWN, key, 0);
  }
  void OpenContextMenu() const {
    const HWND list = Child(mm::kSequenceListId);
    ::PostMessageW(list, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(10, 10));
    ::PostMessageW(list, WM_RBUTTONUP, 0, MAKELPARAM(10, 10));
  }

  // Optional pause so that a screenshot of the screen can be taken from outside.
  static void PauseForScreenshot() {
    if (const char* pause = std::getenv("QUENDAR_TEST_SCREENSHOT_PAUSE_MS")) ::Sleep(std::atoi(pause));
  }

 private:
  HWND FindDialog() const { return ::FindWindowW(L"#32770", L"Macro Manager"); }

  win32::Skin skin_;
  macros::MacroSession session_;
  platform::PlatformFileSystem disk_;
  std::atomic<DWORD> thread_{0};
  HWND window_ = nullptr;
  std::future<Outcome> outcome_;
};

TEST(MacroManagerDialog, InsertsAClickEditsADelayAndHandsOverTheTable) {
  platform::PlatformFileSystem disk;
  // Recording from real keystrokes is the demo program's macro test; here the macro is in the store.
  quendar::testing::TempFolder folder;
  const std::vector<ini::KeyValue> macro{{L"DelayTimeSelStatus", L"1"}, {L"LoopTimeSelStatus", L"1"},
                                        {L"MacroLoopTimes", L"1"},     {L"ItemCount", L"3"},
                                        {L"Item0", L"A   Dn"},         {L"Item1", L"120 ms"},
                                        {L"Item2", L"A   Up"}};
  ASSERT_FALSE(ini::WriteStrings(disk, folder / "record.ini", L"Macro_0", macro).failed());
  MacroManagerRun run(ui::LanguageClass::English, folder / "record.ini");
  ASSERT_NE(run.window(), nullptr);
  EXPECT_EQ(run.Text(), L"Macro Manager");
  ASSERT_TRUE(WaitFor([&] { return run.Items(mm::kMacroListId) == std::vector<std::wstring>{L"Macro_0"}; }));
  run.ClickItem(mm::kMacroListId, 0);
  ASSERT_TRUE(WaitFor([&] { return run.Items(mm::kSequenceListId).size() == 3; }));
  run.PauseForScreenshot();

  // The menu inserts a left-button click after the selected press of A.
  run.ClickItem(mm::kSequenceListId, 0);
  run.OpenContextMenu();
  ASSERT_NE(run.WaitForMenu(), nullptr);
  run.PauseForScreenshot();
  MacroManagerRun::MenuKeys({VK_DOWN, VK_DOWN, VK_RETURN});
  ASSERT_TRUE(WaitFor([&] { return run.Items(mm::kSequenceListId).size() == 5; }));
  const std::vector<std::wstring> items = run.Items(mm::kSequenceListId);
  EXPECT_EQ(items[1], L"L-Button   Dn");
  EXPECT_EQ(items[2], L"L-Button   Up");

  // A double click on the delay after the click opens the editor over it; Tab commits.
  run.ClickItem(mm::kSequenceListId, 3, true);
  HWND editor = nullptr;
  ASSERT_TRUE(WaitFor([&] {
    return (editor = ::FindWindowExW(run.Child(mm::kSequenceListId), nullptr, L"Edit", nullptr)) != nullptr;
  }));
  ::SendMessageW(editor, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"2 500ms"));
  run.PauseForScreenshot();
  ::PostMessageW(editor, WM_KEYDOWN, VK_TAB, 0);
  ASSERT_TRUE(WaitFor([&] { return run.Items(mm::kSequenceListId)[3] == L"2500 ms"; }));

  // While another program holds the store without sharing, OK stores nothing, says so naming the file,
  // and keeps the dialog open with the edits; the store keeps every section it had.
  const std::string stored = FileBytes(folder / "record.ini");
  {
    win32::UniqueFileHandle held(
        ::CreateFileW((folder / "record.ini").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_NE(held.get(), INVALID_HANDLE_VALUE);
    run.Click(mm::kOkRect);
    ShownBox refused{};
    ASSERT_TRUE(WaitFor([&] {
      for (const ShownBox& box : MessageBoxesOf(run.thread())) {
        if (box.text.find(L"record.ini") != std::wstring::npos) refused = box;
      }
      return refused.window != nullptr;
    }));
    EXPECT_TRUE(::IsWindow(run.window())) << "the dialog stays open";
    ::PostMessageW(refused.window, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitFor([&] { return !::IsWindow(refused.window); }));
  }
  EXPECT_EQ(FileBytes(folder / "record.ini"), stored);
  EXPECT_EQ(run.Items(mm::kSequenceListId).size(), 5u);

  run.Click(mm::kOkRect);
  const Outcome outcome = run.Wait();
  ASSERT_TRUE(outcome.ok);
  const auto table = outcome.record.Field(profiles::field::kMacroTable);
  // Loop count 1; press of A (the next item is no delay: 0 ms); the click, whose release waits 2500 ms
  // (25 hundreds in a long-delay slot).
  const std::vector<std::uint8_t> head{0x00, 0x01, 0x00, 0x04, 0x00, 0xF0, 0x80, 0xF0, 25, 0x03};
  EXPECT_EQ(std::vector<std::uint8_t>(table.begin(), table.begin() + 10), head);
  EXPECT_EQ(macros::MacroStore(disk, folder / "record.ini").LoadMacro(L"Macro_0").items.size(), 5u);
}

TEST(MacroManagerDialog, SpeaksSimplifiedChinese) {
  quendar::testing::TempFolder folder;
  MacroManagerRun run(ui::LanguageClass::SimplifiedChinese, folder / "record.ini");
  ASSERT_NE(run.window(), nullptr);
  run.Click(mm::kNewRect);
  ASSERT_TRUE(WaitFor([&] { return run.Items(mm::kMacroListId) == std::vector<std::wstring>{L"宏_0"}; }));
  run.OpenContextMenu();
  const HMENU menu = run.WaitForMenu();
  ASSERT_NE(menu, nullptr);
  std::vector<std::wstring> texts;
  for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
    wchar_t text[64]{};
    ::GetMenuStringW(menu, static_cast<UINT>(i), text, 64, MF_BYPOSITION);
    texts.push_back(text);
  }
  EXPECT_EQ(texts, (std::vector<std::wstring>{L"刪除", L"插入鼠标左键", L"插入鼠标中键", L"插入鼠标右键", L"插入延时"}));
  run.PauseForScreenshot();
  MacroManagerRun::MenuKeys({VK_ESCAPE});
  run.Click(mm::kCancelRect);
  EXPECT_FALSE(run.Wait().ok);
}

}  // namespace
}  // namespace quendar::test
