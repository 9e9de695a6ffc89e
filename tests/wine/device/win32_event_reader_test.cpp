// The event reader on the platform's own overlapped reads and kernel events. A named pipe stands in
// for the mouse's event interface; the rest of the mouse is a minimal stand-in.
#include <gtest/gtest.h>

#include <windows.h>

#include "core/device/device_link.h"
#include "core/device/input_report_thread.h"
#include "native/device/device_host_fake.h"
#include "native/device/wait_until.h"
#include "win32/device/win32_hid_backend.h"

namespace quendar::win32 {
namespace {

using device::testing::DeviceHostFake;
using device::testing::Notice;
using device::testing::StageNotice;
using device::testing::WaitUntil;

const std::wstring kCommandPath = L"command";

class SilentCommandChannel final : public device::HidChannel {
 public:
  device::IoResult SetFeature(std::span<const std::uint8_t>, device::Deadline) override { return {}; }
  device::IoResult GetFeature(std::span<std::uint8_t>, device::Deadline) override { return {}; }
  device::IoResult ReadReport(std::span<std::uint8_t>, device::Deadline) override { return {}; }
  device::IoResult WriteReport(std::span<const std::uint8_t>, device::Deadline) override { return {}; }
};

// Lists the pipe as the event interface and a silent command interface after it.
class PipeMouseBackend final : public device::HidBackend {
 public:
  explicit PipeMouseBackend(std::wstring eventPath) : eventPath_(std::move(eventPath)) {}

  std::unique_ptr<device::HidInterfaceList> ListInterfaces() override {
    struct List final : device::HidInterfaceList {
      std::vector<std::wstring> paths;
      device::EnumStatus Interface(std::uint32_t i) override {
        return i < paths.size() ? device::EnumStatus::Ok : device::EnumStatus::NoMoreItems;
      }
      std::optional<std::wstring> DetailPath(std::uint32_t i) override { return paths[i]; }
    };
    auto list = std::make_unique<List>();
    list->paths = {eventPath_, kCommandPath};
    return list;
  }
  std::unique_ptr<device::HidProbe> OpenProbe(const std::wstring& path) override {
    struct Probe final : device::HidProbe {
      device::HidCaps caps;
      std::optional<device::HidAttributes> Attributes() override {
        return device::HidAttributes{device::kMouseVendorId, device::kMouseProductId, 1};
      }
      device::CapsQuery Capabilities() override { return {device::CapsStatus::Ok, caps}; }
    };
    auto probe = std::make_unique<Probe>();
    probe->caps = path == kCommandPath ? device::HidCaps{0xFF00, 0xFF00, 33, 33, 9} : device::HidCaps{0xFF01, 0xFF01, 8, 0, 0};
    return probe;
  }
  std::unique_ptr<device::HidChannel> OpenCommandChannel(const std::wstring&) override {
    return std::make_unique<SilentCommandChannel>();
  }
  std::unique_ptr<device::EventChannel> OpenEventChannel(const std::wstring& path) override {
    return platform_.OpenEventChannel(path);
  }
  std::unique_ptr<device::ReaderSignal> CreateReaderSignal() override { return platform_.CreateReaderSignal(); }
  device::Pacer& GetPacer() override { return platform_.GetPacer(); }

 private:
  Win32HidBackend platform_;
  std::wstring eventPath_;
};

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

}  // namespace
}  // namespace quendar::win32
