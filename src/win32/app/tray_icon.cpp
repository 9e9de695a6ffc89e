#include "win32/app/tray_icon.h"

#include <algorithm>

namespace quendar::win32 {

bool TrayIcon::Add(HWND owner, UINT callbackMessage, HICON icon, std::wstring_view tooltip) {
  data_ = NOTIFYICONDATAW{};
  data_.cbSize = sizeof(data_);
  data_.hWnd = owner;
  data_.uID = 0;
  data_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  data_.uCallbackMessage = callbackMessage;
  data_.hIcon = icon;
  const size_t length = std::min(tooltip.size(), std::size(data_.szTip) - 1);
  std::copy_n(tooltip.data(), length, data_.szTip);
  data_.szTip[length] = L'\0';
  added_ = ::Shell_NotifyIconW(NIM_ADD, &data_) != FALSE;
  return added_;
}

void TrayIcon::Remove() {
  if (!added_) return;
  ::Shell_NotifyIconW(NIM_DELETE, &data_);
  added_ = false;
}

}  // namespace quendar::win32
