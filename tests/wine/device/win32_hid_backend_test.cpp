#include <gtest/gtest.h>

#include <windows.h>
#include <dbt.h>

#include <array>
#include <cstring>
#include <thread>
#include <vector>

#include "core/device/device_link.h"
#include "win32/device/device_notification.h"
#include "win32/device/win32_hid_backend.h"
#include "win32/device/win32_reader_signal.h"

namespace quendar::win32 {
namespace {

TEST(Win32HidBackendTest, EnumerationWalksToTheEndAndFindsNoMouse) {
  Win32HidBackend backend;
  std::unique_ptr<device::HidInterfaceList> list = backend.ListInterfaces();
  ASSERT_NE(list, nullptr);
  std::uint32_t index = 0;
  for (; index < 1000; ++index) {
    const device::EnumStatus status = list->Interface(index);
    if (status != device::EnumStatus::Ok) {
      EXPECT_EQ(status, device::EnumStatus::NoMoreItems);
      break;
    }
    const std::optional<std::wstring> path = list->DetailPath(index);
    ASSERT_TRUE(path.has_value());
    EXPECT_FALSE(path->empty());
  }
  EXPECT_LT(index, 1000u);

  device::DeviceLink link(backend);
  EXPECT_FALSE(link.DiscoverDevice());
  EXPECT_FALSE(link.DevicePresent());
  EXPECT_FALSE(link.CommandChannelOpen());
}

TEST(Win32HidBackendTest, RegistersAWindowForHidInterfaceNotices) {
  HWND window = ::CreateWindowExW(0, L"STATIC", L"notices", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  ASSERT_NE(window, nullptr);
  {
    DeviceNotificationRegistration registration(window);
    EXPECT_TRUE(registration.valid()) << ::GetLastError();
  }
  ::DestroyWindow(window);
}

TEST(Win32HidBackendTest, DeviceChangeNoticeIsReadWithinItsStatedSize) {
  EXPECT_FALSE(ReadDeviceChangeNotice(0).has_value());

  const std::wstring name = L"\\\\?\\HID#VID_04D9&PID_A165&MI_02#x";
  std::vector<std::byte> buffer = BuildInterfaceNotice(name);
  const LPARAM lParam = reinterpret_cast<LPARAM>(buffer.data());
  std::optional<device::DeviceChangeNotice> notice = ReadDeviceChangeNotice(lParam);
  ASSERT_TRUE(notice.has_value());
  EXPECT_EQ(notice->deviceType, 5u);
  EXPECT_EQ(notice->path, name);

  // A name without its terminator stops at the stated size instead of running on.
  std::fill(buffer.begin() + offsetof(DEV_BROADCAST_DEVICEINTERFACE_W, dbcc_name), buffer.end(), std::byte{0x41});
  reinterpret_cast<DEV_BROADCAST_HDR*>(buffer.data())->dbch_size -= 2 * sizeof(wchar_t);
  notice = ReadDeviceChangeNotice(lParam);
  ASSERT_TRUE(notice.has_value());
  EXPECT_EQ(notice->path, std::wstring(name.size() - 1, wchar_t{0x4141}));
}

TEST(Win32HidBackendTest, PausesLastWhatTheySayNotATimerTick) {
  HighResolutionPacer pacer;
  std::chrono::microseconds shortest = std::chrono::hours(1);
  for (int i = 0; i < 40; ++i) {
    const auto before = pacer.Now();
    pacer.Pause(std::chrono::milliseconds(2));
    const auto paused = pacer.Now() - before;
    EXPECT_GE(paused, std::chrono::milliseconds(2));
    shortest = std::min(shortest, paused);
  }
  RecordProperty("shortest_pause_us", static_cast<int>(shortest.count()));
  // Pauses bound to the 15.6 ms tick never come out shorter than it, however idle the machine; a
  // loaded machine may stretch some pauses, not all.
  EXPECT_LT(shortest, std::chrono::milliseconds(3));
}

// The event channel's overlapped read, on a named pipe standing in for the event interface.
class PipeEventChannel : public ::testing::Test {
 protected:
  void SetUp() override {
    path_ = L"\\\\.\\pipe\\quendar-event-" + std::to_wstring(::GetCurrentProcessId());
    server_ = ::CreateNamedPipeW(path_.c_str(), PIPE_ACCESS_OUTBOUND, PIPE_TYPE_MESSAGE, 1, 64, 64, 0, nullptr);
    ASSERT_NE(server_, INVALID_HANDLE_VALUE);
    channel_ = backend_.OpenEventChannel(path_);
    ASSERT_NE(channel_, nullptr);
  }
  void TearDown() override {
    channel_.reset();
    if (server_ != INVALID_HANDLE_VALUE) ::CloseHandle(server_);
  }

  Win32HidBackend backend_;
  std::wstring path_;
  HANDLE server_ = INVALID_HANDLE_VALUE;
  std::unique_ptr<device::EventChannel> channel_;
};

TEST_F(PipeEventChannel, ReadCompletesOnItsSignalAndCancelEndsAPendingRead) {
  Win32ReaderSignal signal;
  std::array<std::uint8_t, 8> buffer{};
  ASSERT_TRUE(channel_->StartRead(buffer, signal));
  const std::uint8_t report[8] = {0x06, 0x07, 0x00, 0x04};
  DWORD written = 0;
  ASSERT_TRUE(::WriteFile(server_, report, sizeof report, &written, nullptr));
  signal.Wait();
  EXPECT_EQ(channel_->FinishRead(), 8u);
  EXPECT_EQ(buffer[3], 4);

  signal.Reset();
  ASSERT_TRUE(channel_->StartRead(buffer, signal));
  std::thread canceller([&] { channel_->CancelPendingRead(); });
  signal.Wait();
  canceller.join();
  EXPECT_EQ(channel_->FinishRead(), 0u);
  // Closing with a read pending must neither hang nor leave the read writing into freed memory.
  ASSERT_TRUE(channel_->StartRead(buffer, signal));
}

}  // namespace
}  // namespace quendar::win32
