#pragma once
// Pauses of 2 and 3 ms that last what they say. Sleep() rounds up to the 15.6 ms tick of a stock
// machine; a high-resolution waitable timer does not, but it still wakes somewhat late, by an amount
// that depends on the system. The pacer learns that lateness, lets the timer sleep only up to that much
// before the deadline and spins the rest on the performance counter. Without such a timer (older
// systems) the whole pause is spun: pauses are a few milliseconds and only happen during a transfer.
#include <windows.h>

#include <atomic>

#include "core/device/pacer.h"
#include "win32/framework/unique_handle.h"

namespace quendar::win32 {

class HighResolutionPacer final : public device::Pacer {
 public:
  HighResolutionPacer();
  void Pause(std::chrono::microseconds duration) override;
  std::chrono::microseconds Now() const override;
  bool HasHighResolutionTimer() const { return timer_.valid(); }

 private:
  void SleepOnTimer(long long microseconds);

  UniqueKernelHandle timer_;
  long long frequency_ = 1;
  // How late the timer has been waking lately: rises at once, decays slowly.
  std::atomic<long long> timerLatenessUs_{500};
};

}  // namespace quendar::win32
