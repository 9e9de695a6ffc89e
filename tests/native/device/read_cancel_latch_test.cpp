// A cancel that lands after the reader armed its read but before the platform had it must still end
// the read: the reader checks the latch once the read is issued.
#include "core/device/read_cancel_latch.h"

#include <gtest/gtest.h>

#include <atomic>
#include <mutex>
#include <thread>

namespace quendar::device {
namespace {

// The platform's side of one overlapped read: a cancel ends it only once it has been issued.
class PlatformRead {
 public:
  void Issue() {
    std::lock_guard lock(mutex_);
    issued_ = true;
  }
  void Cancel() {
    std::lock_guard lock(mutex_);
    if (issued_) ended_ = true;
  }
  bool ended() const {
    std::lock_guard lock(mutex_);
    return ended_;
  }

 private:
  mutable std::mutex mutex_;
  bool issued_ = false;
  bool ended_ = false;
};

void Spin(unsigned rounds) {
  for (volatile unsigned i = 0; i < rounds; i = i + 1) {
  }
}

TEST(ReaderCancelRaceTest, ACancelBetweenArmingAndIssuingIsNeverLost) {
  // The two sides start together, each after its own short spin, so the cancel lands before, during and
  // after the issue over the rounds.
  for (unsigned round = 0; round < 6000; ++round) {
    ReadCancelLatch latch;
    PlatformRead read;
    std::atomic<bool> ready{false};
    std::atomic<bool> armed{false};
    std::thread canceller([&] {
      ready.store(true);
      while (!armed.load()) std::this_thread::yield();
      Spin(round % 40 * 5);
      if (latch.RequestCancel()) read.Cancel();
    });
    while (!ready.load()) std::this_thread::yield();
    latch.Arm();
    armed.store(true);
    Spin(round / 40 % 50 * 4);
    read.Issue();
    if (latch.CancelledSinceArm()) read.Cancel();
    canceller.join();
    ASSERT_TRUE(read.ended()) << "round " << round;
    latch.Disarm();
  }
}

}  // namespace
}  // namespace quendar::device
