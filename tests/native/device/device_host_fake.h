#pragma once
// Records what the device link asks of the application shell; safe to call from the reader thread.
#include <mutex>
#include <vector>

#include "core/device/device_host.h"
#include "native/device/wait_until.h"

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
 public:
  void OnStageSwitched(std::uint8_t stage) override { Record({NoticeKind::StageSwitched, stage}); }
  void OnMouseNotDetected() override { Record({NoticeKind::NotDetected}); }
  void HideWindow() override { std::lock_guard lock(mutex_); ++hides_; }
  void RunConnectionSteps() override { std::lock_guard lock(mutex_); ++connections_; }

  std::vector<Notice> Notices() const { std::lock_guard lock(mutex_); return notices_; }
  int Hides() const { std::lock_guard lock(mutex_); return hides_; }
  int Connections() const { std::lock_guard lock(mutex_); return connections_; }
  // True when `count` notices arrived before the deadline.
  bool WaitForNotices(std::size_t count) const { return WaitUntil([&] { return Notices().size() >= count; }); }

 private:
  void Record(Notice notice) { std::lock_guard lock(mutex_); notices_.push_back(notice); }
  mutable std::mutex mutex_;
  std::vector<Notice> notices_;
  int hides_ = 0, connections_ = 0;
};

}  // namespace quendar::device::testing
