#include "core/device/input_report_thread.h"

#include <array>
#include <cstdint>
#include <span>

#include "core/protocol/mouse_protocol.h"

namespace quendar::device {

InputReportThread::InputReportThread(DeviceLink& link, DeviceHost& host)
    : link_(link), host_(host), thread_([this] { Run(); }) {}

InputReportThread::~InputReportThread() {
  stopping_.store(true);
  link_.WakeReaderGate();
  link_.ReaderEvent().Set();
  link_.CancelPendingEventRead();
  thread_.join();
}

void InputReportThread::Run() {
  link_.WaitForReaderRelease(stopping_);
  ReaderSignal& readerEvent = link_.ReaderEvent();
  while (!stopping_.load()) {
    readerEvent.Reset();
    // A stop requested before the reset must not be slept through.
    if (stopping_.load()) break;
    bool idle = true;
    {
      // Flag and channel are read afresh on every pass: discovery may have replaced them. The
      // reference is dropped before idling, so a replaced channel closes at once.
      std::shared_ptr<EventChannel> channel = link_.EventReader();
      if (link_.DevicePresent() && channel) idle = !ReadOneReport(*channel);
    }
    // Discovery signals when it opens the event interface.
    if (idle) readerEvent.Wait();
  }
}

bool InputReportThread::ReadOneReport(EventChannel& channel) {
  std::array<std::uint8_t, kDataBufferSize> report{};
  // The length is re-read on every pass (a later discovery may be the first to open the event
  // interface); discovery never records more than the buffer holds.
  const std::size_t length = link_.EventReportByteLength();
  ReaderSignal& readerEvent = link_.ReaderEvent();
  // A read that cannot start leaves nothing to wait for but the next discovery.
  if (length == 0 || !channel.StartRead(std::span(report.data(), length), readerEvent)) return false;
  // A discovery that replaced the channel just before the read started could not cancel it: the
  // read would hold the old handle open until the mouse happened to report.
  // Likewise a stop that came just before: starting a read may reset the signal it had set.
  const bool replaced = link_.EventReader().get() != &channel;
  if (!replaced && !stopping_.load()) readerEvent.Wait();
  if (replaced || stopping_.load() || !link_.DevicePresent()) {
    // Never leave a read pending into this pass's buffer.
    channel.CancelPendingRead();
    channel.FinishRead();
    return true;
  }
  if (channel.FinishRead() == 0) return true;
  reportsRead_.fetch_add(1);
  if (report[0] == protocol::kCpiReportId && report[1] == protocol::kCpiStageSwitched) {
    host_.OnStageSwitched(report[protocol::kCpiReportStageByte]);
  }
  return true;
}

}  // namespace quendar::device
