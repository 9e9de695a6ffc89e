#pragma once
// The four host pointer settings that follow from a record.
#include <array>

#include "core/profiles/profile_record.h"

namespace quendar::profiles {

struct WheelScroll {
  bool onePagePerNotch = false;
  unsigned lines = 0;  // used when onePagePerNotch is false
};

struct HostPointerSettings {
  int pointerSpeed = 0;                    // SPI_SETMOUSESPEED (the platform takes 1..20)
  unsigned doubleClickTimeMs = 0;          // SetDoubleClickTime
  WheelScroll wheel;                       // SPI_SETWHEELSCROLLLINES
  std::array<int, 3> acceleration{};       // SPI_SETMOUSE: threshold 1, threshold 2, acceleration
};

HostPointerSettings HostSettingsFrom(const ProfileRecord& record);

}  // namespace quendar::profiles
