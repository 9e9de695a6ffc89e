#include "core/device/pacer.h"

#include <thread>

namespace quendar::device {

namespace {
// How much of a pause is left to the spin: covers the scheduler's wake-up latency. The spin does not
// yield: on a busy machine a yield can give the processor away for a whole time slice.
constexpr std::chrono::microseconds kSpinMargin{100};
}  // namespace

void SteadyPacer::Pause(std::chrono::microseconds duration) {
  const auto deadline = std::chrono::steady_clock::now() + duration;
  if (duration > kSpinMargin) std::this_thread::sleep_until(deadline - kSpinMargin);
  while (std::chrono::steady_clock::now() < deadline) {
  }
}

std::chrono::microseconds SteadyPacer::Now() const {
  return std::chrono::duration_cast<std::chrono::microseconds>(
      std::chrono::steady_clock::now().time_since_epoch());
}

}  // namespace quendar::device
