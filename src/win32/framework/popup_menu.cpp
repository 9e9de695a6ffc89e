#include "win32/framework/popup_menu.h"

#include "win32/framework/unique_handle.h"

namespace quendar::win32 {

namespace {

bool Fill(HMENU menu, const std::vector<MenuItem>& items) {
  for (const MenuItem& item : items) {
    if (item.command == 0 && item.text.empty() && item.submenu.empty()) {
      if (!::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr)) return false;
      continue;
    }
    UINT flags = MF_STRING | (item.checked ? MF_CHECKED : 0u) | (item.enabled ? 0u : MF_GRAYED);
    if (!item.submenu.empty()) {
      UniqueMenu sub(::CreatePopupMenu());
      if (!sub || !Fill(sub.get(), item.submenu)) return false;
      if (!::AppendMenuW(menu, flags | MF_POPUP, reinterpret_cast<UINT_PTR>(sub.get()), item.text.c_str())) return false;
      sub.release();  // the parent menu destroys its submenus
      continue;
    }
    if (!::AppendMenuW(menu, flags, item.command, item.text.c_str())) return false;
  }
  return true;
}

}  // namespace

PopupMenuResult TrackPopupMenuAt(HWND owner, const std::vector<MenuItem>& items, POINT screen, UINT alignment) {
  UniqueMenu menu(::CreatePopupMenu());
  if (!menu || !Fill(menu.get(), items)) return {0, ::GetLastError()};
  // Without the foreground the menu would not close when the user clicks elsewhere.
  ::SetForegroundWindow(owner);
  const BOOL chosen = ::TrackPopupMenu(menu.get(), alignment | TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON,
                                       screen.x, screen.y, 0, owner, nullptr);
  ::PostMessageW(owner, WM_NULL, 0, 0);
  return {static_cast<UINT>(chosen), 0};
}

}  // namespace quendar::win32
