#pragma once
// The notification-area icon of the main window.
#include <windows.h>
#include <shellapi.h>

#include <string_view>

namespace quendar::win32 {

class TrayIcon {
 public:
  TrayIcon() = default;
  ~TrayIcon() { Remove(); }
  TrayIcon(const TrayIcon&) = delete;
  TrayIcon& operator=(const TrayIcon&) = delete;

  // Adds the icon with its callback message and tooltip. Returns the shell's answer.
  bool Add(HWND owner, UINT callbackMessage, HICON icon, std::wstring_view tooltip);
  // Deletes the icon; does nothing when it is not there.
  void Remove();
  bool added() const { return added_; }

 private:
  NOTIFYICONDATAW data_{};
  bool added_ = false;
};

}  // namespace quendar::win32
