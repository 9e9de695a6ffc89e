#pragma once
// The background reader of the mouse's event interface. It is held until the mouse is first found
// (DeviceLink::ReleaseReader): only then does its loop go to the job thread it is given, which starts
// its thread then if nothing else has. It waits on the link's ReaderEvent, reads one event report at a
// time and turns a CPI stage report (06 07 xx n) into the host's OnStageSwitched(n). It never touches
// the command channel. Destroying it stops the loop and waits for it to end (the program itself never
// does).
#include <atomic>
#include <future>

#include "core/device/device_host.h"
#include "core/device/device_link.h"
#include "core/threads/job_thread.h"

namespace quendar::device {

class InputReportThread {
 public:
  // `jobs` outlives the reader.
  InputReportThread(DeviceLink& link, DeviceHost& host, threads::JobThread& jobs);
  ~InputReportThread();
  InputReportThread(const InputReportThread&) = delete;
  InputReportThread& operator=(const InputReportThread&) = delete;

  // Completed event reads, CPI or not (for tests and diagnostics).
  unsigned long long ReportsRead() const { return reportsRead_.load(); }

 private:
  void Run();
  // One pass of the loop on a present mouse with an open event channel; false when no read could
  // be started (the reader then idles until discovery signals).
  bool ReadOneReport(EventChannel& channel);

  DeviceLink& link_;
  DeviceHost& host_;
  std::atomic<bool> stopping_{false};
  std::atomic<unsigned long long> reportsRead_{0};
  std::future<void> ended_;  // set once, under the link's gate
};

}  // namespace quendar::device
