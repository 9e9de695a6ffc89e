#include "win32/device/high_resolution_pacer.h"

#ifndef CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
#define CREATE_WAITABLE_TIMER_HIGH_RESOLUTION 0x00000002
#endif

namespace quendar::win32 {

namespace {
// The timer may wake this much late; that part is spun instead.
constexpr long long kSpinMarginUs = 500;
}  // namespace

HighResolutionPacer::HighResolutionPacer()
    : timer_(::CreateWaitableTimerExW(nullptr, nullptr, CREATE_WAITABLE_TIMER_HIGH_RESOLUTION, TIMER_ALL_ACCESS)) {
  LARGE_INTEGER frequency;
  ::QueryPerformanceFrequency(&frequency);
  frequency_ = frequency.QuadPart;
}

long long HighResolutionPacer::CounterNow() const {
  LARGE_INTEGER now;
  ::QueryPerformanceCounter(&now);
  return now.QuadPart;
}

std::chrono::microseconds HighResolutionPacer::Now() const {
  const long long ticks = CounterNow();
  return std::chrono::microseconds((ticks / frequency_) * 1'000'000 + (ticks % frequency_) * 1'000'000 / frequency_);
}

void HighResolutionPacer::Pause(std::chrono::microseconds duration) {
  const auto deadline = Now() + duration;
  const long long sleepUs = duration.count() - kSpinMarginUs;
  if (timer_.valid() && sleepUs > 0) {
    LARGE_INTEGER due;
    due.QuadPart = -sleepUs * 10;  // relative, in 100 ns units
    if (::SetWaitableTimer(timer_.get(), &due, 0, nullptr, nullptr, FALSE)) {
      ::WaitForSingleObject(timer_.get(), INFINITE);
    }
  }
  while (Now() < deadline) ::SwitchToThread();
}

}  // namespace quendar::win32
