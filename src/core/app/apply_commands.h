#pragma once
// "Save", "Reset" and "Cancel" of the main window: the order of their steps, the debounce of "Save",
// the wait cursor, and the flag that makes the next show reload the profile after "Cancel". A download
// that did not reach the mouse is told once the operation is done; the files hold the settings anyway.
#include <optional>

#include "core/app/app_ports.h"
#include "core/ui/interface_language.h"

namespace quendar::app {

class ApplyCommands {
 public:
  ApplyCommands(MainWindowPort& window, ProfilePort& profile, DevicePort& device,
                SystemParametersPort& systemParameters, WarningPort& warnings, const ui::InterfaceLanguage& language);

  // The "Save" button: at most one apply per debounce period.
  void OnSaveClicked();
  void ApplyProfile();
  void ResetProfile();
  void CancelEdits();
  void ApplyHostPointerSettings();
  // One of the main window's one-shot timers fired (the window has already stopped it).
  void OnTimer(AppTimer timer);

  bool applyDebounce() const { return applyDebounce_; }
  bool reloadOnShow() const { return reloadOnShow_; }
  // The tray takes the reload request when it shows the window.
  bool TakeReloadOnShow();
  // The last download's failure, if it failed (for diagnostics; the user has been told).
  const std::optional<device::DownloadFailure>& lastDownloadFailure() const { return lastDownloadFailure_; }
  // The last download stopped after some settings were written: the mouse holds a mix of old and new.
  bool mouseHoldsPartOfTheSettings() const { return lastDownloadFailure_ && lastDownloadFailure_->exchange > 1; }

 private:
  // Download, snapshot and host settings; answers with the warning the user is owed, if the settings
  // missed the mouse or the files.
  std::optional<ui::TextSlot> DownloadAndApply();

  MainWindowPort& window_;
  ProfilePort& profile_;
  DevicePort& device_;
  SystemParametersPort& systemParameters_;
  WarningPort& warnings_;
  const ui::InterfaceLanguage& language_;
  std::optional<device::DownloadFailure> lastDownloadFailure_;
  bool applyDebounce_ = false;
  bool reloadOnShow_ = false;
};

}  // namespace quendar::app
