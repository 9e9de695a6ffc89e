#include "core/device/device_link.h"

#include <utility>

namespace quendar::device {

namespace {

bool IsEventInterface(const HidCaps& caps) {
  return caps.usage == kEventUsage && caps.usagePage == kEventUsagePage && caps.inputReportByteLength != 0;
}

bool IsCommandInterface(const HidCaps& caps) {
  return caps.usage == kCommandUsage && caps.usagePage == kCommandUsagePage && caps.featureReportByteLength != 0;
}

// Lengths beyond the transport's and the reader's buffers would overrun them: such an interface is
// treated as not the mouse's.
bool FitsEventBuffer(const HidCaps& caps) { return caps.inputReportByteLength <= kDataBufferSize; }

bool FitsCommandBuffers(const HidCaps& caps) {
  return caps.featureReportByteLength <= kFeatureBufferSize && caps.inputReportByteLength <= kDataBufferSize &&
         caps.outputReportByteLength <= kDataBufferSize;
}

}  // namespace

DeviceLink::DeviceLink(HidBackend& backend) : backend_(backend), readerEvent_(backend.CreateReaderSignal()) {}

DeviceLink::~DeviceLink() { MarkAbsent(); }

DeviceResult<DeviceLink::InterfaceVerdict> DeviceLink::ClassifyInterface(const std::wstring& path, HidCaps& caps) {
  // Another program may hold a device exclusively, or it may leave during the walk: what cannot be
  // asked is not the mouse, and the search goes on.
  DeviceResult<std::unique_ptr<HidProbe>> probe = backend_.OpenProbe(path);
  if (!probe) return InterfaceVerdict::NotTheMouse;
  const DeviceResult<HidAttributes> attributes = (*probe)->Attributes();
  if (!attributes || attributes->vendorId != kMouseVendorId || attributes->productId != kMouseProductId) {
    return InterfaceVerdict::NotTheMouse;
  }
  const DeviceResult<HidCaps> read = (*probe)->Capabilities();
  probe->reset();
  if (!read) return read.failure();
  caps = *read;
  if (IsEventInterface(caps)) {
    return FitsEventBuffer(caps) ? InterfaceVerdict::Event : InterfaceVerdict::NotTheMouse;
  }
  if (IsCommandInterface(caps)) {
    return FitsCommandBuffers(caps) ? InterfaceVerdict::Command : InterfaceVerdict::NotTheMouse;
  }
  return InterfaceVerdict::NotTheMouse;
}

DeviceStatus DeviceLink::OpenEventInterface(const std::wstring& path, const HidCaps& caps) {
  DeviceResult<std::unique_ptr<EventChannel>> channel = backend_.OpenEventChannel(path);
  if (!channel) return channel.failure();
  eventReportByteLength_.store(caps.inputReportByteLength);
  ReplaceEventChannel(std::move(*channel));
  if (readerEvent_) (*readerEvent_)->Set();
  return {};
}

DeviceStatus DeviceLink::DiscoverDevice() {
  DeviceResult<std::unique_ptr<HidInterfaceList>> list = backend_.ListInterfaces();
  if (!list) return list.failure();
  for (std::uint32_t index = 0;; ++index) {
    const DeviceResult<std::optional<std::wstring>> path = (*list)->PathAt(index);
    if (!path) return path.failure();
    if (!path->has_value()) return DeviceFailure{DeviceCall::FindMouse, {}, 0};

    HidCaps caps;
    const DeviceResult<InterfaceVerdict> verdict = ClassifyInterface(**path, caps);
    if (!verdict) return verdict.failure();
    switch (*verdict) {
      case InterfaceVerdict::NotTheMouse:
        break;
      case InterfaceVerdict::Event:
        if (DeviceStatus opened = OpenEventInterface(**path, caps); !opened) return opened;
        break;
      case InterfaceVerdict::Command: {
        DeviceResult<std::unique_ptr<HidChannel>> channel = backend_.OpenCommandChannel(**path);
        if (!channel) return channel.failure();
        commandChannel_ = std::move(*channel);
        commandLengths_ = ReportLengths{caps.featureReportByteLength, caps.inputReportByteLength,
                                        caps.outputReportByteLength};
        devicePresent_.store(true);
        return {};
      }
    }
  }
}

CommandEndpoint DeviceLink::Command() {
  return CommandEndpoint{commandChannel_ ? &commandWatch_ : nullptr, commandLengths_, &backend_.GetPacer()};
}

template <class Call>
IoResult DeviceLink::RetirementWatch::Watch(Call call) {
  HidChannel* channel = link_.commandChannel_.get();
  // An endpoint kept past MarkAbsent finds the interface closed, as a retired one.
  if (channel == nullptr) return IoResult::Failed(kInterfaceRetiredError);
  const IoResult result = call(*channel);
  if (!result.ok && result.error == kInterfaceRetiredError && link_.devicePresent_.exchange(false)) {
    // The channel itself stays until the next discovery or MarkAbsent: this is one of its calls. The
    // reader gives up its read once it sees the mouse gone.
    link_.CancelPendingEventRead();
  }
  return result;
}

IoResult DeviceLink::RetirementWatch::SetFeature(std::span<const std::uint8_t> report, Deadline deadline) {
  return Watch([&](HidChannel& channel) { return channel.SetFeature(report, deadline); });
}
IoResult DeviceLink::RetirementWatch::GetFeature(std::span<std::uint8_t> report, Deadline deadline) {
  return Watch([&](HidChannel& channel) { return channel.GetFeature(report, deadline); });
}
IoResult DeviceLink::RetirementWatch::ReadReport(std::span<std::uint8_t> report, Deadline deadline) {
  return Watch([&](HidChannel& channel) { return channel.ReadReport(report, deadline); });
}
IoResult DeviceLink::RetirementWatch::WriteReport(std::span<const std::uint8_t> report, Deadline deadline) {
  return Watch([&](HidChannel& channel) { return channel.WriteReport(report, deadline); });
}

void DeviceLink::ReplaceEventChannel(std::shared_ptr<EventChannel> channel) {
  std::shared_ptr<EventChannel> old;
  {
    std::lock_guard lock(eventMutex_);
    old = std::exchange(eventChannel_, std::move(channel));
  }
  // The reader may still wait on the old channel's read: end it. The reader holds its own reference,
  // so the old handle closes when the reader lets go of it, never under a pending read.
  if (old) old->CancelPendingRead();
}

void DeviceLink::MarkAbsent() {
  devicePresent_.store(false);
  commandChannel_.reset();
  ReplaceEventChannel(nullptr);
}

void DeviceLink::CancelPendingEventRead() {
  if (std::shared_ptr<EventChannel> channel = EventReader()) channel->CancelPendingRead();
}

std::shared_ptr<EventChannel> DeviceLink::EventReader() const {
  std::lock_guard lock(eventMutex_);
  return eventChannel_;
}

void DeviceLink::ReleaseReader() {
  std::lock_guard lock(gateMutex_);
  if (readerReleased_.exchange(true)) return;
  if (readerStart_) readerStart_();
}

void DeviceLink::OnReaderRelease(std::function<void()> start) {
  std::lock_guard lock(gateMutex_);
  readerStart_ = std::move(start);
  if (readerStart_ && readerReleased_.load()) readerStart_();
}

}  // namespace quendar::device
