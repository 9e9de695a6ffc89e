#include "core/app/tray_commands.h"

#include "core/app/balloon.h"

namespace quendar::app {

TrayCommands::TrayCommands(MainWindowPort& window, ProfilePort& profile, DevicePort& device, ApplyCommands& apply,
                           const ui::InterfaceLanguage& language)
    : window_(window), profile_(profile), device_(device), apply_(apply), language_(language) {}

void TrayCommands::OnTrayCallback(unsigned mouseMessage) {
  switch (mouseMessage) {
    case kTrayLeftButtonUp:
    case kTrayLeftDoubleClick:
      ShowMainWindow();
      break;
    case kTrayRightButtonUp:
      window_.ShowTrayMenu(language_.text(ui::TextSlot::Exit));
      break;
    default:
      break;
  }
}

void TrayCommands::ShowMainWindow() {
  if (apply_.TakeReloadOnShow()) {
    // "Cancel" dropped the edits: show what the files hold.
    window_.ClosePopupLists();
    profile_.ReadProfileTexts();
    profile_.LoadProfile();
    window_.RedrawCurrentPage();
  } else if (window_.MainPageDrawn()) {
    window_.RedrawCurrentPage();
  } else {
    window_.DrawMainPage();
  }
  window_.ShowInForeground();
  if (!device_.DevicePresent()) window_.SendDeviceNotice(kNoticeNotDetected, 0);
}

void TrayCommands::OnDeviceNotice(unsigned code, std::intptr_t argument) {
  switch (code) {
    case kNoticeStageSwitched:
      ShowStageSwitch(argument);
      break;
    case kNoticeNotDetected:
      window_.ShowBalloon(NotDetectedBalloon(language_.language()));
      break;
    default:
      break;
  }
}

void TrayCommands::ShowStageSwitch(std::intptr_t stage) {
  // The stages are read back even for a report that shows nothing: the mouse's state is current.
  const bool readBack = !device_.ReadCpiStages();
  if (stage < 1 || stage > ui::kCpiStageCount) return;
  const int n = static_cast<int>(stage);
  // A value the mouse did not confirm is not shown.
  const std::optional<std::uint8_t> code = readBack ? std::optional(device_.StageCode(n)) : std::nullopt;
  const auto balloon = StageSwitchBalloon(language_.language(), n, code, device_.SensorType());
  if (balloon) window_.ShowBalloon(*balloon);
}

}  // namespace quendar::app
