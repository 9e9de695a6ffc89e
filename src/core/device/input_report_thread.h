#pragma once
// The background reader of the mouse's event interface. It is held until the mouse is first found
// (DeviceLink::ReleaseReader): its thread starts only then. It waits on the link's ReaderEvent, reads
// one event report at a time and turns a CPI stage report (06 07 xx n) into the host's
// OnStageSwitched(n). It never touches the command channel. Destroying it stops and joins the thread
// (the program itself never does).
#include <atomic>
#include <thread>

#include "core/device/device_host.h"
#include "core/device/device_link.h"

namespace quendar::device {

class InputReportThread {
 public:
  InputReportThread(DeviceLink& link, DeviceHost& host);
  ~InputReportThread();
  InputReportThread(const InputReportThread&) = delete;
  InputReportThread& operator=(const InputReportThread&) = delete;

  // Completed event reads, CPI or not (for tests and diagnostics).
  unsigned long long ReportsRead() const { return reportsRead_.load(); }
  bool Started() const { return started_.load(); }

 private:
  void Run();
  // One pass of the loop on a present mouse with an open event channel; false when no read could
  // be started (the reader then idles until discovery signals).
  bool ReadOneReport(EventChannel& channel);

  DeviceLink& link_;
  DeviceHost& host_;
  std::atomic<bool> stopping_{false};
  std::atomic<unsigned long long> reportsRead_{0};
  std::atomic<bool> started_{false};
  std::thread thread_;  // set once, under the link's gate
};

}  // namespace quendar::device
