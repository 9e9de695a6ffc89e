#pragma once
// Arrival and removal of the mouse's interfaces while the program runs (the main dialog's
// WM_DEVICECHANGE handler).
#include <cstdint>
#include <string>
#include <string_view>

#include "core/device/device_host.h"
#include "core/device/device_link.h"

namespace quendar::device {

inline constexpr std::uint32_t kDeviceArrival = 0x8000;
inline constexpr std::uint32_t kDeviceRemoveComplete = 0x8004;
inline constexpr std::uint32_t kDeviceTypeInterface = 5;

// The part of a device-change notice the link looks at.
struct DeviceChangeNotice {
  std::uint32_t deviceType = 0;
  std::wstring path;  // the device-interface path; empty for other device types
};

// True when the path carries the mouse's vendor and product part ("VID_04D9&PID_A165"), in any case.
bool PathNamesTheMouse(std::wstring_view path);

// Always true. `notice` may be null (events without a header).
bool OnDeviceChange(DeviceLink& link, DeviceHost& host, std::uint32_t eventCode, const DeviceChangeNotice* notice);

}  // namespace quendar::device
