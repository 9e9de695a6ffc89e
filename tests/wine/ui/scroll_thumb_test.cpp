// The scroll thumb on a real window: it follows the pointer while held (a double click holds it too), tells
// its parent every new top, and shows the pointed-at and disabled renderings.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <vector>

#include "win32/framework/gdiplus_session.h"
#include "win32/framework/window.h"
#include "win32/ui/scroll_thumb.h"
#include "wine/harness/program.h"

namespace quendar::test {
namespace {

// Stands in for the main window: answers WM_PRINTCLIENT with its track colour and keeps the tops it is told.
class ParentWindow : public win32::MessageTableWindow<ParentWindow> {
 public:
  static std::span<const win32::MessageEntry<ParentWindow>> Messages() {
    static const win32::MessageEntry<ParentWindow> table[] = {
        {win32::kThumbMovedMessage, &ParentWindow::OnThumbMoved},
        {WM_PRINTCLIENT, &ParentWindow::OnPrintClient},
    };
    return table;
  }
  std::vector<int> tops;

 private:
  win32::MessageResult OnThumbMoved(WPARAM top, LPARAM) {
    tops.push_back(static_cast<int>(top));
    return 0;
  }
  win32::MessageResult OnPrintClient(WPARAM dc, LPARAM) {
    win32::UniqueBrush brush(::CreateSolidBrush(RGB(10, 20, 30)));
    const RECT all{0, 0, 1000, 640};
    ::FillRect(reinterpret_cast<HDC>(dc), &all, brush.get());
    return 0;
  }
};

void Pump() {
  MSG message;
  while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
}

class ScrollThumbTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(gdiplus.ok());
    resources = LoadResourceModule(DemoExePath());
    ASSERT_TRUE(resources.valid());
    ASSERT_NE(parent.CreatePopup(nullptr, {0, 0, 1000, 640}), nullptr);
    const auto failed = thumb.Create(parent.hwnd(), ui::Rect::At({984, 100}, {8, 114}), {}, resources.get(), 7);
    ASSERT_FALSE(failed) << failed->operation << " " << failed->error;
    Pump();
  }

  // The pointer at a screen row over the thumb's column; posted in the thumb's client pixels of the moment.
  void Send(UINT message, int screenY) {
    POINT at{988, screenY};
    ::ClientToScreen(parent.hwnd(), &at);
    at.y = screenY;
    POINT client = at;
    ::ScreenToClient(thumb.hwnd(), &client);
    ::PostMessageW(thumb.hwnd(), message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(client.x, client.y));
    Pump();
  }
  int ScreenTopOfParent() {
    POINT origin{0, 0};
    ::ClientToScreen(parent.hwnd(), &origin);
    return origin.y;
  }
  win32::ScrollThumb::Rendering ShownAfterPaint() {
    ::RedrawWindow(thumb.hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    return thumb.shown();
  }

  win32::GdiplusSession gdiplus;
  UniqueModule resources;
  ParentWindow parent;
  win32::ScrollThumb thumb;
};

// Where the track ends is the core's drag rule (ThumbDrag); here: the real window follows the pointer only
// while held, a double click holds it too, and every new top reaches the parent.
TEST_F(ScrollThumbTest, FollowsThePointerWhileHeldAndTellsTheParent) {
  int pointer = ScreenTopOfParent() + 150;  // grab the thumb 50 pixels below its top
  Send(WM_LBUTTONDOWN, pointer);
  Send(WM_MOUSEMOVE, pointer -= 68);
  Send(WM_MOUSEMOVE, pointer -= 1);
  EXPECT_EQ(thumb.rectInParent().top, 32) << "stops at the track's top";
  Send(WM_LBUTTONUP, pointer);
  Send(WM_MOUSEMOVE, pointer + 20);
  EXPECT_EQ(thumb.rectInParent().top, 32) << "released";

  Send(WM_LBUTTONDBLCLK, pointer);
  Send(WM_MOUSEMOVE, pointer + 100);
  Send(WM_LBUTTONUP, pointer + 100);
  EXPECT_EQ(thumb.rectInParent(), ui::Rect::At({984, 132}, {8, 114}));
  Pump();
  EXPECT_EQ(parent.tops, (std::vector<int>{32, 132}));

  thumb.MoveToInitial();
  EXPECT_EQ(thumb.rectInParent().top, 100);
}

TEST_F(ScrollThumbTest, ShowsHoverUntilTheLeaveAndTheGreyRenderingWhenDisabled) {
  using Rendering = win32::ScrollThumb::Rendering;
  EXPECT_EQ(ShownAfterPaint(), Rendering::Standard);
  ::PostMessageW(thumb.hwnd(), WM_MOUSEHOVER, 0, MAKELPARAM(4, 10));
  Pump();
  EXPECT_EQ(ShownAfterPaint(), Rendering::StandardHover);
  ::PostMessageW(thumb.hwnd(), WM_MOUSELEAVE, 0, 0);
  Pump();
  EXPECT_EQ(ShownAfterPaint(), Rendering::Standard);

  thumb.SetToggle(true);
  Send(WM_LBUTTONDOWN, ScreenTopOfParent() + 150);
  EXPECT_EQ(ShownAfterPaint(), Rendering::AlternatePressed);
  Send(WM_LBUTTONUP, ScreenTopOfParent() + 150);
  EXPECT_EQ(ShownAfterPaint(), Rendering::Alternate);

  thumb.Enable(false);
  Pump();
  EXPECT_EQ(ShownAfterPaint(), Rendering::Disabled);
}

}  // namespace
}  // namespace quendar::test
