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

DeviceLink::InterfaceVerdict DeviceLink::ClassifyInterface(const std::wstring& path, HidCaps& caps) {
  // Another program may hold a device exclusively, or it may leave during the walk: what cannot be
  // asked is not the mouse, and the search goes on.
  std::unique_ptr<HidProbe> probe = backend_.OpenProbe(path);
  if (!probe) return InterfaceVerdict::NotTheMouse;
  const std::optional<HidAttributes> attributes = probe->Attributes();
  if (!attributes || attributes->vendorId != kMouseVendorId || attributes->productId != kMouseProductId) {
    return InterfaceVerdict::NotTheMouse;
  }
  const CapsQuery query = probe->Capabilities();
  probe.reset();
  if (query.status != CapsStatus::Ok) return InterfaceVerdict::Abort;
  caps = query.caps;
  if (IsEventInterface(caps)) {
    return FitsEventBuffer(caps) ? InterfaceVerdict::Event : InterfaceVerdict::NotTheMouse;
  }
  if (IsCommandInterface(caps)) {
    return FitsCommandBuffers(caps) ? InterfaceVerdict::Command : InterfaceVerdict::NotTheMouse;
  }
  return InterfaceVerdict::NotTheMouse;
}

bool DeviceLink::OpenEventInterface(const std::wstring& path, const HidCaps& caps) {
  std::unique_ptr<EventChannel> channel = backend_.OpenEventChannel(path);
  if (!channel) return false;
  eventReportByteLength_.store(caps.inputReportByteLength);
  ReplaceEventChannel(std::move(channel));
  if (readerEvent_) readerEvent_->Set();
  return true;
}

bool DeviceLink::DiscoverDevice() {
  std::unique_ptr<HidInterfaceList> list = backend_.ListInterfaces();
  if (!list) return false;
  for (std::uint32_t index = 0;; ++index) {
    const EnumStatus status = list->Interface(index);
    if (status != EnumStatus::Ok) return false;
    const std::optional<std::wstring> path = list->DetailPath(index);
    if (!path) return false;

    HidCaps caps;
    switch (ClassifyInterface(*path, caps)) {
      case InterfaceVerdict::Abort:
        return false;
      case InterfaceVerdict::NotTheMouse:
        break;
      case InterfaceVerdict::Event:
        if (!OpenEventInterface(*path, caps)) return false;
        break;
      case InterfaceVerdict::Command: {
        std::unique_ptr<HidChannel> channel = backend_.OpenCommandChannel(*path);
        if (!channel) return false;
        commandChannel_ = std::move(channel);
        commandLengths_ = ReportLengths{caps.featureReportByteLength, caps.inputReportByteLength,
                                        caps.outputReportByteLength};
        devicePresent_.store(true);
        return true;
      }
    }
  }
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
  {
    std::lock_guard lock(gateMutex_);
    readerReleased_.store(true);
  }
  gateChanged_.notify_all();
}

void DeviceLink::WaitForReaderRelease(const std::atomic<bool>& abandon) {
  std::unique_lock lock(gateMutex_);
  gateChanged_.wait(lock, [&] { return readerReleased_.load() || abandon.load(); });
}

void DeviceLink::WakeReaderGate() {
  { std::lock_guard lock(gateMutex_); }
  gateChanged_.notify_all();
}

}  // namespace quendar::device
