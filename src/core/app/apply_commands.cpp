#include "core/app/apply_commands.h"

#include <utility>

namespace quendar::app {

ApplyCommands::ApplyCommands(MainWindowPort& window, ProfilePort& profile, DevicePort& device,
                             SystemParametersPort& systemParameters, WarningPort& warnings)
    : window_(window),
      profile_(profile),
      device_(device),
      systemParameters_(systemParameters),
      warnings_(warnings) {}

void ApplyCommands::OnSaveClicked() {
  if (applyDebounce_) return;
  applyDebounce_ = true;
  ApplyProfile();
  // Started after the download: clicks queued while it blocked the thread still meet the flag.
  window_.StartTimer(AppTimer::ApplyDebounce, kApplyDebounceMs);
}

void ApplyCommands::ApplyProfile() {
  if (!device_.DevicePresent()) return;
  window_.ShowWaitCursor();
  window_.StartTimer(AppTimer::ApplyWaitCursor, kWaitCursorMs);
  device_.DownloadProfile();
  profile_.SnapshotRecord();
  ApplyHostPointerSettings();
}

void ApplyCommands::ResetProfile() {
  window_.ShowWaitCursor();
  window_.StartTimer(AppTimer::ResetWaitCursor, kWaitCursorMs);
  profile_.LoadDefaultSettings();
  if (device_.DevicePresent()) {
    device_.DownloadProfile();
    profile_.SnapshotRecord();
    ApplyHostPointerSettings();
  }
  window_.ClosePopupLists();
  window_.RedrawCurrentPage();
}

void ApplyCommands::CancelEdits() {
  profile_.RevertToSnapshot();
  reloadOnShow_ = true;
  window_.Hide();
}

void ApplyCommands::ApplyHostPointerSettings() {
  app::ApplyHostPointerSettings(profile_.HostSettings(), systemParameters_, warnings_);
}

void ApplyCommands::OnTimer(AppTimer timer) {
  switch (timer) {
    case AppTimer::ApplyDebounce:
      applyDebounce_ = false;
      break;
    case AppTimer::ResetWaitCursor:
    case AppTimer::ApplyWaitCursor:
      window_.RestoreArrowCursor();
      break;
  }
}

bool ApplyCommands::TakeReloadOnShow() { return std::exchange(reloadOnShow_, false); }

}  // namespace quendar::app
