#pragma once
// What differs between the program's builds: the real one talks to the mouse through the platform,
// the demo build to the simulated mouse.
#include <memory>

#include "core/device/hid_backend.h"

namespace quendar::win32 {

struct AppEnvironment {
  bool simulatedMouse = false;
  // The HID stack the device link discovers the mouse through.
  std::shared_ptr<device::HidBackend> hidBackend;
};

}  // namespace quendar::win32
