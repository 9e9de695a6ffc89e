// The link to the mouse: packets and block transfers over a scripted channel, and finding the mouse among
// the HID interfaces.
#include <gtest/gtest.h>

#include <chrono>
#include <deque>
#include <vector>

#include "core/device/command_set.h"
#include "core/device/command_transport.h"
#include "core/device/device_link.h"
#include "core/device/hid_channel.h"
#include "core/device/portable_reader_signal.h"
#include "sim_machine.h"

namespace quendar::device {
namespace {

// A command channel that expects an exact script of exchanges and fails the test on anything else.
enum class Exchange { SetFeature, GetFeature, ReadReport, WriteReport };

struct ScriptStep {
  Exchange exchange;
  std::vector<std::uint8_t> bytes;  // what the host must send, or what the fake answers
  bool ok = true;
  std::size_t transferred = SIZE_MAX;  // reads and writes: bytes reported (default: all)
  std::uint32_t error = 31;            // the platform's error code of a failed step
};

class ScriptedChannelFake final : public HidChannel {
 public:
  explicit ScriptedChannelFake(std::vector<ScriptStep> script) : script_(script.begin(), script.end()) {}
  ~ScriptedChannelFake() override { EXPECT_TRUE(script_.empty()) << script_.size() << " exchanges never happened"; }

  IoResult SetFeature(std::span<const std::uint8_t> report, Deadline) override { return Outgoing(Exchange::SetFeature, report); }
  IoResult GetFeature(std::span<std::uint8_t> report, Deadline) override { return Incoming(Exchange::GetFeature, report); }
  IoResult ReadReport(std::span<std::uint8_t> report, Deadline) override { return Incoming(Exchange::ReadReport, report); }
  IoResult WriteReport(std::span<const std::uint8_t> report, Deadline) override { return Outgoing(Exchange::WriteReport, report); }

 private:
  ScriptStep Next(Exchange exchange) {
    if (script_.empty()) return ADD_FAILURE() << "unexpected exchange " << static_cast<int>(exchange), ScriptStep{exchange, {}, false};
    ScriptStep step = script_.front();
    script_.pop_front();
    EXPECT_EQ(static_cast<int>(step.exchange), static_cast<int>(exchange)) << "exchanges out of order";
    return step;
  }
  static IoResult Result(const ScriptStep& step, std::size_t length) {
    return step.ok ? IoResult::Done(std::min(step.transferred, length)) : IoResult::Failed(step.error);
  }
  IoResult Outgoing(Exchange exchange, std::span<const std::uint8_t> report) {
    const ScriptStep step = Next(exchange);
    EXPECT_EQ(std::vector<std::uint8_t>(report.begin(), report.end()), step.bytes);
    return Result(step, report.size());
  }
  IoResult Incoming(Exchange exchange, std::span<std::uint8_t> report) {
    const ScriptStep step = Next(exchange);
    EXPECT_LE(step.bytes.size(), report.size()) << "the host's report is shorter than the answer";
    // A failed platform call may leave junk behind; the transport must not trust the buffer then.
    std::fill(report.begin(), report.end(), step.ok ? 0 : 0xCC);
    std::copy_n(step.bytes.begin(), std::min(step.bytes.size(), report.size()), report.begin());
    return Result(step, report.size());
  }

  std::deque<ScriptStep> script_;
};

// A report of `length` bytes: ID 0 followed by `payload`, zero-padded.
inline std::vector<std::uint8_t> Report(std::size_t length, std::vector<std::uint8_t> payload) {
  std::vector<std::uint8_t> report(length, 0);
  std::copy_n(payload.begin(), std::min(payload.size(), length - 1), report.begin() + 1);
  return report;
}

using Bytes = std::vector<std::uint8_t>;

constexpr ReportLengths kMouseLengths{9, 33, 33};

CommandEndpoint EndpointOn(HidChannel& channel, ReportLengths lengths = kMouseLengths) {
  return CommandEndpoint{&channel, lengths, nullptr};
}

// The feature report carrying `packet`, checksum included, as the host must send it.
Bytes Sent(const CommandPacket& packet) { return Report(9, Bytes(packet.bytes.begin(), packet.bytes.end())); }

// A checksum not recomputed after an edit is refused by the simulated mouse in the download tests.
TEST(CommandPacketTest, ChecksumIsComplementOfTheByteSum) {
  EXPECT_EQ(MakePacket(0x01, 0x01).bytes, (std::array<std::uint8_t, 8>{1, 1, 0, 0, 0, 0, 0, 0xFD}));
  // The sum wraps: 0x90 + 0x01 + 0x18 + 0xFF*4 = 0x4A5 -> 0xFF - 0xA5 = 0x5A.
  EXPECT_EQ(MakePacket(0x90, 0x01, 0x18, 0xFF, 0xFF, 0xFF, 0xFF).bytes[7], 0x5A);
}

// A failed fetch (junk the platform left in the report must not leak), a closed interface, a feature
// length beyond the 16-byte buffer (never sent). A packet the mouse did not take is the download's test.
TEST(SendCommandTest, FailedOrImpossibleReadsGiveAnAllZeroReplyAndReportFailure) {
  struct Case { std::vector<ScriptStep> script; bool open; ReportLengths lengths; ExchangeError error; };
  const Case cases[] = {
      {{{Exchange::SetFeature, Sent(MakePacket(0x83))}, {Exchange::GetFeature, {}, false}},
       true, kMouseLengths, ExchangeError{0x83, ExchangeStep::FetchReply, 31}},
      {{}, false, kMouseLengths, ExchangeError{0x83, ExchangeStep::InterfaceClosed}},
      {{}, true, {17, 33, 33}, ExchangeError{0x83, ExchangeStep::ReportTooLong}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.error.step));
    ScriptedChannelFake channel(c.script);
    CommandPacket packet = MakePacket(0x83);
    EXPECT_EQ(SendCommand(c.open ? EndpointOn(channel, c.lengths) : CommandEndpoint{}, packet), c.error);
    EXPECT_EQ(packet, CommandPacket{});
  }
}

// Whole chunks, 3 ms after each, and only read opcodes fetching a reply: the download's tests.
// A stated length beyond the buffer sends only the buffer; a packet the mouse did not take sends no data
// (it would be read as another command's); a short chunk ends the exchange.
TEST(WriteTransferTest, AFailedOrImpossibleStepEndsTheExchangeAndIsReported) {
  const Bytes chunk = Report(33, Bytes(32, 0x11));
  const auto header = [](std::uint8_t length) { return Sent(MakePacket(0x13, 1, length)); };
  const struct {
    std::uint8_t length;
    std::size_t data;
    std::vector<ScriptStep> script;
    ExchangeError error;
  } cases[] = {
      {128, 32, {{Exchange::SetFeature, header(128)}, {Exchange::WriteReport, chunk}},
       ExchangeError{0x13, ExchangeStep::BlockTooLong}},
      {128, 128, {{Exchange::SetFeature, header(128), false, 0, 1167}}, ExchangeError{0x13, ExchangeStep::SendPacket, 1167}},
      {128, 128, {{Exchange::SetFeature, header(128)}, {Exchange::WriteReport, chunk}, {Exchange::WriteReport, chunk, true, 20}},
       ExchangeError{0x13, ExchangeStep::ShortChunk}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.error.step));
    ScriptedChannelFake channel(c.script);
    Bytes data(c.data, 0x11);
    CommandPacket packet = MakePacket(0x13, 1, c.length);
    EXPECT_EQ(TransferBlock(EndpointOn(channel), packet, data), c.error);
  }
}

// A chunk count taken from the reply, not the request: the download's eighth stage byte travels back.
TEST(ReadTransferTest, OversizedReplyIsCutToTheBuffer) {
  std::vector<ScriptStep> script{{Exchange::SetFeature, Sent(MakePacket(0x90, 1))},
                                          {Exchange::GetFeature, Report(9, {0x90, 1, 200, 0, 0, 0, 0, 0})}};
  for (int chunk = 0; chunk < 4; ++chunk) {
    script.push_back({Exchange::ReadReport, Report(33, Bytes(32, static_cast<std::uint8_t>(chunk + 1)))});
  }
  ScriptedChannelFake channel(script);  // a fifth read would be an unexpected exchange
  Bytes data(128 + 16, 0x77);           // a 128-byte block with a guard zone behind it
  CommandPacket packet = MakePacket(0x90, 1);
  EXPECT_EQ(TransferBlock(EndpointOn(channel), packet, std::span(data).first(128)), std::nullopt)
      << "the cut is the rule, not a failure";
  EXPECT_EQ(data[127], 4);
  EXPECT_EQ(Bytes(data.begin() + 128, data.end()), Bytes(16, 0x77));
}

// A failed fetch or a refused data length moves no data: the destination keeps its old bytes. A failed
// or short chunk, and the one after it never asked for, read as zeros: junk of a failed read must not leak.
TEST(ReadTransferTest, FailedFetchMovesNoDataAndFailedOrShortChunksAreZeroAndReported) {
  const Bytes twoChunks = Report(9, {0x90, 0, 64, 0, 0, 0, 0, 0});
  struct Case {
    std::vector<ScriptStep> reply;
    std::size_t size;
    ExchangeError error;
    Bytes after;
    ReportLengths lengths = kMouseLengths;
  };
  const Case cases[] = {
      {{{Exchange::GetFeature, Report(9, {0x90, 7, 8, 0, 0, 0, 0, 0})}}, 32, ExchangeError{0x90, ExchangeStep::ReportTooLong},
       Bytes(32, 0x55), {9, 41, 33}},  // a data report beyond the buffer is refused
      {{{Exchange::GetFeature, {}, false}}, 32, ExchangeError{0x90, ExchangeStep::FetchReply, 31}, Bytes(32, 0x55)},
      {{{Exchange::GetFeature, twoChunks}, {Exchange::ReadReport, {}, false, 0, kTimeoutError}}, 64,
       ExchangeError{0x90, ExchangeStep::ReadChunk, kTimeoutError}, Bytes(64, 0)},
      {{{Exchange::GetFeature, twoChunks}, {Exchange::ReadReport, Report(33, Bytes(32, 9)), true, 17}}, 64,
       ExchangeError{0x90, ExchangeStep::ShortChunk}, Bytes(64, 0)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.error.step));
    std::vector<ScriptStep> script{{Exchange::SetFeature, Sent(MakePacket(0x90))}};
    script.insert(script.end(), c.reply.begin(), c.reply.end());
    ScriptedChannelFake channel(script);
    Bytes data(c.size, 0x55);
    CommandPacket packet = MakePacket(0x90);
    EXPECT_EQ(TransferBlock(EndpointOn(channel, c.lengths), packet, data), c.error);
    EXPECT_EQ(data, c.after);
  }
}

// Finding the mouse among the HID interfaces: which interfaces are taken, which skipped, which platform
// failures end the search (and how a user reads them), and a channel whose cancel goes unanswered.
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
