#pragma once
// Device-interface notices of the HID class for the main window, and the part of a WM_DEVICECHANGE
// message the device link reads.
#include <windows.h>

#include <optional>

#include "core/device/device_change.h"

namespace quendar::win32 {

// Registered for the lifetime of this object.
class DeviceNoticeRegistration {
 public:
  DeviceNoticeRegistration() = default;
  ~DeviceNoticeRegistration();
  DeviceNoticeRegistration(const DeviceNoticeRegistration&) = delete;
  DeviceNoticeRegistration& operator=(const DeviceNoticeRegistration&) = delete;

  bool Register(HWND window);
  bool registered() const { return handle_ != nullptr; }

 private:
  HDEVNOTIFY handle_ = nullptr;
};

// The notice header behind lParam as the device link sees it; nothing when lParam carries none.
std::optional<device::DeviceChangeNotice> ReadDeviceChangeNotice(LPARAM lParam);

}  // namespace quendar::win32
