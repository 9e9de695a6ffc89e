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

#include "win32/framework/gdiplus_session.h"
#include "win32/ui/skinned_dialog.h"
#include "win32/ui/dib.h"
#include "wine/ui/ui_test_support.h"
#include "wine/wine_test_support.h"

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
  win32::Skin skin{win32::SkinSettings{SkinFolderForTests()}};
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

void Click(HWND window, ui::Rect rect) {
  const LPARAM at = MAKELPARAM(rect.left + rect.Width() / 2, rect.top + rect.Height() / 2);
  ::PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
  ::PostMessageW(window, WM_LBUTTONUP, 0, at);
}

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
  Click(run.window, kCloseButton);
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

TEST_F(SkinnedDialogTest, MissingBackgroundShowsErrorOnceAndTheCloseButtonStillWorks) {
  DialogRun run(Layout("/no-such-background.png"));
  ASSERT_TRUE(WaitFor([&] { return run.window.load() != nullptr; }));
  ExpectOneBox(run.thread, kErrorCaption, L"error");
  RECT client{};
  ::GetClientRect(run.window, &client);
  EXPECT_EQ(client.right, kCloseButton.right + 8) << "wide enough for the close button";
  EXPECT_EQ(client.bottom, kOkButton.bottom + 8);

  EXPECT_EQ(RepaintThenClose(run), std::vector<std::wstring>{});
  const Ended ended = run.ended.get();
  EXPECT_EQ(ended.result, kCloseId);
  EXPECT_FALSE(ended.skinnedInit) << "no controls and no hook without a background";
}

TEST_F(SkinnedDialogTest, MissingButtonImageIsReportedOncePerWindow) {
  DialogRun run(Layout("/single-key.png", "/no-such-button.png"));
  ASSERT_TRUE(WaitFor([&] { return run.window.load() != nullptr; }));
  ExpectOneBox(run.thread, L"", L"LoadPng---Load image failed.");
  RECT client{};
  ::GetClientRect(run.window, &client);
  EXPECT_EQ(ui::Size(client.right, client.bottom), ui::skin::kSingleKeyDialog.size) << "the background's size";

  EXPECT_EQ(RepaintThenClose(run), std::vector<std::wstring>{});
  const Ended ended = run.ended.get();
  EXPECT_EQ(ended.result, kCloseId);
  EXPECT_TRUE(ended.skinnedInit);
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

  Click(outer, kOkButton);
  ASSERT_TRUE(WaitFor([&] { return nestedWindow.load() != nullptr; }));
  HWND inner = nestedWindow;
  EXPECT_TRUE(WaitFor([&] { return !::IsWindowEnabled(outer); })) << "the owner waits for the nested dialog";
  ::PostMessageW(inner, WM_KEYDOWN, VK_ESCAPE, 0);
  Click(inner, kCloseButton);
  // The result is stored after the nested loop has destroyed its window: wait for the store itself.
  ASSERT_TRUE(WaitFor([&] { return nestedResult.load() != -1; })) << "the nested dialog did not end";
  EXPECT_FALSE(::IsWindow(inner));
  EXPECT_EQ(nestedResult.load(), kCloseId);
  EXPECT_TRUE(::IsWindowEnabled(outer));
  EXPECT_EQ(run.ended.wait_for(0ms), std::future_status::timeout) << "Enter, Escape and IDCANCEL ended the dialog";

  Click(outer, kCloseButton);
  ASSERT_EQ(run.ended.wait_for(15s), std::future_status::ready);
  EXPECT_EQ(run.ended.get().result, kCloseId);
}

// The pixels of a client rectangle as the screen shows them.
std::vector<std::uint32_t> ScreenPixels(HWND window, ui::Rect rect) {
  POINT origin{rect.left, rect.top};
  ::ClientToScreen(window, &origin);
  win32::Dib32 copy({rect.Width(), rect.Height()});
  win32::WindowDc screen(nullptr);
  win32::UniqueMemoryDc memory(::CreateCompatibleDC(screen.get()));
  {
    win32::ScopedSelectObject select(memory.get(), copy.handle());
    ::BitBlt(memory.get(), 0, 0, rect.Width(), rect.Height(), screen.get(), origin.x, origin.y, SRCCOPY);
  }
  ::GdiFlush();
  std::vector<std::uint32_t> pixels(copy.pixels().begin(), copy.pixels().end());
  for (std::uint32_t& p : pixels) p &= 0xFFFFFF;
  return pixels;
}

// The real pointer over the window, and the move the platform would report for it.
void PointAt(HWND window, ui::Point client) {
  POINT screen{client.x, client.y};
  ::ClientToScreen(window, &screen);
  ::SetCursorPos(screen.x, screen.y);
  ::PostMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(client.x, client.y));
}

TEST_F(SkinnedDialogTest, PointedAtButtonsLightAfterTheHoverNoticeAndGoBackOnLeavingThem) {
  DialogRun run(Layout("/single-key.png"));
  ASSERT_TRUE(WaitFor([&] { return run.window.load() != nullptr && ::IsWindowVisible(run.window); }));
  HWND window = run.window;
  PointAt(window, {370, 280});  // on the background, off both buttons
  ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  const auto okNormal = ScreenPixels(window, kOkButton);
  const auto closeNormal = ScreenPixels(window, kCloseButton);

  PointAt(window, {kOkButton.left + 20, kOkButton.top + 15});
  EXPECT_TRUE(WaitFor([&] { return ScreenPixels(window, kOkButton) != okNormal; }, 5s)) << "OK never lit";
  PointAt(window, {kCloseButton.left + 9, kCloseButton.top + 9});
  EXPECT_TRUE(WaitFor([&] {
    return ScreenPixels(window, kCloseButton) != closeNormal && ScreenPixels(window, kOkButton) == okNormal;
  }, 5s)) << "the hover did not move from OK to close";

  // The pointer leaves the window straight from the button.
  RECT frame{};
  ::GetWindowRect(window, &frame);
  ::SetCursorPos(frame.right + 40, frame.bottom + 40);
  EXPECT_TRUE(WaitFor([&] { return ScreenPixels(window, kCloseButton) == closeNormal; }, 5s))
      << "close stayed lit after the pointer left";
  Click(window, kCloseButton);
}

}  // namespace
}  // namespace quendar::test
