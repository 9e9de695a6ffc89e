#pragma once
// The start-up sequence's steps on this platform, each one a call into a part the main dialog made
// before the sequence runs. The dialog stays the window; this object is only the sequence's port.
#include <windows.h>

#include <string>

#include "core/app/app_session.h"
#include "core/app/startup_sequence.h"
#include "core/device/device_link.h"
#include "core/ui/interface_language.h"
#include "win32/app/main_window_controller.h"
#include "win32/app/reader_bridge.h"
#include "win32/app/tray_icon.h"

namespace quendar::win32 {

// The version the platform reports to this program (its manifest names the systems it knows).
ui::PlatformVersion ReportedPlatformVersion();

class StartupSteps final : public app::StartupPort {
 public:
  struct Parts {
    HWND window;
    HICON trayImage;
    device::DeviceLink& link;
    ReaderBridge& bridge;
    app::AppSession& session;
    MainWindowController& controller;
    TrayIcon& trayIcon;
    const ui::InterfaceLanguage& language;  // set by the sequence itself before the texts that need it
  };
  explicit StartupSteps(Parts parts) : parts_(parts) {}

  bool DiscoverDevice() override;
  void ConnectSequence() override;
  bool HasReaderEvent() override;
  void CreateHeldReader() override;
  void ReleaseReader() override;
  bool RegisterDeviceNotices() override;
  std::wstring ReadLanguageCode() override;
  bool LoadBackground(const std::wstring& skinFolder) override;
  void SetTextColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue) override;
  ui::PlatformVersion PlatformVersion() const override;
  void CreateFonts(const ui::MainWindowFonts& fonts) override;
  void AddTrayIcon(std::wstring_view tooltip) override;
  void ShowMessage(std::wstring_view text) override;

 private:
  Parts parts_;
};

}  // namespace quendar::win32
