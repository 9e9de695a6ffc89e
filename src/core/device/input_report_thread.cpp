#include "core/device/input_report_thread.h"

#include <cstdint>
#include <optional>

#include "core/protocol/mouse_protocol.h"

namespace quendar::device {

InputReportThread::InputReportThread(DeviceLink& link, DeviceHost& host) : link_(link), host_(host) {
  link_.OnReaderRelease([this] {
    thread_ = std::thread([this] { Run(); });
    started_.store(true);
  });
}

InputReportThread::~InputReportThread() {
  // After this no release can start the thread, and one it started is seen here.
  link_.OnReaderRelease({});
  if (!thread_.joinable()) return;
  stopping_.store(true);
  link_.ReaderEvent().Set();
  link_.CancelPendingEventRead();
  thread_.join();
}

void InputReportThread::Run() {
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
  // The length is re-read on every pass (a later discovery may be the first to open the event
  // interface); discovery never records more than the channel's buffer holds.
  const std::size_t length = link_.EventReportByteLength();
  // A read that cannot start leaves nothing to wait for but the next discovery. A read still pending
  // from the last pass (the wait was woken before it ended) goes on as it is.
  if (length == 0 || !channel.StartRead(length)) return false;
  // A discovery that replaced the channel just before the read started could not cancel it: the
  // read would hold the old handle open until the mouse happened to report.
  const bool replaced = link_.EventReader().get() != &channel;
  std::optional<EventReport> report;
  if (!replaced && !stopping_.load()) report = channel.WaitForRead(link_.ReaderEvent());
  if (replaced || stopping_.load() || !link_.DevicePresent()) {
    // The channel keeps its buffer until the platform lets go of the read; the reader need not wait.
    channel.CancelPendingRead();
    return true;
  }
  // Woken before the read ended: the next pass waits on the same read.
  if (!report || report->length == 0) return true;
  reportsRead_.fetch_add(1);
  const auto& bytes = report->bytes;
  if (bytes[0] == protocol::kCpiReportId && bytes[1] == protocol::kCpiStageSwitched) {
    host_.OnStageSwitched(bytes[protocol::kCpiReportStageByte]);
  }
  return true;
}

}  // namespace quendar::device
