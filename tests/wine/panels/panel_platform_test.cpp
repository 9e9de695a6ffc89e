// A colour box on a real window shows its colour and lets a press through to the window beneath it.
#include <gtest/gtest.h>
#include <windows.h>

#include "core/ui/panels/cpi_panel.h"
#include "win32/panels/win32_panel_platform.h"

namespace quendar::test {
namespace {

struct ParentWindow {
  win32::UniqueChildWindow window;
  ParentWindow() {
    WNDCLASSEXW cls{};
    cls.cbSize = sizeof(cls);
    cls.lpfnWndProc = ::DefWindowProcW;
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

}  // namespace
}  // namespace quendar::test
