#pragma once
// The main dialog's initialisation after its window exists (single instance, icons and tool-window
// style are the window's own business): the mouse, the reader, device notices, the profile, the
// language, the skin, the fonts, the icon and the first page, in this order.
#include <cstdint>
#include <string>

#include "core/app/app_ports.h"
#include "core/ui/interface_language.h"
#include "core/ui/language_fonts.h"

namespace quendar::app {

class StartupPort {
 public:
  virtual ~StartupPort() = default;
  virtual bool DiscoverDevice() = 0;
  virtual void ConnectSequence() = 0;
  // The reader's event exists: the device link asked the HID stack for it when it was made.
  virtual bool HasReaderEvent() = 0;
  virtual void CreateHeldReader() = 0;
  virtual void ReleaseReader() = 0;
  virtual bool RegisterDeviceNotices() = 0;
  virtual std::wstring ReadLanguageCode() = 0;
  // Loads "/main.png" from the skin folder and sizes the window to the image. Returns whether the
  // image was there.
  virtual bool LoadBackground(const std::wstring& skinFolder) = 0;
  virtual void SetTextColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue) = 0;
  virtual ui::PlatformVersion PlatformVersion() const = 0;
  virtual void CreateFonts(const ui::MainWindowFonts& fonts) = 0;
  virtual void AddTrayIcon(std::wstring_view tooltip) = 0;
  virtual void ShowMessage(std::wstring_view text) = 0;
};

// Returns true after a complete initialisation, false when it stopped early (the dialog still runs).
// `language` is set from the profile text file's code before the texts and fonts that depend on it.
bool RunStartupSequence(StartupPort& port, ProfilePort& profile, MainWindowPort& window,
                        ui::InterfaceLanguage& language);

}  // namespace quendar::app
