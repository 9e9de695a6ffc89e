#pragma once
// Records what the device link asks of the application shell; safe to call from the reader thread.
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <vector>

#include "core/device/device_host.h"

namespace quendar::device::testing {

enum class NoticeKind { StageSwitched, NotDetected };

struct Notice {
  NoticeKind kind;
  int stage = 0;
  friend bool operator==(const Notice&, const Notice&) = default;
};
inline constexpr Notice kNotDetected{NoticeKind::NotDetected};
constexpr Notice StageNotice(int stage) { return {NoticeKind::StageSwitched, stage}; }

class DeviceHostFake final : public DeviceHost {
  template <class Action>
  auto Locked(Action action) const {
    std::lock_guard lock(mutex_);
    return action();
  }

 public:
  void OnStageSwitched(std::uint8_t stage) override { Record({NoticeKind::StageSwitched, stage}); }
  void OnMouseNotDetected() override { Record({NoticeKind::NotDetected}); }
  void HideWindow() override { Locked([&] { return ++hides_; }); }
  void RunConnectionSteps() override { Locked([&] { return ++connections_; }); }

  std::vector<Notice> Notices() const { return Locked([&] { return notices_; }); }
  int Hides() const { return Locked([&] { return hides_; }); }
  int Connections() const { return Locked([&] { return connections_; }); }
  // Waits until `count` notices arrived or the deadline passed; true when they did.
  bool WaitForNotices(std::size_t count, std::chrono::milliseconds deadline = std::chrono::seconds(5)) const {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, deadline, [&] { return notices_.size() >= count; });
  }

 private:
  void Record(Notice notice) {
    Locked([&] { notices_.push_back(notice); return 0; });
    changed_.notify_all();
  }

  mutable std::mutex mutex_;
  mutable std::condition_variable changed_;
  std::vector<Notice> notices_;
  int hides_ = 0;
  int connections_ = 0;
};

}  // namespace quendar::device::testing
