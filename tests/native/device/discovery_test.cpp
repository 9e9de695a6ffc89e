// Finding the mouse among the HID interfaces: which interfaces are taken, which skipped, which platform
// failures end the search (and how a user reads them), and a channel whose cancel goes unanswered.
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
using Machine = testing::SimMachine;

std::vector<SimInterface> Listing(std::initializer_list<InterfaceRole> roles) {
  std::vector<SimInterface> listing;
  for (InterfaceRole role : roles) listing.push_back(MakeInterface(role));
  return listing;
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
  EXPECT_TRUE(static_cast<PortableReaderSignal&>(machine.link.ReaderEvent()).IsSet());
  EXPECT_EQ(machine.mouse->OpenHandles(), 2) << "only the two channels stay open";
}

// An interface that cannot be probed is skipped wherever it is listed; one whose report lengths exceed
// the buffers is not the mouse's (an oversized event interface is left out, an oversized command
// interface means no mouse).
TEST(DiscoveryTest, UnprobeableOrOversizedInterfacesAreSkipped) {
  SimInterface locked = MakeInterface(InterfaceRole::OtherKeyboard);
  locked.faults.probeOpenFails = true;
  for (long at : {0, 2, 3}) {
    auto listing = Listing({InterfaceRole::MouseCollection, InterfaceRole::Event, InterfaceRole::Command});
    listing.insert(listing.begin() + at, locked);
    Machine machine(listing);
    EXPECT_TRUE(machine.link.DiscoverDevice()) << at;
    EXPECT_NE(machine.link.EventReader(), nullptr) << at;
    EXPECT_EQ(machine.mouse->OpenHandles(), 2) << at;
  }
  const struct { InterfaceRole role; void (*grow)(HidCaps&); bool found, eventReader; } cases[] = {
      {InterfaceRole::Event, [](HidCaps& c) { c.inputReportByteLength = 41; }, true, false},
      {InterfaceRole::Command, [](HidCaps& c) { c.featureReportByteLength = 17; }, false, false},
      {InterfaceRole::Command, [](HidCaps& c) { c.inputReportByteLength = 41; }, false, false},
      {InterfaceRole::Command, [](HidCaps& c) { c.outputReportByteLength = 41; }, false, false},
      {InterfaceRole::Command, [](HidCaps& c) { c.featureReportByteLength = 16, c.inputReportByteLength = 40; }, true, false},
  };
  for (const auto& c : cases) {
    std::vector<SimInterface> listing = Listing({c.role, InterfaceRole::Command});
    if (c.role == InterfaceRole::Command) listing.pop_back();
    c.grow(listing[0].caps);
    Machine machine(listing);
    EXPECT_EQ(machine.link.DiscoverDevice().ok(), c.found) << &c - cases;
    EXPECT_EQ(machine.link.EventReader() != nullptr, c.eventReader) << &c - cases;
  }
}

TEST(DiscoveryTest, NoMouseOrAPlatformFailureEndsTheSearchWithNothingOpen) {
  const auto failing = [](InterfaceRole role, sim::InterfaceFaults faults) {
    std::vector<SimInterface> listing = Listing({role});
    listing[0].faults = faults;
    if (role != InterfaceRole::Command) listing.push_back(MakeInterface(InterfaceRole::Command));
    return listing;
  };
  const struct {
    const char* name;
    std::vector<SimInterface> listing;
    DeviceCall call;
    std::uint32_t systemError;
    std::string text;  // how a user reads it
  } cases[] = {
      {"no mouse", Listing({InterfaceRole::OtherKeyboard, InterfaceRole::OtherGamepad}), DeviceCall::FindMouse, 0, ""},
      {"no preparsed data", failing(InterfaceRole::MouseCollection, {.noPreparsedData = true}),
       DeviceCall::ReadPreparsedData, sim::kGeneralFailure, "reading the report descriptor of the interface "},
      {"invalid preparsed data", failing(InterfaceRole::MouseCollection, {.invalidPreparsedData = true}),
       DeviceCall::ReadCapabilities, kInvalidPreparsedData, "(system error 0xC0110001)"},
      {"event open", failing(InterfaceRole::Event, {.openFails = true}), DeviceCall::OpenEventInterface,
       sim::kAccessDenied, "opening the event interface "},
      {"command open", failing(InterfaceRole::Command, {.openFails = true}), DeviceCall::OpenCommandInterface,
       sim::kAccessDenied, "failed (system error 5)"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Machine machine(c.listing);
    const DeviceStatus found = machine.link.DiscoverDevice();
    ASSERT_TRUE(found.failed());
    const std::wstring path = c.call == DeviceCall::FindMouse ? L"" : c.listing[0].path;
    EXPECT_EQ(found.failure(), (DeviceFailure{c.call, path, c.systemError}));
    EXPECT_NE(Describe(found.failure()).find(c.text), std::string::npos) << Describe(found.failure());
    EXPECT_FALSE(machine.link.DevicePresent()) << "the flag rises only with an open command interface";
    EXPECT_FALSE(machine.link.CommandChannelOpen());
    EXPECT_EQ(machine.link.EventReader(), nullptr);
    EXPECT_EQ(machine.mouse->OpenHandles(), 0) << "the list and every probe are released";
  }
}

// A driver that ignores the cancel of an unanswered call retires the channel in time and the mouse counts
// as gone: the overlapped channel's test under Wine. Here the next discovery gives a working channel and
// closes the retired one.
TEST(LinkFailureTest, TheNextDiscoveryAfterARetiredChannelWorksAndClosesIt) {
  Machine machine;
  ASSERT_TRUE(machine.link.DiscoverDevice());
  CommandEndpoint endpoint = machine.link.Command();
  endpoint.timeout = std::chrono::milliseconds(50);
  DeviceImage image;
  machine.mouse->InjectFault(sim::Fault::IgnoredCancel);
  EXPECT_EQ(CommandSet(endpoint, image).ReadSensorSettings(),
            (ExchangeError{0x83, ExchangeStep::FetchReply, kInterfaceRetiredError}));
  ASSERT_TRUE(machine.link.DiscoverDevice());
  EXPECT_EQ(CommandSet(machine.link.Command(), image).ReadSensorSettings(), std::nullopt);
  EXPECT_EQ(machine.mouse->OpenHandles(), 2) << "the retired channel was closed";
}

}  // namespace
}  // namespace quendar::device
