#include "sim/simulated_mouse.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <utility>

#include "core/device/device_change.h"
#include "core/protocol/mouse_protocol.h"

namespace quendar::sim {

namespace {
constexpr std::size_t kEventQueueLimit = 32;  // the platform's input buffer keeps this many reports
constexpr std::uint8_t kOverstatedReplyLength = 200;

// Counts one open platform object for as long as it lives.
class HandleCount {
 public:
  explicit HandleCount(std::atomic<int>& count) : count_(count) { count_.fetch_add(1); }
  ~HandleCount() { count_.fetch_sub(1); }
  HandleCount(const HandleCount&) = delete;
  HandleCount& operator=(const HandleCount&) = delete;

 private:
  std::atomic<int>& count_;
};
}  // namespace

struct SimulatedMouse::EventEndpoint {
  enum class ReadState { Idle, Pending, Ended };
  unsigned generation = 0;
  std::deque<std::vector<std::uint8_t>> queued;
  ReadState state = ReadState::Idle;
  std::size_t length = 0;  // of the read in progress
  device::EventReport report;
  device::ReaderSignal* wake = nullptr;  // the signal the reader waits on meanwhile, if it waits
};

class SimulatedMouse::InterfaceList final : public device::HidInterfaceList {
 public:
  InterfaceList(std::shared_ptr<SimulatedMouse> mouse, std::vector<SimInterface> snapshot)
      : mouse_(std::move(mouse)), handle_(mouse_->openHandles_), snapshot_(std::move(snapshot)) {}
  device::DeviceResult<std::optional<std::wstring>> PathAt(std::uint32_t index) override {
    if (index >= snapshot_.size()) return std::optional<std::wstring>();
    return std::optional<std::wstring>(snapshot_[index].path);
  }

 private:
  std::shared_ptr<SimulatedMouse> mouse_;
  HandleCount handle_;
  std::vector<SimInterface> snapshot_;
};

class SimulatedMouse::Probe final : public device::HidProbe {
 public:
  Probe(std::shared_ptr<SimulatedMouse> mouse, SimInterface item)
      : mouse_(std::move(mouse)), handle_(mouse_->openHandles_), item_(std::move(item)) {}
  device::DeviceResult<device::HidAttributes> Attributes() override { return item_.attributes; }
  device::DeviceResult<device::HidCaps> Capabilities() override {
    if (item_.faults.noPreparsedData) {
      return device::DeviceFailure{device::DeviceCall::ReadPreparsedData, item_.path, kGeneralFailure};
    }
    if (item_.faults.invalidPreparsedData) {
      return device::DeviceFailure{device::DeviceCall::ReadCapabilities, item_.path, device::kInvalidPreparsedData};
    }
    return item_.caps;
  }

 private:
  std::shared_ptr<SimulatedMouse> mouse_;
  HandleCount handle_;
  SimInterface item_;
};

class SimulatedMouse::CommandChannel final : public device::HidChannel {
 public:
  CommandChannel(std::shared_ptr<SimulatedMouse> mouse, unsigned generation)
      : mouse_(std::move(mouse)), handle_(mouse_->openHandles_), generation_(generation) {}

  device::IoResult SetFeature(std::span<const std::uint8_t> report, device::Deadline) override {
    std::lock_guard lock(mouse_->mutex_);
    if (retired_ || !mouse_->Live(generation_)) return Dead(WireKind::FeatureOut, report);
    const bool rejected =
        report.size() <= device::CommandPacket::kSize || mouse_->ConsumeFault(Fault::RejectedPacket);
    mouse_->Record(WireKind::FeatureOut, report, !rejected);
    if (rejected) return device::IoResult::Failed(kGeneralFailure);
    device::CommandPacket packet;
    std::memcpy(packet.bytes.data(), report.data() + 1, device::CommandPacket::kSize);
    if (packet.IsRead() && mouse_->ConsumeFault(Fault::OversizedReplyLength)) {
      mouse_->firmware_.OverstateNextReplyLength(kOverstatedReplyLength);
    }
    mouse_->firmware_.ReceivePacket(packet);
    return device::IoResult::Done(report.size());
  }

  device::IoResult GetFeature(std::span<std::uint8_t> report, device::Deadline deadline) override {
    std::unique_lock lock(mouse_->mutex_);
    std::fill(report.begin(), report.end(), 0);
    if (retired_ || !mouse_->Live(generation_)) return Dead(WireKind::FeatureIn, report);
    std::optional<device::CommandPacket> reply = mouse_->firmware_.TakeReply();
    if (reply && mouse_->ConsumeFault(Fault::IgnoredCancel)) {
      // Neither the reply nor the cancel comes: the platform's channel gives up after the grace.
      mouse_->unplugged_.wait_until(lock, deadline + device::kCancelGrace, [] { return false; });
      mouse_->Record(WireKind::FeatureIn, report, false);
      retired_ = true;
      return device::IoResult::Failed(device::kInterfaceRetiredError);
    }
    if (reply && mouse_->ConsumeFault(Fault::StalledReply)) {
      // The reply never comes: the platform waits out the deadline, unless the mouse leaves first.
      mouse_->unplugged_.wait_until(lock, deadline, [&] { return !mouse_->Live(generation_); });
      mouse_->Record(WireKind::FeatureIn, report, false);
      return device::IoResult::Failed(mouse_->Live(generation_) ? device::kTimeoutError : kDeviceNotConnected);
    }
    if (!reply || mouse_->ConsumeFault(Fault::FailedFetch)) {
      mouse_->Record(WireKind::FeatureIn, report, false);
      return device::IoResult::Failed(kGeneralFailure);
    }
    if (report.size() > 1) {
      std::memcpy(report.data() + 1, reply->bytes.data(), std::min(report.size() - 1, reply->bytes.size()));
    }
    mouse_->Record(WireKind::FeatureIn, report, true);
    return device::IoResult::Done(report.size());
  }

  device::IoResult ReadReport(std::span<std::uint8_t> report, device::Deadline) override {
    std::lock_guard lock(mouse_->mutex_);
    std::fill(report.begin(), report.end(), 0);
    if (retired_ || !mouse_->Live(generation_)) return Dead(WireKind::ReportIn, report);
    // A real mouse with nothing to send leaves the read blocked until its deadline; this one fails it
    // at once with the same answer.
    const std::optional<Chunk> chunk = mouse_->firmware_.TakeChunk();
    if (!chunk || report.empty()) {
      mouse_->Record(WireKind::ReportIn, report, false);
      return device::IoResult::Failed(device::kTimeoutError);
    }
    std::memcpy(report.data() + 1, chunk->data(), std::min(report.size() - 1, chunk->size()));
    std::size_t bytes = report.size();
    if (mouse_->ConsumeFault(Fault::ShortRead)) {
      bytes = report.size() / 2;
      std::fill(report.begin() + static_cast<std::ptrdiff_t>(bytes), report.end(), 0);
    }
    mouse_->Record(WireKind::ReportIn, report.first(bytes), true);
    return device::IoResult::Done(bytes);
  }

  device::IoResult WriteReport(std::span<const std::uint8_t> report, device::Deadline) override {
    std::lock_guard lock(mouse_->mutex_);
    if (retired_ || !mouse_->Live(generation_) || report.empty()) return Dead(WireKind::ReportOut, report);
    mouse_->Record(WireKind::ReportOut, report, true);
    Chunk chunk{};
    std::memcpy(chunk.data(), report.data() + 1, std::min(chunk.size(), report.size() - 1));
    mouse_->firmware_.ReceiveChunk(chunk);
    return device::IoResult::Done(report.size());
  }

 private:
  // A call on a channel of a mouse that has gone (or a report it cannot carry). Caller holds the lock.
  device::IoResult Dead(WireKind kind, std::span<const std::uint8_t> report) {
    mouse_->Record(kind, report, false);
    return device::IoResult::Failed(retired_ ? device::kInterfaceRetiredError : kDeviceNotConnected);
  }

  std::shared_ptr<SimulatedMouse> mouse_;
  HandleCount handle_;
  unsigned generation_;
  bool retired_ = false;  // guarded by the mouse's lock
};

class SimulatedMouse::EventReader final : public device::EventChannel {
 public:
  EventReader(std::shared_ptr<SimulatedMouse> mouse, std::shared_ptr<EventEndpoint> endpoint, std::wstring path)
      : mouse_(std::move(mouse)), handle_(mouse_->openHandles_), endpoint_(std::move(endpoint)), path_(std::move(path)) {}

  ~EventReader() override {
    std::lock_guard lock(mouse_->mutex_);
    // Closing a handle ends its pending read.
    if (endpoint_->state == EventEndpoint::ReadState::Pending) mouse_->CompleteRead(*endpoint_, 0);
    std::erase(mouse_->eventEndpoints_, endpoint_);
  }

  device::DeviceStatus StartRead(std::size_t length) override {
    std::lock_guard lock(mouse_->mutex_);
    if (!mouse_->Live(endpoint_->generation)) {
      return device::DeviceFailure{device::DeviceCall::StartRead, path_, kDeviceNotConnected};
    }
    if (endpoint_->state != EventEndpoint::ReadState::Idle) return {};  // the last read is still there
    endpoint_->state = EventEndpoint::ReadState::Pending;
    endpoint_->length = std::min(length, endpoint_->report.bytes.size());
    if (!endpoint_->queued.empty()) mouse_->DeliverEventReport(*endpoint_);
    return {};
  }

  std::optional<device::EventReport> WaitForRead(device::ReaderSignal& wake) override {
    std::unique_lock lock(mouse_->mutex_);
    if (endpoint_->state == EventEndpoint::ReadState::Pending) {
      // A completion from now on sets `wake`; one before was seen under the lock.
      endpoint_->wake = &wake;
      lock.unlock();
      wake.Wait();
      lock.lock();
      endpoint_->wake = nullptr;
    }
    if (endpoint_->state != EventEndpoint::ReadState::Ended) return std::nullopt;
    endpoint_->state = EventEndpoint::ReadState::Idle;
    return std::exchange(endpoint_->report, device::EventReport{});
  }

  void CancelPendingRead() override {
    std::lock_guard lock(mouse_->mutex_);
    if (endpoint_->state == EventEndpoint::ReadState::Pending) mouse_->CompleteRead(*endpoint_, 0);
  }

 private:
  std::shared_ptr<SimulatedMouse> mouse_;
  HandleCount handle_;
  std::shared_ptr<EventEndpoint> endpoint_;
  std::wstring path_;
};

void SimulatedMouse::RecordingPacer::Pause(std::chrono::microseconds duration) {
  {
    std::lock_guard lock(mouse_.mutex_);
    WireEntry entry;
    entry.at = mouse_.clock_->Now();
    entry.kind = WireKind::Wait;
    entry.pause = duration;
    mouse_.wireLog_.push_back(std::move(entry));
  }
  mouse_.clock_->Pause(duration);
}

std::chrono::microseconds SimulatedMouse::RecordingPacer::Now() const { return mouse_.clock_->Now(); }

std::shared_ptr<SimulatedMouse> SimulatedMouse::Create(SimOptions options) {
  return std::shared_ptr<SimulatedMouse>(new SimulatedMouse(std::move(options)));
}

SimulatedMouse::SimulatedMouse(SimOptions options)
    : listing_(std::move(options.listing)),
      firmware_(options.state),
      plugged_(options.plugged),
      ownClock_(options.pacer ? nullptr : std::make_unique<device::VirtualPacer>()),
      clock_(options.pacer ? options.pacer : ownClock_.get()) {}

SimulatedMouse::~SimulatedMouse() = default;

void SimulatedMouse::SetListing(std::vector<SimInterface> listing) {
  std::lock_guard lock(mutex_);
  listing_ = std::move(listing);
}

std::vector<SimInterface> SimulatedMouse::PresentInterfaces() const {
  std::lock_guard lock(mutex_);
  std::vector<SimInterface> present;
  for (const SimInterface& item : listing_) {
    if (plugged_ || !item.BelongsToMouse()) present.push_back(item);
  }
  return present;
}

const SimInterface* SimulatedMouse::FindPresent(const std::wstring& path) const {
  for (const SimInterface& item : listing_) {
    if (item.path == path) return plugged_ || !item.BelongsToMouse() ? &item : nullptr;
  }
  return nullptr;
}

MouseState SimulatedMouse::State() const {
  std::lock_guard lock(mutex_);
  return firmware_.State();
}

void SimulatedMouse::SetState(const MouseState& state) {
  std::lock_guard lock(mutex_);
  firmware_.MutableState() = state;
}

unsigned SimulatedMouse::DroppedPackets() const {
  std::lock_guard lock(mutex_);
  return firmware_.DroppedPackets();
}

std::vector<WireEntry> SimulatedMouse::WireLog() const {
  std::lock_guard lock(mutex_);
  return wireLog_;
}

void SimulatedMouse::ClearWireLog() {
  std::lock_guard lock(mutex_);
  wireLog_.clear();
}

void SimulatedMouse::Record(WireKind kind, std::span<const std::uint8_t> bytes, bool ok) {
  WireEntry entry;
  entry.at = clock_->Now();
  entry.kind = kind;
  entry.bytes.assign(bytes.begin(), bytes.end());
  entry.ok = ok;
  wireLog_.push_back(std::move(entry));
}

bool SimulatedMouse::ConsumeFault(Fault fault) {
  const auto kind = static_cast<std::size_t>(fault);
  if (faultCounts_[kind] == 0) return false;
  if (faultDelays_[kind] > 0) {
    --faultDelays_[kind];
    return false;
  }
  --faultCounts_[kind];
  return true;
}

void SimulatedMouse::InjectFault(Fault fault, unsigned times, unsigned after) {
  std::lock_guard lock(mutex_);
  faultCounts_[static_cast<std::size_t>(fault)] += times;
  faultDelays_[static_cast<std::size_t>(fault)] = after;
}

void SimulatedMouse::CompleteRead(EventEndpoint& endpoint, std::size_t bytes) {
  endpoint.state = EventEndpoint::ReadState::Ended;
  endpoint.report.length = bytes;
  if (endpoint.wake != nullptr) endpoint.wake->Set();
}

void SimulatedMouse::DeliverEventReport(EventEndpoint& endpoint) {
  const std::vector<std::uint8_t> report = std::move(endpoint.queued.front());
  endpoint.queued.pop_front();
  const std::size_t bytes = std::min(report.size(), endpoint.length);
  std::copy_n(report.begin(), bytes, endpoint.report.bytes.begin());
  Record(WireKind::EventIn, report, true);
  CompleteRead(endpoint, bytes);
}

int SimulatedMouse::PendingEventReads() const {
  std::lock_guard lock(mutex_);
  return static_cast<int>(std::count_if(eventEndpoints_.begin(), eventEndpoints_.end(), [](const auto& endpoint) {
    return endpoint->state == EventEndpoint::ReadState::Pending;
  }));
}

void SimulatedMouse::SendEventReport(std::span<const std::uint8_t> report) {
  std::lock_guard lock(mutex_);
  if (!plugged_) return;
  for (const std::shared_ptr<EventEndpoint>& endpoint : eventEndpoints_) {
    if (!Live(endpoint->generation)) continue;
    if (endpoint->queued.size() == kEventQueueLimit) endpoint->queued.pop_front();
    endpoint->queued.emplace_back(report.begin(), report.end());
    if (endpoint->state == EventEndpoint::ReadState::Pending) DeliverEventReport(*endpoint);
  }
}

std::uint8_t SimulatedMouse::PressCpiButton() {
  std::vector<std::uint8_t> report;
  std::uint8_t stage = 0;
  {
    std::lock_guard lock(mutex_);
    MouseState& state = firmware_.MutableState();
    const unsigned count = std::min<unsigned>(state.stageCount, static_cast<unsigned>(state.stageBytes.size()));
    for (unsigned step = 1; step <= count; ++step) {
      const unsigned candidate = (state.currentStage - 1 + step) % count + 1;
      if ((state.stageBytes[candidate - 1] & protocol::kStageDisabledBit) == 0) {
        state.currentStage = static_cast<std::uint8_t>(candidate);
        break;
      }
    }
    stage = state.currentStage;
    std::size_t length = 8;
    for (const SimInterface& item : listing_) {
      if (item.role == InterfaceRole::Event) length = std::max<std::size_t>(item.caps.inputReportByteLength, 4);
    }
    report.assign(length, 0);
    report[0] = protocol::kCpiReportId;
    report[1] = protocol::kCpiStageSwitched;
    report[protocol::kCpiReportStageByte] = stage;
  }
  SendEventReport(report);
  return stage;
}

void SimulatedMouse::Unplug() {
  {
    std::lock_guard lock(mutex_);
    if (!plugged_) return;
    plugged_ = false;
    const bool stall = ConsumeFault(Fault::StalledEventRead);
    for (const std::shared_ptr<EventEndpoint>& endpoint : eventEndpoints_) {
      endpoint->queued.clear();
      if (!stall && endpoint->state == EventEndpoint::ReadState::Pending) CompleteRead(*endpoint, 0);
    }
    firmware_.Reset();
  }
  unplugged_.notify_all();
  RaiseNotices(device::kDeviceRemoveComplete);
}

void SimulatedMouse::Plug() {
  {
    std::lock_guard lock(mutex_);
    if (plugged_) return;
    plugged_ = true;
    ++generation_;
  }
  RaiseNotices(device::kDeviceArrival);
}

bool SimulatedMouse::Plugged() const {
  std::lock_guard lock(mutex_);
  return plugged_;
}

void SimulatedMouse::SetNoticeSink(NoticeSink sink) {
  std::lock_guard lock(noticeMutex_);
  noticeSink_ = std::move(sink);
}

void SimulatedMouse::RaiseNotices(std::uint32_t eventCode) {
  std::vector<std::wstring> paths;
  {
    std::lock_guard lock(mutex_);
    for (const SimInterface& item : listing_) {
      if (item.BelongsToMouse()) paths.push_back(item.path);
    }
  }
  // The sink may discover the device again: the mouse's own lock is not held while it runs.
  std::lock_guard lock(noticeMutex_);
  if (!noticeSink_) return;
  for (const std::wstring& path : paths) noticeSink_(eventCode, path);
}

std::unique_ptr<device::HidInterfaceList> SimulatedMouse::ListInterfaces() {
  return std::make_unique<InterfaceList>(shared_from_this(), PresentInterfaces());
}

device::DeviceResult<std::unique_ptr<device::HidProbe>> SimulatedMouse::OpenProbe(const std::wstring& path) {
  std::lock_guard lock(mutex_);
  const SimInterface* item = FindPresent(path);
  if (item == nullptr || item->faults.probeOpenFails) {
    return device::DeviceFailure{device::DeviceCall::OpenProbe, path, kFileNotFound};
  }
  return std::make_unique<Probe>(shared_from_this(), *item);
}

device::DeviceResult<std::unique_ptr<device::HidChannel>> SimulatedMouse::OpenCommandChannel(const std::wstring& path) {
  std::lock_guard lock(mutex_);
  const SimInterface* item = FindPresent(path);
  if (item == nullptr) return device::DeviceFailure{device::DeviceCall::OpenCommandInterface, path, kFileNotFound};
  if (item->faults.openFails) return device::DeviceFailure{device::DeviceCall::OpenCommandInterface, path, kAccessDenied};
  return std::make_unique<CommandChannel>(shared_from_this(), generation_);
}

device::DeviceResult<std::unique_ptr<device::EventChannel>> SimulatedMouse::OpenEventChannel(const std::wstring& path) {
  std::lock_guard lock(mutex_);
  const SimInterface* item = FindPresent(path);
  if (item == nullptr) return device::DeviceFailure{device::DeviceCall::OpenEventInterface, path, kFileNotFound};
  if (item->faults.openFails) return device::DeviceFailure{device::DeviceCall::OpenEventInterface, path, kAccessDenied};
  auto endpoint = std::make_shared<EventEndpoint>();
  endpoint->generation = generation_;
  eventEndpoints_.push_back(endpoint);
  return std::make_unique<EventReader>(shared_from_this(), endpoint, path);
}

}  // namespace quendar::sim
