#pragma once
// A manual-reset event on the standard library, for the simulated mouse and test fakes.
#include <condition_variable>
#include <mutex>

#include "core/device/hid_backend.h"

namespace quendar::device {

class PortableReaderSignal final : public ReaderSignal {
 public:
  void Set() override {
    {
      std::lock_guard lock(mutex_);
      signalled_ = true;
    }
    changed_.notify_all();
  }
  void Reset() override {
    std::lock_guard lock(mutex_);
    signalled_ = false;
  }
  void Wait() override {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return signalled_; });
  }
  bool IsSet() const {
    std::lock_guard lock(mutex_);
    return signalled_;
  }

 private:
  mutable std::mutex mutex_;
  std::condition_variable changed_;
  bool signalled_ = false;
};

}  // namespace quendar::device
