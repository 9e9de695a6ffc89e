#include <gtest/gtest.h>

#include <chrono>

#include "core/device/command_set.h"
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
  const DeviceStatus found = machine.link.DiscoverDevice();
  ASSERT_TRUE(found.failed());
  EXPECT_EQ(found.failure(), (DeviceFailure{DeviceCall::FindMouse, {}, 0}));
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
    DeviceCall call;
    std::uint32_t systemError;
    std::string text;  // how a user reads it
  };
  const Case cases[] = {
      {"no preparsed data", InterfaceRole::MouseCollection, {.noPreparsedData = true}, DeviceCall::ReadPreparsedData,
       sim::kGeneralFailure, "reading the report descriptor of the interface "},
      {"invalid preparsed data", InterfaceRole::MouseCollection, {.invalidPreparsedData = true},
       DeviceCall::ReadCapabilities, kInvalidPreparsedData, "(system error 0xC0110001)"},
      {"event open", InterfaceRole::Event, {.openFails = true}, DeviceCall::OpenEventInterface, sim::kAccessDenied,
       "opening the event interface "},
      {"command open", InterfaceRole::Command, {.openFails = true}, DeviceCall::OpenCommandInterface,
       sim::kAccessDenied, "failed (system error 5)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<SimInterface> listing = Listing({c.role});
    listing[0].faults = c.faults;
    if (c.role != InterfaceRole::Command) listing.push_back(MakeInterface(InterfaceRole::Command));
    Machine machine(listing);
    const DeviceStatus found = machine.link.DiscoverDevice();
    ASSERT_TRUE(found.failed());
    EXPECT_EQ(found.failure(), (DeviceFailure{c.call, listing[0].path, c.systemError}));
    EXPECT_NE(Describe(found.failure()).find(c.text), std::string::npos) << Describe(found.failure());
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

// A driver that ignores the cancel of an unanswered call: the exchange still ends within its deadline
// plus the grace, the link counts the mouse as gone, and the next discovery gives a working channel.
TEST(LinkFailureTest, AnExchangeWhoseCancelGoesUnansweredEndsInTimeAndTheMouseCountsAsGone) {
  Machine machine;
  ASSERT_TRUE(machine.link.DiscoverDevice());
  CommandEndpoint endpoint = machine.link.Command();
  endpoint.timeout = std::chrono::milliseconds(200);
  DeviceImage image;
  machine.mouse->InjectFault(sim::Fault::IgnoredCancel);
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(CommandSet(endpoint, image).ReadSensorSettings(),
            (ExchangeError{0x83, ExchangeStep::FetchReply, kInterfaceRetiredError}));
  // A generous bound for a loaded machine, yet far below "until the driver lets go".
  EXPECT_LT(std::chrono::steady_clock::now() - start, endpoint.timeout + kCancelGrace + std::chrono::seconds(2));
  EXPECT_FALSE(machine.link.DevicePresent());
  EXPECT_TRUE(CommandSet(machine.link.Command(), image).ReadSensorSettings().has_value()) << "the channel is retired";

  ASSERT_TRUE(machine.link.DiscoverDevice());
  EXPECT_EQ(CommandSet(machine.link.Command(), image).ReadSensorSettings(), std::nullopt);
  EXPECT_EQ(machine.mouse->OpenHandles(), 2) << "the retired channel was closed";
}

}  // namespace
}  // namespace quendar::device
