#pragma once
// A cancel of an overlapped read may come from any thread at any moment, also after the reader has
// marked its read as pending but before the platform has it: a platform cancel then finds nothing to
// end, and the read would wait for a report that may never come. The latch remembers such a cancel,
// so the reader ends the read it has just issued.
#include <mutex>

namespace quendar::device {

class ReadCancelLatch {
 public:
  // The reader, before it issues a read.
  void Arm() {
    std::lock_guard lock(mutex_);
    armed_ = true;
    cancelled_ = false;
  }
  // The reader, right after issuing: true when a cancel came since Arm, and the reader must cancel the
  // read it has issued itself.
  bool CancelledSinceArm() const {
    std::lock_guard lock(mutex_);
    return cancelled_;
  }
  // The reader, once the read has ended.
  void Disarm() {
    std::lock_guard lock(mutex_);
    armed_ = false;
  }
  // Any thread: records the cancel and answers whether a read is armed, whose platform cancel the
  // caller then asks for (it ends the read if it has been issued; the reader's check covers the rest).
  bool RequestCancel() {
    std::lock_guard lock(mutex_);
    cancelled_ = true;
    return armed_;
  }

 private:
  mutable std::mutex mutex_;
  bool armed_ = false;
  bool cancelled_ = false;
};

}  // namespace quendar::device
