#pragma once
// Conversions between the core's geometry, colours and texts and the platform's types, written once for
// every window of the shell.
#include <windows.h>
#include <windowsx.h>

#include <string>

#include "core/ui/draw/draw_list.h"
#include "core/ui/geometry.h"

namespace quendar::win32 {

inline COLORREF ToColorRef(ui::Color color) { return RGB(color.red, color.green, color.blue); }

inline RECT ToRect(const ui::Rect& r) { return {r.left, r.top, r.right, r.bottom}; }

// The client point a mouse message carries in its lParam (signed: points left of or above a window are
// negative while the mouse is captured).
inline ui::Point PointOf(LPARAM lParam) { return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

inline std::wstring WindowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(::GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

}  // namespace quendar::win32
