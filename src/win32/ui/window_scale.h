#pragma once
// The display scale a window is drawn at: its monitor's, for this per-monitor aware program.
#include <windows.h>

#include "core/ui/display_scale.h"

namespace quendar::win32 {

// The window's dots per inch (GetDpiForWindow where the platform has it, the system's otherwise).
ui::DisplayScale ScaleOfWindow(HWND window);

// Sent to child windows once their top-level window's scale changed (Windows 10 1703 on).
inline constexpr UINT kDpiChangedAfterParent = 0x02E3;

// The new dots per inch a WM_DPICHANGED carries.
inline ui::DisplayScale ScaleOfDpiChange(WPARAM wParam) { return ui::DisplayScale(HIWORD(wParam)); }

// Sizes `window` so that its client area is `client` device pixels, keeping its Z order, and its centre
// (a top-level window) or its top-left corner (a child window).
void SetClientSize(HWND window, ui::Size client);

}  // namespace quendar::win32
