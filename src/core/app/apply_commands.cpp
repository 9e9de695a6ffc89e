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
  // Without the mouse nothing is sent, stored or applied; the user learns why nothing happened.
  if (!device_.DevicePresent()) {
    window_.SendDeviceNotice(kNoticeNotDetected, 0);
    return;
  }
  window_.ShowWaitCursor();
  window_.StartTimer(AppTimer::ApplyWaitCursor, kWaitCursorMs);
  if (const auto warning = DownloadAndApply()) warnings_.Warn(language_.text(*warning));
}

std::optional<ui::TextSlot> ApplyCommands::DownloadAndApply() {
  const SaveOutcome outcome = device_.DownloadProfile();
  lastDownloadFailure_ = outcome.download.failure;
  profile_.SnapshotRecord();
  ApplyHostPointerSettings();
  // The files' own messages name what could not be written; this one says what it means for Save.
  const bool reached = outcome.download.ok();
  if (!outcome.stored) return reached ? ui::TextSlot::SettingsNotSaved : ui::TextSlot::SettingsNotSavedNorOnMouse;
  if (!reached) {
    return mouseHoldsPartOfTheSettings() ? ui::TextSlot::SettingsPartlyOnMouse : ui::TextSlot::SettingsNotOnMouse;
  }
  return std::nullopt;
}

void ApplyCommands::ResetProfile() {
  window_.ShowWaitCursor();
  window_.StartTimer(AppTimer::ResetWaitCursor, kWaitCursorMs);
  profile_.LoadDefaultSettings();
  const auto warning = device_.DevicePresent() ? DownloadAndApply() : std::nullopt;
  window_.ClosePopupLists();
  window_.RedrawCurrentPage();
  if (warning) warnings_.Warn(language_.text(*warning));
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
