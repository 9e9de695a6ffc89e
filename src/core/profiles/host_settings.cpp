#include "core/profiles/host_settings.h"

#include <algorithm>

namespace quendar::profiles {

namespace {
// The dials offer levels 2..12; a stored byte outside that range must not become a speed the system
// rejects or a negative double-click time that wraps around to minutes.
constexpr int kSlowestDoubleClickLevel = 1;
constexpr int kFastestDoubleClickLevel = 12;
constexpr int kMinPointerSpeed = 1;
constexpr int kMaxPointerSpeed = 20;
}  // namespace

HostPointerSettings HostSettingsFrom(const ProfileRecord& record) {
  HostPointerSettings settings;
  const int speedLevel = record.PointerSpeed();
  settings.pointerSpeed =
      speedLevel == 1 ? 1 : std::clamp(2 * speedLevel - 2, kMinPointerSpeed, kMaxPointerSpeed);

  const int clickLevel = std::clamp<int>(record.DoubleClickSpeed(), kSlowestDoubleClickLevel, kFastestDoubleClickLevel);
  settings.doubleClickTimeMs = static_cast<unsigned>(900 - (clickLevel - 1) * 70);

  settings.wheel.onePagePerNotch = record.ScrollOneScreen() != 0;
  settings.wheel.lines = record.ScrollLines();

  settings.acceleration = record.PointerPrecision() == 1 ? std::array<int, 3>{6, 10, 1} : std::array<int, 3>{0, 0, 0};
  return settings;
}

}  // namespace quendar::profiles
