#include <gtest/gtest.h>

#include "core/device/device_link.h"
#include "core/device/portable_reader_signal.h"
#include "sim_machine.h"

namespace quendar::device {
namespace {

using sim::InterfaceRole;
using sim::MakeInterface;
using sim::SimInterface;

std::vector<SimInterface> Listing(std::initializer_list<InterfaceRole> roles) {
  std::vector<SimInterface> listing;
  for (InterfaceRole role : roles) listing.push_back(MakeInterface(role));
  return listing;
}

using Machine = testing::SimMachine;

TEST(DiscoveryTest, NoMouseAmongTheDevicesLeavesTheLinkAbsent) {
  Machine machine(Listing({InterfaceRole::OtherKeyboard, InterfaceRole::OtherGamepad}));
  EXPECT_FALSE(machine.link.DiscoverDevice());
  EXPECT_FALSE(machine.link.DevicePresent());
  EXPECT_FALSE(machine.link.CommandChannelOpen());
  EXPECT_EQ(machine.link.EventReader(), nullptr);
  EXPECT_EQ(machine.mouse->OpenHandles(), 0) << "the list and every probe are released";
}

TEST(DiscoveryTest, EventInterfaceListedFirstIsOpenedAndSignalsTheReader) {
  // The vendor-defined gamepad of another maker comes first and must not be taken for the mouse.
  Machine machine(Listing({InterfaceRole::OtherGamepad, InterfaceRole::MouseCollection,
                           InterfaceRole::KeyboardCollection, InterfaceRole::Event, InterfaceRole::Command}));
  ASSERT_TRUE(machine.link.DiscoverDevice());
  EXPECT_TRUE(machine.link.DevicePresent());
  EXPECT_EQ(machine.link.CommandLengths(), (ReportLengths{9, 33, 33}));
  EXPECT_EQ(machine.link.EventReportByteLength(), 8);
  EXPECT_NE(machine.link.EventReader(), nullptr);
  auto& signal = static_cast<PortableReaderSignal&>(machine.link.ReaderEvent());
  EXPECT_TRUE(signal.IsSet());
  EXPECT_EQ(machine.mouse->OpenHandles(), 2) << "only the two channels stay open";
}

TEST(DiscoveryTest, SearchStopsAtTheCommandInterfaceUntilALaterRunListsTheEventFirst) {
  Machine machine(Listing({InterfaceRole::MouseCollection, InterfaceRole::Command, InterfaceRole::Event}));
  ASSERT_TRUE(machine.link.DiscoverDevice());
  EXPECT_EQ(machine.link.EventReader(), nullptr);
  EXPECT_EQ(machine.link.EventReportByteLength(), 0);

  machine.mouse->SetListing(Listing({InterfaceRole::Event, InterfaceRole::Command}));
  ASSERT_TRUE(machine.link.DiscoverDevice());
  EXPECT_NE(machine.link.EventReader(), nullptr);
  EXPECT_EQ(machine.link.EventReportByteLength(), 8);
}

TEST(DiscoveryFailureTest, AnInterfaceThatCannotBeProbedIsSkippedWhereverItIsListed) {
  SimInterface locked = MakeInterface(InterfaceRole::OtherKeyboard);
  locked.faults.probeOpenFails = true;
  const std::vector<SimInterface> mouse = Listing({InterfaceRole::MouseCollection, InterfaceRole::Event,
                                                   InterfaceRole::Command});
  std::vector<SimInterface> before{locked};
  before.insert(before.end(), mouse.begin(), mouse.end());
  std::vector<SimInterface> between = mouse;
  between.insert(between.begin() + 2, locked);
  std::vector<SimInterface> after = mouse;
  after.push_back(locked);
  for (const auto& listing : {before, between, after}) {
    Machine machine(listing);
    EXPECT_TRUE(machine.link.DiscoverDevice());
    EXPECT_NE(machine.link.EventReader(), nullptr);
    EXPECT_EQ(machine.mouse->OpenHandles(), 2);
  }
}

TEST(DiscoveryTest, PlatformFailuresEndTheSearch) {
  struct Case {
    const char* name;
    InterfaceRole role;
    sim::InterfaceFaults faults;
  };
  const Case cases[] = {
      {"no preparsed data", InterfaceRole::MouseCollection, {.noPreparsedData = true}},
      {"invalid preparsed data", InterfaceRole::MouseCollection, {.invalidPreparsedData = true}},
      {"event open", InterfaceRole::Event, {.openFails = true}},
      {"command open", InterfaceRole::Command, {.openFails = true}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<SimInterface> listing = Listing({c.role});
    listing[0].faults = c.faults;
    if (c.role != InterfaceRole::Command) listing.push_back(MakeInterface(InterfaceRole::Command));
    Machine machine(listing);
    EXPECT_FALSE(machine.link.DiscoverDevice());
    EXPECT_FALSE(machine.link.DevicePresent()) << "the flag rises only with an open command interface";
    EXPECT_FALSE(machine.link.CommandChannelOpen());
    EXPECT_EQ(machine.mouse->OpenHandles(), 0);
  }
}

TEST(DiscoveryTest, ReportLengthsBeyondTheBuffersMakeAnInterfaceNotTheMouses) {
  SimInterface event = MakeInterface(InterfaceRole::Event);
  event.caps.inputReportByteLength = 41;
  SimInterface command = MakeInterface(InterfaceRole::Command);
  {
    Machine machine({event, command});
    ASSERT_TRUE(machine.link.DiscoverDevice());
    EXPECT_EQ(machine.link.EventReader(), nullptr);
    EXPECT_EQ(machine.link.EventReportByteLength(), 0);
  }
  const auto oversize = [&](void (*grow)(HidCaps&)) {
    SimInterface big = command;
    grow(big.caps);
    Machine machine({big});
    return machine.link.DiscoverDevice();
  };
  EXPECT_FALSE(oversize([](HidCaps& caps) { caps.featureReportByteLength = 17; }));
  EXPECT_FALSE(oversize([](HidCaps& caps) { caps.inputReportByteLength = 41; }));
  EXPECT_FALSE(oversize([](HidCaps& caps) { caps.outputReportByteLength = 41; }));
  EXPECT_TRUE(oversize([](HidCaps& caps) { caps.featureReportByteLength = 16; caps.inputReportByteLength = 40; }));
}

}  // namespace
}  // namespace quendar::device
