#include "core/app/startup_sequence.h"

#include "core/app/app_messages.h"
#include "core/ui/interface_language.h"

namespace quendar::app {

bool RunStartupSequence(StartupPort& port, ProfilePort& profile, MainWindowPort& window,
                        ui::InterfaceLanguage& language) {
  const bool present = port.DiscoverDevice();
  if (present) port.ConnectSequence();

  if (!port.HasReaderEvent()) {
    port.ShowMessage(L"CreateEvent failed.");
    return false;
  }
  // The reader must not read before the mouse is found; an arrival releases it later. A release
  // here is what marks the reader as released at start-up.
  port.CreateHeldReader();
  if (present) port.ReleaseReader();

  if (!port.RegisterDeviceNotices()) {
    port.ShowMessage(L"RegisterDeviceNotification failed!!!");
    return false;
  }

  profile.LoadProfile();
  profile.SnapshotRecord();

  language = ui::InterfaceLanguage(port.ReadLanguageCode());
  const ProfileTexts texts = profile.ReadProfileTexts();

  port.LoadBackground(texts.skinFolder);
  port.SetTextColor(texts.red, texts.green, texts.blue);
  port.CreateFonts(ui::MainWindowFontsFor(language.language(), port.PlatformVersion()));

  port.AddTrayIcon(language.text(ui::TextSlot::WindowTitle));
  window.DrawMainPage();
  return true;
}

}  // namespace quendar::app
