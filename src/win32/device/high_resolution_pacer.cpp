#include "win32/device/high_resolution_pacer.h"

#include <algorithm>

#ifndef CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
#define CREATE_WAITABLE_TIMER_HIGH_RESOLUTION 0x00000002
#endif

namespace quendar::win32 {

namespace {
// Left to the spin beyond the learnt lateness, for the wake-up's own jitter.
constexpr long long kSpinReserveUs = 200;
}  // namespace

HighResolutionPacer::HighResolutionPacer()
    : timer_(::CreateWaitableTimerExW(nullptr, nullptr, CREATE_WAITABLE_TIMER_HIGH_RESOLUTION, TIMER_ALL_ACCESS)) {
  LARGE_INTEGER frequency;
  ::QueryPerformanceFrequency(&frequency);
  frequency_ = frequency.QuadPart;
}

std::chrono::microseconds HighResolutionPacer::Now() const {
  LARGE_INTEGER now;
  ::QueryPerformanceCounter(&now);
  const long long ticks = now.QuadPart;
  return std::chrono::microseconds((ticks / frequency_) * 1'000'000 + (ticks % frequency_) * 1'000'000 / frequency_);
}

void HighResolutionPacer::SleepOnTimer(long long microseconds) {
  LARGE_INTEGER due;
  due.QuadPart = -microseconds * 10;  // relative, in 100 ns units
  const auto start = Now();
  if (!::SetWaitableTimer(timer_.get(), &due, 0, nullptr, nullptr, FALSE)) return;
  ::WaitForSingleObject(timer_.get(), INFINITE);
  const long long late = std::max(0LL, (Now() - start).count() - microseconds);
  const long long previous = timerLatenessUs_.load();
  timerLatenessUs_.store(late > previous ? late : (previous * 7 + late) / 8);
}

void HighResolutionPacer::Pause(std::chrono::microseconds duration) {
  const auto deadline = Now() + duration;
  const long long sleepUs = duration.count() - timerLatenessUs_.load() - kSpinReserveUs;
  if (timer_.valid() && sleepUs > 0) SleepOnTimer(sleepUs);
  // A yield here could hand the processor away for a whole time slice on a busy machine.
  while (Now() < deadline) YieldProcessor();
}

}  // namespace quendar::win32
