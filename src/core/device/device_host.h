#pragma once
// What the device link asks of the application shell: to tell the user what the mouse did, and the
// work that belongs to other subsystems when the mouse arrives. The main dialog implements it.
#include <cstdint>

namespace quendar::device {

class DeviceHost {
 public:
  virtual ~DeviceHost() = default;
  // The mouse's CPI button switched to `stage` (as the mouse reported it, unchecked). Called from the
  // reader thread; returns once the main window has handled it.
  virtual void OnStageSwitched(std::uint8_t stage) = 0;
  // The mouse is gone, or an arrival did not find it whole.
  virtual void OnMouseNotDetected() = 0;
  virtual void HideWindow() = 0;
  // After an arrival connected the mouse: the connection reads and writes of the command set, then
  // the reload of the profile list, the current profile and its label file.
  virtual void RunConnectionSteps() = 0;
};

}  // namespace quendar::device
