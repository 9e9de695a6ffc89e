// Skinned dialogs on real windows, each run modally on a thread of its own as the program runs them on its
// dialog thread: a missing background shows "error" once and the dialog still closes from its close
// button; a missing button image shows "LoadPng---Load image failed." once however often the dialog
// paints; Enter and Escape do not end a dialog; a dialog opened from another's handler nests.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <functional>
#include <future>
#include <string>
#include <vector>

#include "core/ui/skin_manifest.h"
#include "win32/framework/gdiplus_session.h"
#include "win32/ui/skinned_dialog.h"
#include "wine/harness/input.h"
#include "wine/harness/screen.h"

namespace quendar::test {
namespace {

constexpr int kOkId = 1;
constexpr int kCloseId = 2;
constexpr ui::Rect kOkButton = ui::Rect::At({100, 100}, {57, 30});
constexpr ui::Rect kCloseButton = ui::Rect::At({240, 8}, {18, 18});
constexpr wchar_t kErrorCaption[] = L"Single Dialog Load background image failed!!!";

win32::SkinnedDialogLayout Layout(std::string background, std::string okNormal = "/MacroManagement/button-new-normal.png") {
  return {ui::DialogKind::SingleKeyCapture,
          L"Test dialog",
          0,
          std::move(background),
          kErrorCaption,
          {{kOkId, kOkButton, std::move(okNormal), "/MacroManagement/button-new-over.png", L"OK"},
           {kCloseId, kCloseButton, "/button-close-normal.png", "/button-close-over.png", L""}},
          {}};
}

class TestDialog : public win32::SkinnedDialog {
 public:
  TestDialog(win32::Skin& skin, win32::SkinnedDialogLayout layout, std::atomic<HWND>& window)
      : SkinnedDialog(skin, std::move(layout)), window_(window) {}
  std::function<void(TestDialog&)> onOk;
  bool skinnedInit = false;
  using SkinnedDialog::skin;

 private:
  win32::MessageResult OnOtherMessage(UINT message, WPARAM, LPARAM) override {
    if (message == WM_INITDIALOG) window_ = hwnd();
    return std::nullopt;
  }
  void OnSkinnedInit() override { skinnedInit = true; }
  void OnImageButton(int id) override {
    if (id == kOkId && onOk) return onOk(*this);
    Close(id);
  }
  std::atomic<HWND>& window_;
};

struct Ended {
  INT_PTR result = -1;
  bool skinnedInit = false;
};

struct DialogRun {
  win32::Skin skin{win32::SkinSettings{SkinFolder()}};
  std::atomic<HWND> window{nullptr};
  std::atomic<DWORD> thread{0};
  std::future<Ended> ended;

  explicit DialogRun(win32::SkinnedDialogLayout layout, std::function<void(TestDialog&)> onOk = {}) {
    ended = std::async(std::launch::async, [this, layout = std::move(layout), onOk]() mutable {
      thread = ::GetCurrentThreadId();
      TestDialog dialog(skin, std::move(layout), window);
      dialog.onOk = onOk;
      const INT_PTR result = dialog.RunModal(::GetModuleHandleW(nullptr), nullptr);
      return Ended{result, dialog.skinnedInit};
    });
  }
  ~DialogRun() {
    // Never leave a thread stuck in a box: close what is left and wait for the dialog to end.
    if (!ended.valid()) return;
    while (ended.wait_for(50ms) != std::future_status::ready) {
      for (const ShownBox& box : MessageBoxesOf(thread)) ::PostMessageW(box.window, WM_COMMAND, IDOK, 0);
      if (HWND w = window.load(); w != nullptr && ::IsWindow(w)) ::PostMessageW(w, WM_CLOSE, 0, 0);
    }
  }
};

// Waits for the thread's one box, checks and closes it.
void ExpectOneBox(DWORD thread, const std::wstring& caption, const std::wstring& text) {
  ASSERT_TRUE(WaitFor([&] { return !MessageBoxesOf(thread).empty(); })) << "no message box";
  const std::vector<ShownBox> boxes = MessageBoxesOf(thread);
  ASSERT_EQ(boxes.size(), 1u);
  if (!caption.empty()) EXPECT_EQ(boxes[0].caption, caption);
  EXPECT_EQ(boxes[0].text, text);
  ::PostMessageW(boxes[0].window, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(WaitFor([&] { return MessageBoxesOf(thread).empty(); }));
}

// Repaints the whole dialog a few times (each paint finishes before RedrawWindow returns), then clicks
// its close button. Returns the texts of any box that came up before the dialog ended.
std::vector<std::wstring> RepaintThenClose(DialogRun& run) {
  for (int i = 0; i < 3; ++i) ::RedrawWindow(run.window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  PostClick(run.window, kCloseButton);
  std::vector<std::wstring> extra;
  WaitFor([&] {
    for (const ShownBox& box : MessageBoxesOf(run.thread)) {
      extra.push_back(box.text);
      ::SendMessageW(box.window, WM_COMMAND, IDOK, 0);
    }
    return run.ended.wait_for(0ms) == std::future_status::ready;
  });
  return extra;
}

struct SkinnedDialogTest : ::testing::Test {
  win32::GdiplusSession gdiplus;
};

// A missing background says "error" once and leaves a dialog just big enough for its buttons, with no
// controls and no hook; a missing button image is reported once however often the dialog paints. Either
// way the close button still ends the dialog.
TEST_F(SkinnedDialogTest, AMissingImageIsReportedOnceAndTheCloseButtonStillWorks) {
  const struct {
    const char* background;
    const char* okImage;
    const wchar_t* caption;
    const wchar_t* text;
    ui::Size size;
    bool skinnedInit;
  } cases[] = {
      {"/no-such-background.png", "/MacroManagement/button-new-normal.png", kErrorCaption, L"error",
       {kCloseButton.right + 8, kOkButton.bottom + 8}, false},
      {"/single-key.png", "/no-such-button.png", L"", L"LoadPng---Load image failed.", ui::skin::kSingleKeyDialog.size,
       true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.background);
    DialogRun run(Layout(c.background, c.okImage));
    ASSERT_TRUE(WaitFor([&] { return run.window.load() != nullptr; }));
    ExpectOneBox(run.thread, c.caption, c.text);
    RECT client{};
    ::GetClientRect(run.window, &client);
    EXPECT_EQ(ui::Size(client.right, client.bottom), c.size);
    EXPECT_EQ(RepaintThenClose(run), std::vector<std::wstring>{});
    const Ended ended = run.ended.get();
    EXPECT_EQ(ended.result, kCloseId);
    EXPECT_EQ(ended.skinnedInit, c.skinnedInit);
  }
}

TEST_F(SkinnedDialogTest, EnterAndEscapeDoNotEndItAndANestedDialogDisablesItsOwnerUntilItEnds) {
  std::atomic<HWND> nestedWindow{nullptr};
  std::atomic<INT_PTR> nestedResult{-1};
  DialogRun run(Layout("/single-key.png"), [&](TestDialog& owner) {
    TestDialog nested(owner.skin(), Layout("/single-key.png"), nestedWindow);
    nestedResult = nested.RunModal(::GetModuleHandleW(nullptr), owner.hwnd());
  });
  ASSERT_TRUE(WaitFor([&] { return run.window.load() != nullptr; }));
  HWND outer = run.window;
  ::PostMessageW(outer, WM_KEYDOWN, VK_RETURN, 0);
  ::PostMessageW(outer, WM_KEYDOWN, VK_ESCAPE, 0);
  ::PostMessageW(outer, WM_COMMAND, IDCANCEL, 0);

  PostClick(outer, kOkButton);
  ASSERT_TRUE(WaitFor([&] { return nestedWindow.load() != nullptr; }));
  HWND inner = nestedWindow;
  EXPECT_TRUE(WaitFor([&] { return !::IsWindowEnabled(outer); })) << "the owner waits for the nested dialog";
  ::PostMessageW(inner, WM_KEYDOWN, VK_ESCAPE, 0);
  PostClick(inner, kCloseButton);
  // The result is stored after the nested loop has destroyed its window: wait for the store itself.
  ASSERT_TRUE(WaitFor([&] { return nestedResult.load() != -1; })) << "the nested dialog did not end";
  EXPECT_FALSE(::IsWindow(inner));
  EXPECT_EQ(nestedResult.load(), kCloseId);
  EXPECT_TRUE(::IsWindowEnabled(outer));
  EXPECT_EQ(run.ended.wait_for(0ms), std::future_status::timeout) << "Enter, Escape and IDCANCEL ended the dialog";

  PostClick(outer, kCloseButton);
  ASSERT_EQ(run.ended.wait_for(15s), std::future_status::ready);
  EXPECT_EQ(run.ended.get().result, kCloseId);
}

// The real pointer over the window, and the move the platform would report for it.
void HoverAt(HWND window, ui::Point client) {
  POINT screen{client.x, client.y};
  ::ClientToScreen(window, &screen);
  ::SetCursorPos(screen.x, screen.y);
  ::PostMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(client.x, client.y));
}

TEST_F(SkinnedDialogTest, PointedAtButtonsLightAfterTheHoverNoticeAndGoBackOnLeavingThem) {
  DialogRun run(Layout("/single-key.png"));
  ASSERT_TRUE(WaitFor([&] { return run.window.load() != nullptr && ::IsWindowVisible(run.window); }));
  HWND window = run.window;
  HoverAt(window, {370, 280});  // on the background, off both buttons
  ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  const auto okNormal = ScreenPixels(window, kOkButton);
  const auto closeNormal = ScreenPixels(window, kCloseButton);

  HoverAt(window, {kOkButton.left + 20, kOkButton.top + 15});
  EXPECT_TRUE(WaitFor([&] { return ScreenPixels(window, kOkButton) != okNormal; }, 5s)) << "OK never lit";
  HoverAt(window, {kCloseButton.left + 9, kCloseButton.top + 9});
  EXPECT_TRUE(WaitFor([&] {
    return ScreenPixels(window, kCloseButton) != closeNormal && ScreenPixels(window, kOkButton) == okNormal;
  }, 5s)) << "the hover did not move from OK to close";

  // The pointer leaves the window straight from the button.
  RECT frame{};
  ::GetWindowRect(window, &frame);
  ::SetCursorPos(frame.right + 40, frame.bottom + 40);
  EXPECT_TRUE(WaitFor([&] { return ScreenPixels(window, kCloseButton) == closeNormal; }, 5s))
      << "close stayed lit after the pointer left";
  PostClick(window, kCloseButton);
}

}  // namespace
}  // namespace quendar::test
