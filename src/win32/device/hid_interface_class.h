#pragma once
// The HID device-interface class {4D1E55B2-F16F-11CF-88CB-001111000030}: enumerated for discovery
// and registered for arrival and removal notices.
#include <windows.h>

namespace quendar::win32 {

inline constexpr GUID kHidInterfaceClass = {0x4D1E55B2, 0xF16F, 0x11CF, {0x88, 0xCB, 0x00, 0x11, 0x11, 0x00, 0x00, 0x30}};

}  // namespace quendar::win32
