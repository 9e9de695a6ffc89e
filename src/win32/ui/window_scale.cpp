#include "win32/ui/window_scale.h"

#include "win32/framework/unique_handle.h"

namespace quendar::win32 {

namespace {

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);

// Windows 10 1607 and later; user32 is loaded in every GUI process, so the pointer stays good.
GetDpiForWindowFunction FindGetDpiForWindow() {
  HMODULE user32 = ::GetModuleHandleW(L"user32.dll");
  if (user32 == nullptr) return nullptr;
  return reinterpret_cast<GetDpiForWindowFunction>(
      reinterpret_cast<void*>(::GetProcAddress(user32, "GetDpiForWindow")));
}

int SystemDpi() {
  const WindowDc screen(nullptr);
  return screen ? ::GetDeviceCaps(screen.get(), LOGPIXELSY) : ui::kBaseDpi;
}

}  // namespace

ui::DisplayScale ScaleOfWindow(HWND window) {
  static const GetDpiForWindowFunction getDpiForWindow = FindGetDpiForWindow();
  if (getDpiForWindow != nullptr && window != nullptr) {
    if (const UINT dpi = getDpiForWindow(window); dpi != 0) return ui::DisplayScale(static_cast<int>(dpi));
  }
  return ui::DisplayScale(SystemDpi());
}

void SetClientSize(HWND window, ui::Size client) {
  RECT frame{0, 0, client.width, client.height};
  ::AdjustWindowRectEx(&frame, static_cast<DWORD>(::GetWindowLongPtrW(window, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(::GetWindowLongPtrW(window, GWL_EXSTYLE)));
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  RECT now{};
  if ((::GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD) != 0 || !::GetWindowRect(window, &now)) {
    ::SetWindowPos(window, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return;
  }
  // A top-level window keeps its centre: one centred on the screen at its first, smaller size stays
  // centred at the scaled one instead of reaching past the screen's edge.
  const int left = now.left + ((now.right - now.left) - width) / 2;
  const int top = now.top + ((now.bottom - now.top) - height) / 2;
  ::SetWindowPos(window, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace quendar::win32
