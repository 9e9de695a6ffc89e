#include "core/app/apply_commands.h"

#include <utility>

namespace quendar::app {

ApplyCommands::ApplyCommands(MainWindowPort& window, ProfilePort& profile, DevicePort& device,
                             SystemParametersPort& systemParameters, WarningPort& warnings,
                             const ui::InterfaceLanguage& language)
    : window_(window),
      profile_(profile),
      device_(device),
      systemParameters_(systemParameters),
      warnings_(warnings),
      language_(language) {}

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
  if (!DownloadAndApply()) WarnNotOnMouse();
}

bool ApplyCommands::DownloadAndApply() {
  const device::DownloadResult result = device_.DownloadProfile();
  lastDownloadFailure_ = result.failure;
  profile_.SnapshotRecord();
  ApplyHostPointerSettings();
  return result.ok();
}

void ApplyCommands::WarnNotOnMouse() {
  warnings_.Warn(language_.text(mouseHoldsPartOfTheSettings() ? ui::TextSlot::SettingsPartlyOnMouse
                                                              : ui::TextSlot::SettingsNotOnMouse));
}

void ApplyCommands::ResetProfile() {
  window_.ShowWaitCursor();
  window_.StartTimer(AppTimer::ResetWaitCursor, kWaitCursorMs);
  profile_.LoadDefaultSettings();
  const bool reached = !device_.DevicePresent() || DownloadAndApply();
  window_.ClosePopupLists();
  window_.RedrawCurrentPage();
  if (!reached) WarnNotOnMouse();
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
