// The panels' child controls on a real window: a colour box shows its colour and lets a press through to
// the window beneath it; writing the number box's text raises the change notice the panel must ignore.
#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "core/ui/panels/cpi_panel.h"
#include "core/ui/panels/scroll_speed_panel.h"
#include "win32/panels/win32_panel_platform.h"

namespace quendar::test {
namespace {

// The parent keeps the ids of the change notices it receives in the vector its user data points at.
LRESULT CALLBACK ParentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* notices = reinterpret_cast<std::vector<int>*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
  if (message == WM_COMMAND && notices && HIWORD(wParam) == EN_CHANGE) notices->push_back(LOWORD(wParam));
  return ::DefWindowProcW(window, message, wParam, lParam);
}

struct ParentWindow {
  win32::UniqueChildWindow window;
  ParentWindow() {
    WNDCLASSEXW cls{};
    cls.cbSize = sizeof(cls);
    cls.lpfnWndProc = ParentProc;
    cls.hInstance = ::GetModuleHandleW(nullptr);
    cls.lpszClassName = L"QuendarPanelTestParent";
    cls.hbrBackground = static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH));
    ::RegisterClassExW(&cls);
    window.reset(::CreateWindowExW(0, cls.lpszClassName, L"panel test", WS_POPUP | WS_VISIBLE, 50, 50, 300, 200,
                                   nullptr, nullptr, cls.hInstance, nullptr));
  }
};

void Pump() {
  MSG msg;
  while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&msg);
}

TEST(PanelPlatform, ColourBoxShowsItsColourAndLetsPressesThrough) {
  ParentWindow parent;
  ASSERT_TRUE(parent.window.valid());
  win32::Win32PanelPlatform platform(parent.window.get());
  ui::main::ChildControl box;
  box.id = ui::panels::kFirstColourBoxId;
  box.box = {40, 30, 50, 40};
  box.colour = {200, 10, 30};
  platform.ShowChild(box);
  HWND child = platform.child(box.id);
  ASSERT_NE(child, nullptr) << (platform.lastError() ? platform.lastError()->operation : "");
  EXPECT_EQ(::GetDlgCtrlID(child), 71);
  ::UpdateWindow(parent.window.get());
  ::UpdateWindow(child);
  Pump();

  POINT inside{45, 35};
  ::ClientToScreen(parent.window.get(), &inside);
  EXPECT_EQ(::WindowFromPoint(inside), parent.window.get()) << "the press must reach the main window";

  HDC screen = ::GetDC(nullptr);
  const COLORREF shown = ::GetPixel(screen, inside.x, inside.y);
  ::ReleaseDC(nullptr, screen);
  EXPECT_EQ(shown, RGB(200, 10, 30));

  platform.DestroyChild(box.id);
  EXPECT_FALSE(::IsWindow(child));
}

TEST(PanelPlatform, NumberBoxReportsEveryTextChange) {
  ParentWindow parent;
  ASSERT_TRUE(parent.window.valid());
  std::vector<int> notices;
  ::SetWindowLongPtrW(parent.window.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&notices));
  {
    win32::Win32PanelPlatform platform(parent.window.get());
    ui::main::ChildControl box;
    box.id = ui::panels::kNumberBoxId;
    box.kind = ui::main::ChildKind::NumberBox;
    box.box = {150, 15, 186, 29};
    box.text = L"3";
    box.enabled = false;
    platform.ShowChild(box);
    HWND edit = platform.child(box.id);
    ASSERT_NE(edit, nullptr);
    EXPECT_FALSE(::IsWindowEnabled(edit));
    EXPECT_EQ(platform.ChildText(box.id), L"3");
    EXPECT_TRUE(notices.empty()) << "creating the box is no change";

    platform.SetChildText(box.id, L"100");
    EXPECT_EQ(notices, std::vector<int>{121}) << "written text reaches the parent as a change, synchronously";
    EXPECT_EQ(platform.ChildText(box.id), L"100");
    platform.EnableChild(box.id, true);
    EXPECT_TRUE(::IsWindowEnabled(edit));
  }
  ::SetWindowLongPtrW(parent.window.get(), GWLP_USERDATA, 0);
}

}  // namespace
}  // namespace quendar::test
