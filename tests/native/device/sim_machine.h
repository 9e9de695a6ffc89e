#pragma once
// A simulated mouse behind the HID stack, a device link over it, and an application shell that records
// what the link asks of it (safe to call from the reader thread).
#include <chrono>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "core/device/device_change.h"
#include "core/device/device_host.h"
#include "core/device/device_link.h"
#include "sim/sim_hid_backend.h"

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

struct SimMachine {
  explicit SimMachine(std::vector<sim::SimInterface> listing = sim::DefaultListing())
      : mouse(sim::SimulatedMouse::Create({.listing = std::move(listing)})), backend(mouse), link(backend) {}
  SimMachine(const SimMachine&) = delete;
  SimMachine& operator=(const SimMachine&) = delete;
  ~SimMachine() { mouse->SetNoticeSink(nullptr); }

  // The sim's arrival and removal notices reach the link as WM_DEVICECHANGE would, on the calling thread.
  void RouteNoticesTo(DeviceHost& host) {
    mouse->SetNoticeSink([this, &host](std::uint32_t code, const std::wstring& path) {
      const DeviceChangeNotice notice{kDeviceTypeInterface, path};
      OnDeviceChange(link, host, code, &notice);
    });
  }
  // Unplugs without telling anyone, as if the notices were lost.
  void UnplugSilently() {
    mouse->SetNoticeSink(nullptr);
    mouse->Unplug();
  }

  std::shared_ptr<sim::SimulatedMouse> mouse;
  sim::SimHidBackend backend;
  DeviceLink link;
};

// The machine with the application shell listening to its notices.
struct HostedMachine : SimMachine {
  explicit HostedMachine(std::vector<sim::SimInterface> listing = sim::DefaultListing())
      : SimMachine(std::move(listing)) {
    RouteNoticesTo(host);
  }
  DeviceHostFake host;
};

}  // namespace quendar::device::testing
