#include "win32/app/startup_steps.h"

#include "core/app/app_messages.h"

namespace quendar::win32 {

ui::PlatformVersion ReportedPlatformVersion() {
  OSVERSIONINFOW info{};
  info.dwOSVersionInfoSize = sizeof(info);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  if (!::GetVersionExW(&info)) return {};
#pragma GCC diagnostic pop
  return {info.dwMajorVersion, info.dwMinorVersion};
}

bool StartupSteps::DiscoverDevice() { return parts_.link.DiscoverDevice().ok(); }

void StartupSteps::ConnectSequence() { parts_.session.ConnectSequence(); }

// The link made its event through the HID stack when it was created.
bool StartupSteps::HasReaderEvent() { return parts_.link.HasReaderEvent(); }

void StartupSteps::CreateHeldReader() { parts_.bridge.CreateHeldReader(parts_.link); }

void StartupSteps::ReleaseReader() { parts_.link.ReleaseReader(); }

bool StartupSteps::RegisterDeviceNotices() { return parts_.bridge.RegisterDeviceNotices(); }

std::wstring StartupSteps::ReadLanguageCode() { return parts_.session.ReadLanguageCode(); }

bool StartupSteps::LoadBackground(const std::wstring& skinFolder) { return parts_.controller.LoadSkin(skinFolder); }

void StartupSteps::SetTextColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  parts_.controller.SetTextColor({red, green, blue});
}

ui::PlatformVersion StartupSteps::PlatformVersion() const { return ReportedPlatformVersion(); }

void StartupSteps::CreateFonts(const ui::MainWindowFonts& fonts) { parts_.controller.CreateFonts(fonts); }

void StartupSteps::AddTrayIcon(std::wstring_view tooltip) {
  parts_.trayIcon.Add(parts_.window, app::kTrayCallbackMessage, parts_.trayImage, tooltip);
}

void StartupSteps::ShowMessage(std::wstring_view text) {
  // Owed: shown once the dialog's initialisation is over, not from inside it.
  parts_.session.messages().Add(
      {std::wstring(text), std::wstring(parts_.language.text(ui::TextSlot::WindowTitle))});
}

}  // namespace quendar::win32
