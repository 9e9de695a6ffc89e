// A cancel that lands after the reader armed its read but before the platform had it must still end
// the read: the reader checks the latch once the read is issued.
#include "core/device/read_cancel_latch.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace quendar::device {
namespace {

void Spin(unsigned rounds) {
  for (volatile unsigned i = 0; i < rounds; i = i + 1) {
  }
}

TEST(ReaderCancelRaceTest, ACancelBetweenArmingAndIssuingIsNeverLost) {
  // The two sides start together, each after its own short spin, so the cancel lands before, during and
  // after the issue over the rounds. The platform's read ends on a cancel only once it was issued.
  for (unsigned round = 0; round < 6000; ++round) {
    ReadCancelLatch latch;
    std::atomic<bool> ready{false}, armed{false}, issued{false}, ended{false};
    const auto cancelRead = [&] { if (issued.load()) ended.store(true); };
    std::thread canceller([&] {
      ready.store(true);
      while (!armed.load()) std::this_thread::yield();
      Spin(round % 40 * 5);
      if (latch.RequestCancel()) cancelRead();
    });
    while (!ready.load()) std::this_thread::yield();
    latch.Arm();
    armed.store(true);
    Spin(round / 40 % 50 * 4);
    issued.store(true);
    if (latch.CancelledSinceArm()) cancelRead();
    canceller.join();
    ASSERT_TRUE(ended.load()) << "round " << round;
    latch.Disarm();
  }
}

}  // namespace
}  // namespace quendar::device
