#pragma once
// What the application core asks of the rest of the program, in three narrow seams: the main window
// (a Win32 dialog in the program, a recording fake in tests), the current profile, and the mouse.
#include <cstdint>
#include <string>
#include <string_view>

#include "core/app/app_messages.h"
#include "core/app/balloon.h"
#include "core/app/host_pointer_settings.h"
#include "core/device/profile_download.h"

namespace quendar::app {

class MainWindowPort {
 public:
  virtual ~MainWindowPort() = default;
  virtual void ShowWaitCursor() = 0;
  virtual void RestoreArrowCursor() = 0;
  virtual void StartTimer(AppTimer timer, unsigned milliseconds) = 0;
  virtual void ClosePopupLists() = 0;
  virtual bool MainPageDrawn() const = 0;
  virtual void DrawMainPage() = 0;
  virtual void RedrawCurrentPage() = 0;
  virtual void Hide() = 0;
  virtual void ShowInForeground() = 0;
  // The one-item tray menu at the cursor; its choice arrives later as a command.
  virtual void ShowTrayMenu(std::wstring_view exitText) = 0;
  virtual void ShowBalloon(const BalloonRecord& balloon) = 0;
  // Delivered synchronously to the window's own notice handler.
  virtual void SendDeviceNotice(unsigned code, std::intptr_t argument) = 0;
};

// What the profile text file supplies besides the captions.
struct ProfileTexts {
  std::wstring skinFolder;  // the skin's folder, without a trailing separator
  std::uint8_t red = 0, green = 0, blue = 0;  // the text colour
};

class ProfilePort {
 public:
  virtual ~ProfilePort() = default;
  // The current profile's data file into the record, and its text file (captions, skin keys).
  virtual void LoadProfile() = 0;
  virtual ProfileTexts ReadProfileTexts() = 0;
  // The settings part of the default profile into the record; macros and profile number stay.
  virtual void LoadDefaultSettings() = 0;
  virtual void SnapshotRecord() = 0;   // record -> saved record
  virtual void RevertToSnapshot() = 0; // saved record -> record
  virtual profiles::HostPointerSettings HostSettings() const = 0;
};

// What "Save" achieved: the download's outcome, and whether every file took the settings.
struct SaveOutcome {
  device::DownloadResult download;
  bool stored = true;
};

class DevicePort {
 public:
  virtual ~DevicePort() = default;
  virtual bool DevicePresent() const = 0;
  // Sends the whole profile in its fixed sequence and stores it in its files (also when the sending
  // failed).
  virtual SaveOutcome DownloadProfile() = 0;
  // A failed read leaves the stage bytes as they were.
  virtual device::ExchangeOutcome ReadCpiStages() = 0;
  // Stage byte 1..7 as last read from the mouse.
  virtual std::uint8_t StageCode(int stage) const = 0;
  virtual std::uint8_t SensorType() const = 0;
};

}  // namespace quendar::app
