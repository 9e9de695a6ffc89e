#pragma once
// Pauses between device exchanges, and the monotonic time they are measured against. The program and
// the benchmarks pause for real; fast tests use VirtualPacer, which only advances its own time.
#include <atomic>
#include <chrono>

namespace quendar::device {

class Pacer {
 public:
  virtual ~Pacer() = default;
  virtual void Pause(std::chrono::microseconds duration) = 0;
  // Monotonic time since an arbitrary origin.
  virtual std::chrono::microseconds Now() const = 0;
};

inline constexpr std::chrono::milliseconds kIndexedCommandPause{2};
inline constexpr std::chrono::milliseconds kWrittenChunkPause{3};

// Real pauses that last what they say: a coarse sleep up to just before the deadline, then a spin on
// the steady clock. Good wherever the platform's sleep is fine-grained (Linux); the Windows build has
// its own waitable-timer pacer.
class SteadyPacer final : public Pacer {
 public:
  void Pause(std::chrono::microseconds duration) override;
  std::chrono::microseconds Now() const override;
};

// Pauses that take no time: each one advances this pacer's clock. Thread-safe.
class VirtualPacer final : public Pacer {
 public:
  void Pause(std::chrono::microseconds duration) override { now_.fetch_add(duration.count()); }
  std::chrono::microseconds Now() const override { return std::chrono::microseconds{now_.load()}; }
  void Advance(std::chrono::microseconds duration) { now_.fetch_add(duration.count()); }

 private:
  std::atomic<long long> now_{0};
};

}  // namespace quendar::device
