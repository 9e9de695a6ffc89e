#pragma once
// Arrival and removal notices of HID interfaces for a window, and their translation into what the
// device link looks at.
#include <windows.h>

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "core/device/device_change.h"

namespace quendar::win32 {

// Registers `window` for device-interface notices of the HID class while it lives.
class DeviceNotificationRegistration {
 public:
  explicit DeviceNotificationRegistration(HWND window);
  ~DeviceNotificationRegistration();
  DeviceNotificationRegistration(const DeviceNotificationRegistration&) = delete;
  DeviceNotificationRegistration& operator=(const DeviceNotificationRegistration&) = delete;
  bool valid() const { return notify_ != nullptr; }

 private:
  HDEVNOTIFY notify_ = nullptr;
};

// The notice behind WM_DEVICECHANGE's lParam, or nullopt when there is none. The path is read only
// within the size the header states.
std::optional<device::DeviceChangeNotice> ReadDeviceChangeNotice(LPARAM lParam);

// A device-interface notice of the HID class for `path`, laid out as the system delivers it.
std::vector<std::byte> BuildInterfaceNotice(const std::wstring& path);
// Delivers WM_DEVICECHANGE with such a notice to `window`, as the system would (the simulated mouse's
// plug and unplug in the demo build).
LRESULT SendDeviceChange(HWND window, std::uint32_t eventCode, const std::wstring& path);

}  // namespace quendar::win32
