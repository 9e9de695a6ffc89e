#pragma once
// The notification icon's clicks and the device notices that become balloons.
#include <cstdint>

#include "core/app/app_ports.h"
#include "core/app/apply_commands.h"
#include "core/ui/interface_language.h"

namespace quendar::app {

// Mouse messages the icon reports in lParam of its callback.
inline constexpr unsigned kTrayLeftButtonUp = 0x202;
inline constexpr unsigned kTrayLeftDoubleClick = 0x203;
inline constexpr unsigned kTrayRightButtonUp = 0x205;

class TrayCommands {
 public:
  // `language` is the main dialog's, read at each click or notice (it is set during start-up).
  TrayCommands(MainWindowPort& window, ProfilePort& profile, DevicePort& device, ApplyCommands& apply,
               const ui::InterfaceLanguage& language);

  void OnTrayCallback(unsigned mouseMessage);
  // Always answers 0 to the sender.
  void OnDeviceNotice(unsigned code, std::intptr_t argument);

 private:
  void ShowMainWindow();
  void ShowStageSwitch(std::intptr_t stage);

  MainWindowPort& window_;
  ProfilePort& profile_;
  DevicePort& device_;
  ApplyCommands& apply_;
  const ui::InterfaceLanguage& language_;
};

}  // namespace quendar::app
