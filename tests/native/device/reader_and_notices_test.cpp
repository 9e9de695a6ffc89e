// The input-report reader on the simulated mouse, its cancel latch, and the device notices that tell the
// link the mouse came or went.
#include <gtest/gtest.h>

#include <atomic>
#include <cwctype>
#include <optional>
#include <thread>

#include "core/device/device_change.h"
#include "core/device/input_report_thread.h"
#include "core/device/read_cancel_latch.h"
#include "sim_machine.h"

namespace quendar::device {
namespace {

using testing::Notice;
using testing::StageNotice;
using testing::WaitUntil;

// The test thread plays the dialog thread: it discovers and handles the sim's notices.
struct ReaderMachine : testing::HostedMachine {
  ~ReaderMachine() { reader.reset(); }
  // Start-up order: discovery, the held reader, its release when the mouse was found.
  void StartUp() {
    const bool found = link.DiscoverDevice().ok();
    reader.emplace(link, host);
    if (found) link.ReleaseReader();
  }
  bool ReaderWaitsOnARead() {
    return WaitUntil([&] { return mouse->PendingEventReads() == 1; });
  }
  // Presses the CPI button and expects the stage notice it must become.
  void ExpectPressReported() {
    const std::size_t before = host.Notices().size();
    const std::uint8_t stage = mouse->PressCpiButton();
    ASSERT_TRUE(host.WaitForNotices(before + 1));
    EXPECT_EQ(host.Notices().back(), StageNotice(stage));
  }

  std::optional<InputReportThread> reader;
};

TEST(InputReportThreadTest, OnlyCpiStageReportsBecomeNotices) {
  ReaderMachine machine;
  machine.StartUp();
  ASSERT_TRUE(machine.ReaderWaitsOnARead());
  const std::uint8_t otherReports[][8] = {{0x06, 0x08, 0, 3}, {0x05, 0x07, 0, 3}, {0x07, 0x06, 0, 3}};
  for (const auto& report : otherReports) machine.mouse->SendEventReport(report);
  const std::uint8_t stageSix[8] = {0x06, 0x07, 0x55, 6};
  machine.mouse->SendEventReport(stageSix);

  ASSERT_TRUE(machine.host.WaitForNotices(1));
  ASSERT_TRUE(WaitUntil([&] { return machine.reader->ReportsRead() == 4; }));
  EXPECT_EQ(machine.host.Notices(), std::vector<Notice>{StageNotice(6)});
}

TEST(InputReportThreadTest, WithoutTheMouseNoThreadRunsUntilItArrives) {
  ReaderMachine machine;
  machine.UnplugSilently();
  machine.RouteNoticesTo(machine.host);
  machine.StartUp();
  EXPECT_FALSE(machine.reader->Started());
  machine.mouse->Plug();
  EXPECT_TRUE(machine.reader->Started());
  ASSERT_TRUE(machine.ReaderWaitsOnARead());
  machine.ExpectPressReported();
  machine.mouse->Unplug();
  machine.mouse->Plug();
  ASSERT_TRUE(machine.ReaderWaitsOnARead()) << "a second arrival finds the same reader";
}

TEST(InputReportThreadTest, ARemovalThatLeavesTheMouseRestartsTheStalledRead) {
  ReaderMachine machine;
  machine.StartUp();
  ASSERT_TRUE(machine.ReaderWaitsOnARead());
  const DeviceChangeNotice keyboardGone{kDeviceTypeInterface,
                                        sim::MakeInterface(sim::InterfaceRole::KeyboardCollection).path};
  OnDeviceChange(machine.link, machine.host, kDeviceRemoveComplete, &keyboardGone);
  EXPECT_TRUE(machine.host.Notices().empty()) << "the mouse itself is still there";
  EXPECT_TRUE(machine.link.DevicePresent());
  ASSERT_TRUE(machine.ReaderWaitsOnARead());
  EXPECT_TRUE(WaitUntil([&] { return machine.mouse->OpenHandles() == 2; })) << "the replaced channels stay open";
  machine.ExpectPressReported();
}

TEST(ReaderSoakTest, TwoHundredPlugCyclesLeakNoHandleAndKeepReporting) {
  ReaderMachine machine;
  machine.StartUp();
  ASSERT_TRUE(machine.ReaderWaitsOnARead());
  for (int cycle = 0; cycle < 200; ++cycle) {
    SCOPED_TRACE(cycle);
    if (cycle % 3 == 0) machine.mouse->InjectFault(sim::Fault::StalledEventRead);
    machine.mouse->Unplug();
    EXPECT_FALSE(machine.link.DevicePresent());
    // A stalled read too is ended, not left behind on the closed channel.
    ASSERT_TRUE(WaitUntil([&] { return machine.mouse->PendingEventReads() == 0 && machine.mouse->OpenHandles() == 0; }));
    machine.mouse->Plug();
    // Each arrival reopens the channels; the reader lets go of the replaced one by itself.
    ASSERT_TRUE(WaitUntil([&] { return machine.mouse->OpenHandles() == 2; }));
    if (cycle % 20 == 0) {
      ASSERT_TRUE(machine.ReaderWaitsOnARead());
      machine.ExpectPressReported();
    }
  }
  EXPECT_EQ(machine.host.Notices().size(), 10u + 200 * 4) << "one stage notice per press, one per removed interface";
  machine.link.MarkAbsent();
  EXPECT_TRUE(WaitUntil([&] { return machine.mouse->OpenHandles() == 0; }));
}

// A cancel that lands after the reader armed its read but before the platform had it must still end
// the read: the reader checks the latch once the read is issued.
void Spin(unsigned rounds) {
  std::atomic<unsigned> spun{0};
  while (spun.fetch_add(1, std::memory_order_relaxed) < rounds) {
  }
}

TEST(ReaderCancelRaceTest, ACancelBetweenArmingAndIssuingIsNeverLost) {
  // The two sides start together, each after its own short spin, so the cancel lands before, during and
  // after the issue over the rounds. The platform's read ends on a cancel only once it was issued.
  for (unsigned round = 0; round < 6000; ++round) {
    ReadCancelLatch latch;
    std::atomic<bool> ready{false}, armed{false}, issued{false}, ended{false};
    const auto cancelRead = [&] { if (issued.load()) ended.store(true); };
    std::thread canceller([&] {
      ready.store(true);
      while (!armed.load()) std::this_thread::yield();
      Spin(round % 40 * 5);
      if (latch.RequestCancel()) cancelRead();
    });
    while (!ready.load()) std::this_thread::yield();
    latch.Arm();
    armed.store(true);
    Spin(round / 40 % 50 * 4);
    issued.store(true);
    if (latch.CancelledSinceArm()) cancelRead();
    canceller.join();
    ASSERT_TRUE(ended.load()) << "round " << round;
    latch.Disarm();
  }
}

using testing::kNotDetected;

struct WiredMachine : testing::HostedMachine {
  using HostedMachine::HostedMachine;
  bool Notify(std::uint32_t code, std::uint32_t type, std::wstring path) {
    const DeviceChangeNotice notice{type, std::move(path)};
    return OnDeviceChange(link, host, code, &notice);
  }
};

const std::wstring kCommandPath = sim::MakeInterface(sim::InterfaceRole::Command).path;

TEST(DeviceChangeTest, OnlyInterfaceNoticesNamingTheMouseInAnyCaseAreHandled) {
  const struct { const wchar_t* path; bool mouse; } paths[] = {
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
