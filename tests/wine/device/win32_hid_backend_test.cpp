#include <gtest/gtest.h>

#include <windows.h>
#include <dbt.h>

#include <array>
#include <cstring>
#include <vector>

#include "core/device/device_link.h"
#include "win32/device/device_notification.h"
#include "win32/device/win32_hid_backend.h"

namespace quendar::win32 {
namespace {

TEST(Win32HidBackendTest, EnumerationWalksToTheEndAndFindsNoMouse) {
  Win32HidBackend backend;
  device::DeviceResult<std::unique_ptr<device::HidInterfaceList>> list = backend.ListInterfaces();
  ASSERT_TRUE(list.ok()) << device::Describe(list.failure());
  std::uint32_t index = 0;
  for (; index < 1000; ++index) {
    const device::DeviceResult<std::optional<std::wstring>> path = (*list)->PathAt(index);
    ASSERT_TRUE(path.ok()) << device::Describe(path.failure());
    if (!path->has_value()) break;
    EXPECT_FALSE((*path)->empty());
  }
  EXPECT_LT(index, 1000u);

  device::DeviceLink link(backend);
  const device::DeviceStatus found = link.DiscoverDevice();
  ASSERT_TRUE(found.failed());
  EXPECT_EQ(found.failure().call, device::DeviceCall::FindMouse) << device::Describe(found.failure());
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

// How close the pauses come to what they say is a figure (tests/bench/win32/pacer_figures.cpp), not a
// test: a loaded machine stretches them. That they never end early is a rule.
TEST(Win32HidBackendTest, PausesNeverEndEarly) {
  HighResolutionPacer pacer;
  for (int i = 0; i < 20; ++i) {
    const auto before = pacer.Now();
    pacer.Pause(std::chrono::milliseconds(2));
    EXPECT_GE(pacer.Now() - before, std::chrono::milliseconds(2));
  }
}

}  // namespace
}  // namespace quendar::win32
