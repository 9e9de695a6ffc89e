#pragma once
#include <chrono>
#include <thread>

namespace quendar::device::testing {

// Polls a condition until it holds or a deadline passes: effects of other threads are waited for so.
template <class Condition>
bool WaitUntil(Condition condition, std::chrono::milliseconds deadline = std::chrono::seconds(5)) {
  const auto end = std::chrono::steady_clock::now() + deadline;
  while (!condition()) {
    if (std::chrono::steady_clock::now() >= end) return condition();
    std::this_thread::sleep_for(std::chrono::microseconds(200));
  }
  return true;
}

}  // namespace quendar::device::testing
