#include <gtest/gtest.h>

#include <cwctype>

#include "core/device/device_change.h"
#include "sim_machine.h"

namespace quendar::device {
namespace {

using testing::kNotDetected;
using testing::Notice;

struct WiredMachine : testing::HostedMachine {
  using HostedMachine::HostedMachine;
  bool Notify(std::uint32_t code, std::uint32_t type, std::wstring path) {
    const DeviceChangeNotice notice{type, std::move(path)};
    return OnDeviceChange(link, host, code, &notice);
  }
};

const std::wstring kCommandPath = sim::MakeInterface(sim::InterfaceRole::Command).path;

TEST(DeviceChangeTest, OnlyInterfaceNoticesNamingTheMouseInAnyCaseAreHandled) {
  const struct {
    const wchar_t* path;
    bool mouse;
  } paths[] = {
      {L"\\\\?\\HID#VID_04D9&PID_A165&MI_02#x", true}, {L"\\\\?\\hid#vid_04d9&pid_a165&mi_02#x", true},
      {L"\\\\?\\HID#vId_04D9&PiD_a165&MI_02#x", true},  {L"\\\\?\\HID#VID_046D&PID_C31C#x", false},
      {L"\\\\?\\HID#VID_04D9&PID_A166#x", false},       {L"\\\\?\\HID#VID_04D9#PID_A165#x", false},
  };
  for (const auto& p : paths) EXPECT_EQ(PathNamesTheMouse(p.path), p.mouse) << &p - paths;

  WiredMachine machine;
  ASSERT_TRUE(machine.link.DiscoverDevice());
  machine.UnplugSilently();  // gone, but nobody has been told: any handled notice would show it
  EXPECT_TRUE(machine.Notify(kDeviceRemoveComplete, kDeviceTypeInterface, L"\\\\?\\HID#VID_046D&PID_C31C#x"));
  EXPECT_TRUE(machine.Notify(kDeviceRemoveComplete, 2 /* volume */, kCommandPath));
  EXPECT_TRUE(machine.Notify(0x8001 /* query remove */, kDeviceTypeInterface, kCommandPath));
  EXPECT_TRUE(OnDeviceChange(machine.link, machine.host, kDeviceArrival, nullptr));
  EXPECT_TRUE(machine.host.Notices().empty());
  EXPECT_TRUE(machine.link.DevicePresent());

  std::wstring lower = kCommandPath;
  for (wchar_t& c : lower) c = static_cast<wchar_t>(towlower(c));
  EXPECT_TRUE(machine.Notify(kDeviceRemoveComplete, kDeviceTypeInterface, lower));
  EXPECT_EQ(machine.host.Notices(), std::vector<Notice>{kNotDetected});
  EXPECT_FALSE(machine.link.DevicePresent());
}

// One notice per removed interface and no handle left behind are the reader soak test's checks.
TEST(DeviceChangeTest, ArrivalConnectsOncePerInterfaceAndReleasesTheReader) {
  WiredMachine machine;
  machine.UnplugSilently();
  machine.RouteNoticesTo(machine.host);
  ASSERT_FALSE(machine.link.ReaderReleased());
  machine.mouse->Plug();
  EXPECT_EQ(machine.host.Connections(), 4);
  EXPECT_TRUE(machine.host.Notices().empty());
  EXPECT_TRUE(machine.link.DevicePresent());
  EXPECT_TRUE(machine.link.ReaderReleased());
  EXPECT_EQ(machine.mouse->OpenHandles(), 2);
}

TEST(DeviceChangeTest, ArrivalBeforeTheCommandInterfaceIsListedWarnsAndHides) {
  WiredMachine machine({sim::MakeInterface(sim::InterfaceRole::MouseCollection)});
  EXPECT_TRUE(machine.Notify(kDeviceArrival, kDeviceTypeInterface,
                             sim::MakeInterface(sim::InterfaceRole::MouseCollection).path));
  EXPECT_EQ(machine.host.Notices(), std::vector<Notice>{kNotDetected});
  EXPECT_EQ(machine.host.Hides(), 1);
  EXPECT_EQ(machine.host.Connections(), 0);
  EXPECT_FALSE(machine.link.ReaderReleased());

  machine.mouse->SetListing(sim::DefaultListing());
  EXPECT_TRUE(machine.Notify(kDeviceArrival, kDeviceTypeInterface, kCommandPath));
  EXPECT_EQ(machine.host.Connections(), 1);
  EXPECT_TRUE(machine.link.DevicePresent());
}

}  // namespace
}  // namespace quendar::device
