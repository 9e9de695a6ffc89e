#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "core/device/device_change.h"
#include "core/device/input_report_thread.h"
#include "sim_machine.h"
#include "wait_until.h"

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

TEST(InputReportThreadTest, HeldUntilTheMouseIsFirstFound) {
  ReaderMachine machine;
  machine.UnplugSilently();
  machine.RouteNoticesTo(machine.host);
  machine.StartUp();
  EXPECT_FALSE(machine.link.ReaderReleased());

  // A discovery that finds the event interface but not the command interface leaves the gate shut.
  machine.mouse->SetListing({sim::MakeInterface(sim::InterfaceRole::Event)});
  machine.mouse->Plug();
  EXPECT_FALSE(machine.link.ReaderReleased());

  machine.mouse->SetListing(sim::DefaultListing());
  machine.mouse->Unplug();
  machine.mouse->Plug();
  EXPECT_TRUE(machine.link.ReaderReleased());
  machine.ExpectPressReported();
}

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
  std::ptrdiff_t expectedStageNotices = 0;
  for (int cycle = 0; cycle < 200; ++cycle) {
    if (cycle % 3 == 0) machine.mouse->InjectFault(sim::Fault::StalledEventRead);
    machine.mouse->Unplug();
    EXPECT_FALSE(machine.link.DevicePresent());
    // A stalled read too is ended, not left behind on the closed channel.
    ASSERT_TRUE(WaitUntil([&] { return machine.mouse->PendingEventReads() == 0 && machine.mouse->OpenHandles() == 0; }))
        << "cycle " << cycle;
    machine.mouse->Plug();
    // Each arrival notice reopens the channels; the reader lets go of the replaced one by itself.
    ASSERT_TRUE(WaitUntil([&] { return machine.mouse->OpenHandles() == 2; })) << "cycle " << cycle;
    if (cycle % 20 == 0) {
      ASSERT_TRUE(machine.ReaderWaitsOnARead()) << "cycle " << cycle;
      machine.mouse->PressCpiButton();
      ++expectedStageNotices;
      ASSERT_TRUE(WaitUntil([&] {
        const auto notices = machine.host.Notices();
        return std::ranges::count(notices, testing::NoticeKind::StageSwitched, &Notice::kind) == expectedStageNotices;
      })) << "cycle " << cycle;
    }
  }
  EXPECT_EQ(machine.host.Notices().size(), static_cast<std::size_t>(expectedStageNotices + 200 * 4));
  machine.link.MarkAbsent();
  EXPECT_TRUE(WaitUntil([&] { return machine.mouse->OpenHandles() == 0; }));
}

}  // namespace
}  // namespace quendar::device
