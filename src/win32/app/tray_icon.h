#pragma once
// The notification-area icon of the main window: its tooltip, its balloons and its one-item menu.
#include <windows.h>
#include <shellapi.h>

#include <string_view>

#include "core/app/balloon.h"

namespace quendar::win32 {

class TrayIcon {
 public:
  TrayIcon() = default;
  ~TrayIcon() { Remove(); }
  TrayIcon(const TrayIcon&) = delete;
  TrayIcon& operator=(const TrayIcon&) = delete;

  // Adds the icon with its callback message and tooltip. Returns the shell's answer.
  bool Add(HWND owner, UINT callbackMessage, HICON icon, std::wstring_view tooltip);
  // Fills the balloon fields of the icon record and modifies the icon. Returns the shell's answer.
  bool ShowBalloon(const app::BalloonRecord& balloon);
  // Deletes the icon; does nothing when it is not there.
  void Remove();
  bool added() const { return added_; }

  // The shell broadcasts "TaskbarCreated" when it starts again (after a crash of the taskbar, or late
  // at log-on); every icon it held is gone by then. Restore adds the icon back, without its last
  // balloon, when it was added (or asked for while the shell was away) and not removed since.
  bool IsTaskbarCreated(UINT message) const { return message != 0 && message == taskbarCreated_; }
  bool Restore();

  // The menu with its single "Exit" item (command `exitCommand`), at the cursor. The owner is
  // brought to the foreground first so that the menu closes when the user clicks elsewhere.
  static void TrackExitMenu(HWND owner, std::wstring_view exitText, UINT exitCommand);

 private:
  NOTIFYICONDATAW data_{};
  bool added_ = false;
  bool wanted_ = false;  // Add was called and Remove was not
  UINT taskbarCreated_ = ::RegisterWindowMessageW(L"TaskbarCreated");
};

}  // namespace quendar::win32
