#pragma once
// What the device link asks of the application shell: the main window's notices and the work that
// belongs to other subsystems when the mouse arrives. The main dialog implements it.
#include <cstdint>

namespace quendar::device {

class DeviceHost {
 public:
  virtual ~DeviceHost() = default;
  // Delivers DeviceNotice (code 7 with the stage, 15 with 0) to the main window and returns once it
  // has been handled. Called from the reader thread for code 7.
  virtual void SendDeviceNotice(unsigned code, std::intptr_t argument) = 0;
  virtual void HideWindow() = 0;
  // After an arrival connected the mouse: the connection reads and writes of the command set, then
  // the reload of the profile list, the current profile and its label file.
  virtual void RunConnectionSteps() = 0;
};

}  // namespace quendar::device
