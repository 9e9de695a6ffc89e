#pragma once
// The main dialog: the program's one window and the owner of its start-up order, its exit rules and
// the messages that belong to the application core.
#include <windows.h>

#include <span>

#include "core/app/app_messages.h"
#include "win32/app/app_environment.h"
#include "win32/app/tray_icon.h"
#include "win32/framework/dialog_window.h"
#include "win32/framework/unique_handle.h"

namespace quendar::win32 {

class CTolvaneDlg : public MessageTableDialog<CTolvaneDlg> {
 public:
  CTolvaneDlg(HINSTANCE instance, AppEnvironment environment);
  ~CTolvaneDlg() override;

  static std::span<const MessageEntry<CTolvaneDlg>> Messages();
  static std::span<const CommandEntry<CTolvaneDlg>> Commands();

  int ExitCode() const { return 0; }

 protected:
  bool PreTranslateMessage(MSG& message) override;

 private:
  // Dialog initialisation, in order. Returns false when it stops early.
  bool Initialize();
  void LoadIcons();
  void BecomeToolWindow();

  void StartTimer(app::AppTimer timer, unsigned milliseconds);
  void RestoreArrowCursor();
  // Releases what the process holds outside itself: device handles, the notification icon.
  void ReleaseExternalResources();

  MessageResult OnInitDialog(WPARAM, LPARAM);
  MessageResult OnClose(WPARAM, LPARAM);
  MessageResult OnDestroy(WPARAM, LPARAM);
  MessageResult OnTimer(WPARAM, LPARAM);
  MessageResult OnPaint(WPARAM, LPARAM);
  MessageResult OnQueryDragIcon(WPARAM, LPARAM);
  void OnExit();

  HINSTANCE instance_;
  AppEnvironment environment_;
  UniqueKernelHandle instanceMutex_;
  HICON bigIcon_ = nullptr;  // shared resource icons: not destroyed
  HICON smallIcon_ = nullptr;
  TrayIcon trayIcon_;
  bool applyDebounce_ = false;
};

}  // namespace quendar::win32
