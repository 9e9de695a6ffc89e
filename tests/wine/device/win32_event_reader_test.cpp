// The event reader on the platform's own overlapped reads and kernel events. A named pipe stands in
// for the mouse's event interface; the rest of the mouse is a minimal stand-in.
#include <gtest/gtest.h>

#include <windows.h>

#include <array>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "core/device/device_link.h"
#include "core/device/input_report_thread.h"
#include "native/device/device_host_fake.h"
#include "native/device/wait_until.h"
#include "wine/device/pipe_mouse_backend.h"
#include "win32/device/win32_hid_backend.h"

namespace quendar::win32 {
namespace {

using device::testing::DeviceHostFake;
using device::testing::Notice;
using device::testing::StageNotice;
using device::testing::WaitUntil;
using testing::PipeMouseBackend;

TEST(Win32EventReaderThreadTest, StageReportBecomesANoticeAndClosingTheMouseFreesTheReader) {
  const std::wstring pipePath = L"\\\\.\\pipe\\quendar-reader-" + std::to_wstring(::GetCurrentProcessId());
  UniqueFileHandle server(::CreateNamedPipeW(pipePath.c_str(), PIPE_ACCESS_OUTBOUND, PIPE_TYPE_MESSAGE, 1, 64, 64, 0, nullptr));
  ASSERT_TRUE(server.valid());
  PipeMouseBackend backend(pipePath);
  device::DeviceLink link(backend);
  DeviceHostFake host;
  ASSERT_TRUE(link.DiscoverDevice());
  device::InputReportThread reader(link, host);
  link.ReleaseReader();

  const std::uint8_t otherReport[8] = {0x06, 0x08, 0x00, 0x02};
  const std::uint8_t stageReport[8] = {0x06, 0x07, 0x00, 0x05};
  DWORD written = 0;
  ASSERT_TRUE(::WriteFile(server.get(), otherReport, sizeof otherReport, &written, nullptr));
  ASSERT_TRUE(::WriteFile(server.get(), stageReport, sizeof stageReport, &written, nullptr));
  ASSERT_TRUE(host.WaitForNotices(1));
  EXPECT_EQ(host.Notices(), std::vector<Notice>{StageNotice(5)});
  EXPECT_TRUE(WaitUntil([&] { return reader.ReportsRead() == 2; }));

  // The mouse goes away: the reader's pending read is cancelled and the event handle closed.
  link.MarkAbsent();
  EXPECT_TRUE(WaitUntil([&] { return !::WriteFile(server.get(), stageReport, sizeof stageReport, &written, nullptr); }))
      << "the event interface was never closed";
}

// Sets `signal` once `deadline` has passed unless told to stand down first: a bound on a wait that a
// faulty channel would otherwise never end.
class Watchdog {
 public:
  Watchdog(device::ReaderSignal& signal, std::chrono::milliseconds deadline)
      : thread_([this, &signal, deadline] {
          std::unique_lock lock(mutex_);
          if (!changed_.wait_for(lock, deadline, [this] { return done_; })) signal.Set();
        }) {}
  ~Watchdog() {
    {
      std::lock_guard lock(mutex_);
      done_ = true;
    }
    changed_.notify_all();
    thread_.join();
  }

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  bool done_ = false;
  std::thread thread_;
};

// Another thread wakes the reader and cancels its read while the reader waits, round after round; only
// then does the mouse send a report. A wake never passes for the end of the read: the reader never
// reports a read the system has not ended, and never leaves one behind that would swallow the report.
// Every report arrives, whole and once, in the read after.
TEST(Win32EventReaderThreadTest, WakesAndCancelsNeverPassForTheEndOfARead) {
  const std::wstring pipePath = L"\\\\.\\pipe\\quendar-wake-" + std::to_wstring(::GetCurrentProcessId());
  UniqueFileHandle mouse(::CreateNamedPipeW(pipePath.c_str(), PIPE_ACCESS_OUTBOUND, PIPE_TYPE_MESSAGE, 1, 64, 64, 0, nullptr));
  ASSERT_TRUE(mouse.valid());
  Win32HidBackend backend;
  auto channel = backend.OpenEventChannel(pipePath);
  ASSERT_TRUE(channel.ok()) << device::Describe(channel.failure());
  auto wake = backend.CreateReaderSignal();
  ASSERT_TRUE(wake.ok());
  device::ReaderSignal& signal = **wake;

  for (int round = 0; round < 300; ++round) {
    SCOPED_TRACE(round);
    signal.Reset();
    ASSERT_TRUE((*channel)->StartRead(8));
    // Wake only (as a rediscovery does), wake then cancel, cancel then wake.
    std::thread other([&] {
      if (round % 3 != 2) signal.Set();
      if (round % 3 != 0) (*channel)->CancelPendingRead();
      if (round % 3 == 2) signal.Set();
    });
    const std::optional<device::EventReport> early = (*channel)->WaitForRead(signal);
    other.join();
    if (early) ASSERT_EQ(early->length, 0u) << "a report nobody sent";

    const std::array<std::uint8_t, 8> sent = {0x06, 0x07, 0x00, static_cast<std::uint8_t>(round)};
    DWORD written = 0;
    ASSERT_TRUE(::WriteFile(mouse.get(), sent.data(), sent.size(), &written, nullptr));
    std::optional<device::EventReport> report;
    Watchdog watchdog(signal, std::chrono::seconds(10));
    while (!report || report->length == 0) {
      // A cancelled read ends empty and the report comes with the read after it; a read only woken
      // is still pending and takes the report itself.
      signal.Reset();
      ASSERT_TRUE((*channel)->StartRead(8));
      report = (*channel)->WaitForRead(signal);
      ASSERT_TRUE(report.has_value()) << "the report never arrived";
    }
    ASSERT_EQ(report->length, 8u);
    EXPECT_TRUE(std::equal(sent.begin(), sent.end(), report->bytes.begin()));
  }
}

}  // namespace
}  // namespace quendar::win32
