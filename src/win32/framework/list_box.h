#pragma once
// A list box's items replaced in one go, drawn once at the end rather than once per item.
#include <windows.h>

#include <string>
#include <vector>

namespace quendar::win32 {

inline void FillListBox(HWND list, const std::vector<std::wstring>& items) {
  ::SendMessageW(list, WM_SETREDRAW, FALSE, 0);
  ::SendMessageW(list, LB_RESETCONTENT, 0, 0);
  for (const std::wstring& item : items) ::SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  ::SendMessageW(list, WM_SETREDRAW, TRUE, 0);
  ::InvalidateRect(list, nullptr, TRUE);
}

}  // namespace quendar::win32
