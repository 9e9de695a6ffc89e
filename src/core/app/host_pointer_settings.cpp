#include "core/app/host_pointer_settings.h"

namespace quendar::app {

std::array<SystemParameterCall, 4> HostPointerCalls(const profiles::HostPointerSettings& settings) {
  SystemParameterCall mouse{.action = SpiAction::SetMouse,
                            .pointerParam = SpiPointerParam::Triple,
                            .triple = settings.acceleration,
                            .updateFlags = kSpiSendChange,
                            .failureWarning = L"SETMOUSE failed."};
  // The speed travels in the pointer parameter itself, not behind it.
  SystemParameterCall speed{.action = SpiAction::SetMouseSpeed,
                            .pointerParam = SpiPointerParam::Value,
                            .value = static_cast<std::uintptr_t>(settings.pointerSpeed),
                            .updateFlags = kSpiSendChange,
                            .failureWarning = L"SETMOUSESPEED failed."};
  SystemParameterCall wheel{.action = SpiAction::SetWheelScrollLines,
                            .uiParam = settings.wheel.onePagePerNotch ? kWheelScrollOneScreen : settings.wheel.lines,
                            .updateFlags = kSpiSendChange,
                            .failureWarning = L"SETWHEELSCROLLLINES failed."};
  SystemParameterCall doubleClick{.action = SpiAction::SetDoubleClickTime,
                                  .uiParam = settings.doubleClickTimeMs,
                                  .updateFlags = kSpiUpdateProfileAndSendChange,
                                  .failureWarning = L"SPI_SETDOUBLECLICKTIME failed."};
  return {mouse, speed, wheel, doubleClick};
}

int ApplyHostPointerSettings(const profiles::HostPointerSettings& settings, SystemParametersPort& platform,
                             WarningPort& warnings) {
  int refused = 0;
  for (const SystemParameterCall& call : HostPointerCalls(settings)) {
    if (platform.Apply(call)) continue;
    ++refused;
    warnings.Warn(call.failureWarning);
  }
  return refused;
}

}  // namespace quendar::app
