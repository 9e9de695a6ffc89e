#include "win32/app/tray_icon.h"

#include <algorithm>
#include <string>

#include "win32/framework/unique_handle.h"

namespace quendar::win32 {

namespace {

template <std::size_t N>
void CopyField(wchar_t (&field)[N], std::wstring_view text) {
  const std::wstring fitted = app::FitToField(text, N);
  std::copy(fitted.begin(), fitted.end(), field);
  field[fitted.size()] = L'\0';
}

}  // namespace

bool TrayIcon::Add(HWND owner, UINT callbackMessage, HICON icon, std::wstring_view tooltip) {
  data_ = NOTIFYICONDATAW{};
  data_.cbSize = sizeof(data_);
  data_.hWnd = owner;
  data_.uID = 0;
  data_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  data_.uCallbackMessage = callbackMessage;
  data_.hIcon = icon;
  CopyField(data_.szTip, tooltip);
  wanted_ = true;
  added_ = ::Shell_NotifyIconW(NIM_ADD, &data_) != FALSE;
  return added_;
}

bool TrayIcon::Restore() {
  if (!wanted_) return false;
  data_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  data_.szInfo[0] = L'\0';
  data_.szInfoTitle[0] = L'\0';
  added_ = ::Shell_NotifyIconW(NIM_ADD, &data_) != FALSE;
  return added_;
}

bool TrayIcon::ShowBalloon(const app::BalloonRecord& balloon) {
  CopyField(data_.szInfo, balloon.text);
  CopyField(data_.szInfoTitle, balloon.title);
  data_.uFlags = balloon.iconFlags;
  data_.dwInfoFlags = balloon.infoIcon;
  data_.uTimeout = balloon.timeoutMs;
  return ::Shell_NotifyIconW(NIM_MODIFY, &data_) != FALSE;
}

void TrayIcon::Remove() {
  wanted_ = false;
  if (!added_) return;
  ::Shell_NotifyIconW(NIM_DELETE, &data_);
  added_ = false;
}

void TrayIcon::TrackExitMenu(HWND owner, std::wstring_view exitText, UINT exitCommand) {
  UniqueMenu menu(::CreatePopupMenu());
  if (!menu) return;
  const std::wstring text(exitText);
  ::AppendMenuW(menu.get(), MF_STRING, exitCommand, text.c_str());
  POINT cursor{};
  ::GetCursorPos(&cursor);
  ::SetForegroundWindow(owner);
  ::TrackPopupMenu(menu.get(), TPM_RIGHTBUTTON | TPM_BOTTOMALIGN, cursor.x, cursor.y, 0, owner, nullptr);
  // Lets the menu close when the user clicks outside it.
  ::PostMessageW(owner, WM_NULL, 0, 0);
}

}  // namespace quendar::win32
