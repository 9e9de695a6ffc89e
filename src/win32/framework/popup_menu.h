#pragma once
// A popup menu built from a list, shown at a screen point, answering with the chosen command (0 when the
// user dismissed it). The caller acts on the answer; no WM_COMMAND is sent.
#include <windows.h>

#include <string>
#include <vector>

namespace quendar::win32 {

struct MenuItem {
  UINT command = 0;               // 0 with no text: a separator
  std::wstring text;
  bool checked = false;
  bool enabled = true;
  std::vector<MenuItem> submenu;  // non-empty: the item opens it
};

struct PopupMenuResult {
  UINT command = 0;    // 0: dismissed, or the menu could not be shown
  DWORD error = 0;     // the platform's error when the menu could not be built or shown
};

PopupMenuResult TrackPopupMenuAt(HWND owner, const std::vector<MenuItem>& items, POINT screen,
                                 UINT alignment = TPM_LEFTALIGN | TPM_TOPALIGN);

}  // namespace quendar::win32
