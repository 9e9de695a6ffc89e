#include "core/profiles/host_settings.h"

#include <algorithm>

namespace quendar::profiles {

namespace {
// A stored double-click level outside the dial's 1..12 must not become a negative time that wraps
// around to minutes.
constexpr int kSlowestDoubleClickLevel = 1;
constexpr int kFastestDoubleClickLevel = 12;
}  // namespace

HostPointerSettings HostSettingsFrom(const ProfileRecord& record) {
  HostPointerSettings settings;
  const int speedLevel = record.PointerSpeed();
  // Passed on as computed: the top dial level gives 22, beyond the platform's 1..20, and the platform's
  // refusal is shown to the user as a warning rather than silently turned into another speed.
  settings.pointerSpeed = speedLevel == 1 ? 1 : 2 * speedLevel - 2;

  const int clickLevel = std::clamp<int>(record.DoubleClickSpeed(), kSlowestDoubleClickLevel, kFastestDoubleClickLevel);
  settings.doubleClickTimeMs = static_cast<unsigned>(900 - (clickLevel - 1) * 70);

  settings.wheel.onePagePerNotch = record.ScrollOneScreen() != 0;
  settings.wheel.lines = record.ScrollLines();

  settings.acceleration = record.PointerPrecision() == 1 ? std::array<int, 3>{6, 10, 1} : std::array<int, 3>{0, 0, 0};
  return settings;
}

}  // namespace quendar::profiles
