#pragma once
// The main dialog: the program's one window. It makes the parts in their order, hands the start-up
// sequence its port (StartupSteps), keeps the exit rules and translates messages: the application core's
// go to the portable session, the drawing and pointer messages to the main window controller, the mouse's
// notices arrive through the reader bridge.
#include <windows.h>

#include <memory>
#include <span>
#include <string>

#include "core/app/app_messages.h"
#include "core/app/app_ports.h"
#include "core/app/app_session.h"
#include "core/app/host_services.h"
#include "core/app/startup_sequence.h"
#include "core/device/device_host.h"
#include "core/device/device_link.h"
#include "core/device/input_report_thread.h"
#include "core/ui/interface_language.h"
#include "platform/platform_file_system.h"
#include "win32/app/app_environment.h"
#include "win32/app/main_window_controller.h"
#include "win32/app/reader_bridge.h"
#include "win32/app/system_parameters.h"
#include "core/macros/recorder.h"
#include "win32/app/tray_icon.h"
#include "win32/framework/dialog_window.h"
#include "win32/framework/unique_handle.h"
#include "win32/profiles_ui/profiles_ui.h"

namespace quendar::win32 {

class CTolvaneDlg : public MessageTableDialog<CTolvaneDlg>, private app::MainWindowPort {
 public:
  CTolvaneDlg(HINSTANCE instance, AppEnvironment environment);
  ~CTolvaneDlg() override;

  static std::span<const MessageEntry<CTolvaneDlg>> Messages();
  static std::span<const CommandEntry<CTolvaneDlg>> Commands();

  int ExitCode() const { return 0; }

 protected:
  bool PreTranslateMessage(MSG& message) override;
  // A key the window's focus ring takes (Tab, Space, arrows) goes to the controller.
  bool TakeKey(MSG& message);
  MessageResult OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  // Dialog initialisation, in order. Returns false when it stops early.
  bool Initialize();
  void LoadIcons();
  void BecomeToolWindow();
  void CreateDeviceLink();
  void CreateProfilesUi();
  // Releases what the process holds outside itself: device handles, the notification icon.
  void ReleaseExternalResources();
  // A start-up that stopped early added no notification icon: a hidden window could never be shown
  // again, so closing or hiding it ends the program instead (and frees the single-instance mutex).
  void ExitInsteadOfHiding();
  void RefreshCompanion();

  MessageResult OnInitDialog(WPARAM, LPARAM);
  MessageResult OnClose(WPARAM, LPARAM);
  MessageResult OnDestroy(WPARAM, LPARAM);
  MessageResult OnTimer(WPARAM, LPARAM);
  MessageResult OnPaint(WPARAM, LPARAM);
  MessageResult OnEraseBackground(WPARAM, LPARAM);
  MessageResult OnQueryDragIcon(WPARAM, LPARAM);
  MessageResult OnTrayCallback(WPARAM, LPARAM);
  MessageResult OnDeviceNotice(WPARAM, LPARAM);
  MessageResult OnShowMessages(WPARAM, LPARAM);
  MessageResult OnProfileRequest(WPARAM, LPARAM);
  MessageResult OnDeviceChange(WPARAM, LPARAM);
  MessageResult OnLeftButtonDown(WPARAM, LPARAM);
  MessageResult OnLeftButtonDoubleClick(WPARAM, LPARAM);
  MessageResult OnMouseMove(WPARAM, LPARAM);
  MessageResult OnMouseHover(WPARAM, LPARAM);
  MessageResult OnMouseLeave(WPARAM, LPARAM);
  MessageResult OnScrollThumb(WPARAM, LPARAM);
  MessageResult OnCommand(WPARAM, LPARAM);
  MessageResult OnAfterInput(WPARAM, LPARAM);
  MessageResult OnGetObject(WPARAM, LPARAM);
  MessageResult OnAccessibleAction(WPARAM, LPARAM);
  MessageResult OnLoadImageFailed(WPARAM, LPARAM);
  MessageResult OnPrintClient(WPARAM, LPARAM);
  MessageResult OnShowWindow(WPARAM, LPARAM);
  MessageResult OnDpiChanged(WPARAM, LPARAM);
  MessageResult OnSetFocus(WPARAM, LPARAM);
  void OnExit();

  // app::MainWindowPort
  void ShowWaitCursor() override;
  void RestoreArrowCursor() override;
  void StartTimer(app::AppTimer timer, unsigned milliseconds) override;
  void ClosePopupLists() override;
  bool MainPageDrawn() const override { return controller_ && controller_->mainPageDrawn(); }
  void DrawMainPage() override;
  void RedrawCurrentPage() override;
  void Hide() override;
  void ShowInForeground() override;
  void ShowTrayMenu(std::wstring_view exitText) override;
  void ShowBalloon(const app::BalloonRecord& balloon) override;
  // Any thread: the reader's stage notices come through here too.
  void SendDeviceNotice(unsigned code, std::intptr_t argument) override;

  // The device link's work on the window's thread after an arrival.
  void RunConnectionSteps();
  // The main view's "Macro Manager" title runs the macro manager on the current record.
  void WireMacroManager();

  HINSTANCE instance_;
  AppEnvironment environment_;
  HWND window_ = nullptr;
  UniqueKernelHandle instanceMutex_;
  HICON bigIcon_ = nullptr;  // shared resource icons: not destroyed
  HICON smallIcon_ = nullptr;
  TrayIcon trayIcon_;
  // The macro recorder and the tick-box flags outlive each macro manager.
  macros::MacroSession macroSession_;

  // The one interface language: set at start-up, passed to every part that shows text.
  ui::InterfaceLanguage language_;
  std::unique_ptr<app::HostServices> hostServices_;
  Win32SystemParameters systemParameters_;
  OwedWarnings warnings_{[this] { ::PostMessageW(window_, app::kShowMessagesMessage, 0, 0); }};
  platform::PlatformFileSystem fileSystem_;
  std::shared_ptr<device::HidBackend> hidBackend_;
  std::unique_ptr<device::DeviceLink> link_;
  std::unique_ptr<app::AppSession> session_;
  std::unique_ptr<MainWindowController> controller_;
  std::unique_ptr<ProfilesUi> profilesUi_;  // after controller_: its windows go first
  std::unique_ptr<ReaderBridge> bridge_;  // after link_, session_ and controller_: stopped first
  bool startupComplete_ = false;
  std::unique_ptr<AppCompanion> companion_;
};

}  // namespace quendar::win32
