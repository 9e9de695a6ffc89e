// The in-place list editor on a real list box: it opens with the item's text, holding the pointer and the
// keys; each input ends it, once, and tells its owner once.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <memory>

#include "win32/framework/list_box_editor.h"
#include "win32/framework/unique_handle.h"
#include "wine/harness/program.h"

namespace quendar::test {
namespace {

constexpr UINT kEditEnded = WM_APP + 5;

class ListBoxEditorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    owner_.reset(::CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 300, 300,
                                   nullptr, nullptr, nullptr, nullptr));
    ASSERT_TRUE(owner_.valid());
    list_ = ::CreateWindowExW(0, L"LISTBOX", L"", WS_CHILD | WS_VISIBLE | LBS_NOTIFY, 10, 10, 120, 200, owner_.get(),
                              nullptr, nullptr, nullptr);
    for (const wchar_t* item : {L"Macro_0", L"120 ms", L"A   Up"}) {
      ::SendMessageW(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    }
  }

  // Pumps messages until the owner's notice arrives; counts the notices seen.
  int PumpNotices() {
    int notices = 0;
    WaitFor([&] {
      MSG message;
      while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.hwnd == owner_.get() && message.message == kEditEnded) ++notices;
        ::DispatchMessageW(&message);
      }
      return notices > 0;
    }, 5s);
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.hwnd == owner_.get() && message.message == kEditEnded) ++notices;
      ::DispatchMessageW(&message);
    }
    return notices;
  }

  win32::UniqueWindow owner_;
  HWND list_ = nullptr;
};

TEST_F(ListBoxEditorTest, OpensWithTheItemsTextAndEachInputEndsTheEditOnce) {
  const struct {
    const char* name;
    std::function<void(HWND edit)> act;
    bool commit;
  } cases[] = {
      {"Tab", [](HWND e) { ::SendMessageW(e, WM_KEYDOWN, VK_TAB, 0); }, true},
      {"Enter", [](HWND e) { ::SendMessageW(e, WM_KEYDOWN, VK_RETURN, 0); }, true},
      {"Escape", [](HWND e) { ::SendMessageW(e, WM_KEYDOWN, VK_ESCAPE, 0); }, false},
      {"press outside", [](HWND e) { ::SendMessageW(e, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(-20, 5)); }, true},
      {"focus elsewhere", [this](HWND) { ::SetFocus(list_); }, true},
  };
  EXPECT_EQ(win32::ListBoxEditor::Begin(list_, 3, ui::EditTarget::DelayItem, owner_.get(), kEditEnded), nullptr)
      << "no item 3";
  for (const auto& c : cases) {
    auto editor = win32::ListBoxEditor::Begin(list_, 1, ui::EditTarget::DelayItem, owner_.get(), kEditEnded);
    ASSERT_NE(editor, nullptr) << c.name;
    const HWND edit = editor->hwnd();
    EXPECT_EQ(TextOf(edit), L"120 ms") << "opens with the item's text";
    EXPECT_EQ(::GetCapture(), edit) << c.name;
    EXPECT_EQ(::GetFocus(), edit) << c.name;
    ::SetWindowTextW(edit, L"2 500ms");
    c.act(edit);
    EXPECT_FALSE(::IsWindow(edit)) << c.name;
    EXPECT_NE(::GetCapture(), edit) << c.name;
    editor->End(true);
    EXPECT_EQ(PumpNotices(), 1) << c.name;
    const auto end = editor->TakeEnd();
    ASSERT_TRUE(end) << c.name;
    EXPECT_EQ(*end, (ui::ListEditEnd{1, ui::EditTarget::DelayItem, c.commit, L"2 500ms"})) << c.name;
    EXPECT_FALSE(editor->TakeEnd()) << c.name;
  }
}

}  // namespace
}  // namespace quendar::test
