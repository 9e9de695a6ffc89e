#include <gtest/gtest.h>

#include <numeric>

#include "core/device/command_transport.h"
#include "scripted_channel_fake.h"

namespace quendar::device {
namespace {

using testing::Exchange;
using testing::Report;
using testing::ScriptedChannelFake;
using Bytes = std::vector<std::uint8_t>;

constexpr ReportLengths kMouseLengths{9, 33, 33};

ExchangeError Failed(std::uint8_t opcode, ExchangeStep step, std::uint32_t platformError = 0) {
  return ExchangeError{opcode, step, platformError};
}

CommandEndpoint EndpointOn(HidChannel& channel, Pacer* pacer = nullptr, ReportLengths lengths = kMouseLengths) {
  return CommandEndpoint{&channel, lengths, pacer};
}

// The feature report carrying `packet`, checksum included, as the host must send it.
Bytes Sent(const CommandPacket& packet) { return Report(9, Bytes(packet.bytes.begin(), packet.bytes.end())); }

Bytes Sequence(std::size_t count, std::uint8_t first = 1) {
  Bytes bytes(count);
  std::iota(bytes.begin(), bytes.end(), first);
  return bytes;
}

TEST(CommandPacketTest, ChecksumIsComplementOfTheByteSumAndAlwaysRecomputed) {
  EXPECT_EQ(MakePacket(0x01, 0x01).bytes, (std::array<std::uint8_t, 8>{1, 1, 0, 0, 0, 0, 0, 0xFD}));
  // The sum wraps: 0x90 + 0x01 + 0x18 + 0xFF*4 = 0x4A5 -> 0xFF - 0xA5 = 0x5A.
  EXPECT_EQ(MakePacket(0x90, 0x01, 0x18, 0xFF, 0xFF, 0xFF, 0xFF).bytes[7], 0x5A);

  // A wrong checksum left by the caller is replaced on the wire.
  ScriptedChannelFake channel({{Exchange::SetFeature, Report(9, {1, 1, 0, 0, 0, 0, 0, 0xFD})}});
  CommandPacket packet;
  packet.bytes = {1, 1, 0, 0, 0, 0, 0, 0x42};
  EXPECT_EQ(SendCommand(EndpointOn(channel), packet), std::nullopt);
}

TEST(SendCommandTest, OnlyReadOpcodesFetchAReplyWhichReplacesThePacketAsItArrives) {
  {
    ScriptedChannelFake channel({{Exchange::SetFeature, Sent(MakePacket(0x7F))}});
    CommandPacket write = MakePacket(0x7F);
    EXPECT_EQ(SendCommand(EndpointOn(channel), write), std::nullopt);
    EXPECT_EQ(write, MakePacket(0x7F));
  }
  // The reply's checksum is deliberately wrong: it is used unverified.
  const Bytes reply{0x83, 0x03, 0x08, 0x11, 0x24, 0, 0, 0x12};
  ScriptedChannelFake channel({{Exchange::SetFeature, Sent(MakePacket(0x80))},
                               {Exchange::GetFeature, Report(9, reply)}});
  CommandPacket read = MakePacket(0x80);
  EXPECT_EQ(SendCommand(EndpointOn(channel), read), std::nullopt);
  EXPECT_EQ(Bytes(read.bytes.begin(), read.bytes.end()), reply);
}

// A failed fetch (junk the platform left in the report must not leak), a packet the mouse did not take
// (no reply to fetch), a closed interface, a feature length beyond the 16-byte buffer (never sent).
TEST(SendCommandTest, FailedOrImpossibleReadsGiveAnAllZeroReplyAndReportFailure) {
  struct Case {
    std::vector<testing::ScriptStep> script;
    bool open;
    ReportLengths lengths;
    ExchangeError error;
  };
  const Case cases[] = {
      {{{Exchange::SetFeature, Sent(MakePacket(0x83))}, {Exchange::GetFeature, {}, false}},
       true, kMouseLengths, Failed(0x83, ExchangeStep::FetchReply, 31)},
      {{{Exchange::SetFeature, Sent(MakePacket(0x83)), false, 0, kTimeoutError}},
       true, kMouseLengths, Failed(0x83, ExchangeStep::SendPacket, kTimeoutError)},
      {{}, false, kMouseLengths, Failed(0x83, ExchangeStep::InterfaceClosed)},
      {{}, true, {17, 33, 33}, Failed(0x83, ExchangeStep::ReportTooLong)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.error.step));
    ScriptedChannelFake channel(c.script);
    CommandPacket packet = MakePacket(0x83);
    EXPECT_EQ(SendCommand(c.open ? EndpointOn(channel, nullptr, c.lengths) : CommandEndpoint{}, packet), c.error);
    EXPECT_EQ(packet, CommandPacket{});
  }
}

struct WriteCase {
  std::uint8_t length;
  std::size_t chunks;
};

class WriteTransferTest : public ::testing::TestWithParam<WriteCase> {};

TEST_P(WriteTransferTest, SendsWholeChunksWithAZeroTailAndPausesAfterEach) {
  const WriteCase c = GetParam();
  // The caller's buffer is all 0xAB beyond the stated length: none of it may reach the wire.
  Bytes data(128, 0xAB);
  std::copy_n(Sequence(c.length).begin(), c.length, data.begin());

  std::vector<testing::ScriptStep> script{
      {Exchange::SetFeature, Sent(MakePacket(0x12, 1, c.length))}};
  for (std::size_t chunk = 0; chunk < c.chunks; ++chunk) {
    Bytes payload(32, 0);
    for (std::size_t i = 0; i < 32 && chunk * 32 + i < c.length; ++i) payload[i] = data[chunk * 32 + i];
    script.push_back({Exchange::WriteReport, Report(33, payload)});
  }
  ScriptedChannelFake channel(script);
  VirtualPacer pacer;
  CommandPacket packet = MakePacket(0x12, 0x01, c.length);
  EXPECT_EQ(TransferBlock(EndpointOn(channel, &pacer), packet, data), std::nullopt);
  EXPECT_EQ(pacer.Now(), std::chrono::milliseconds(3 * c.chunks));
}

INSTANTIATE_TEST_SUITE_P(Lengths, WriteTransferTest,
                         ::testing::Values(WriteCase{0, 0}, WriteCase{24, 1}, WriteCase{32, 1}, WriteCase{33, 2},
                                           WriteCase{64, 2}, WriteCase{128, 4}));

// A stated length beyond the buffer sends only the buffer; a packet the mouse did not take sends no data
// (it would be read as another command's); a short chunk ends the exchange.
TEST(WriteTransferTest, AFailedOrImpossibleStepEndsTheExchangeAndIsReported) {
  const Bytes chunk = Report(33, Bytes(32, 0x11));
  const auto header = [](std::uint8_t length) { return Sent(MakePacket(0x13, 1, length)); };
  const struct {
    std::uint8_t length;
    std::size_t data;
    std::vector<testing::ScriptStep> script;
    ExchangeError error;
  } cases[] = {
      {128, 32, {{Exchange::SetFeature, header(128)}, {Exchange::WriteReport, chunk}},
       Failed(0x13, ExchangeStep::BlockTooLong)},
      {128, 128, {{Exchange::SetFeature, header(128), false, 0, 1167}}, Failed(0x13, ExchangeStep::SendPacket, 1167)},
      {128, 128, {{Exchange::SetFeature, header(128)}, {Exchange::WriteReport, chunk}, {Exchange::WriteReport, chunk, true, 20}},
       Failed(0x13, ExchangeStep::ShortChunk)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.error.step));
    ScriptedChannelFake channel(c.script);
    Bytes data(c.data, 0x11);
    CommandPacket packet = MakePacket(0x13, 1, c.length);
    EXPECT_EQ(TransferBlock(EndpointOn(channel), packet, data), c.error);
  }
}

TEST(ReadTransferTest, ChunkCountComesFromTheReplyNotTheRequest) {
  const Bytes stages{0x04, 0x08, 0x0E, 0x14, 0x1E, 0x28, 0x31, 0x05};
  ScriptedChannelFake channel({{Exchange::SetFeature, Sent(MakePacket(0x91))},
                               {Exchange::GetFeature, Report(9, {0x91, 7, 8, 0, 0, 0, 0, 0x5E})},
                               {Exchange::ReadReport, Report(33, stages)}});
  Bytes data(32, 0xEE);
  CommandPacket packet = MakePacket(0x91);
  EXPECT_EQ(TransferBlock(EndpointOn(channel), packet, data), std::nullopt);
  EXPECT_EQ(packet.bytes[1], 7);
  EXPECT_EQ(Bytes(data.begin(), data.begin() + 8), stages);
  EXPECT_EQ(Bytes(data.begin() + 8, data.end()), Bytes(24, 0)) << "the whole chunk is copied";
}

TEST(ReadTransferTest, OversizedReplyIsCutToTheBuffer) {
  std::vector<testing::ScriptStep> script{{Exchange::SetFeature, Sent(MakePacket(0x90, 1))},
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
    std::vector<testing::ScriptStep> reply;
    std::size_t size;
    ExchangeError error;
    Bytes after;
    ReportLengths lengths = kMouseLengths;
  };
  const Case cases[] = {
      {{{Exchange::GetFeature, Report(9, {0x90, 7, 8, 0, 0, 0, 0, 0})}}, 32, Failed(0x90, ExchangeStep::ReportTooLong),
       Bytes(32, 0x55), {9, 41, 33}},  // a data report beyond the buffer is refused
      {{{Exchange::GetFeature, {}, false}}, 32, Failed(0x90, ExchangeStep::FetchReply, 31), Bytes(32, 0x55)},
      {{{Exchange::GetFeature, twoChunks}, {Exchange::ReadReport, {}, false, 0, kTimeoutError}}, 64,
       Failed(0x90, ExchangeStep::ReadChunk, kTimeoutError), Bytes(64, 0)},
      {{{Exchange::GetFeature, twoChunks}, {Exchange::ReadReport, Report(33, Bytes(32, 9)), true, 17}}, 64,
       Failed(0x90, ExchangeStep::ShortChunk), Bytes(64, 0)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.error.step));
    std::vector<testing::ScriptStep> script{{Exchange::SetFeature, Sent(MakePacket(0x90))}};
    script.insert(script.end(), c.reply.begin(), c.reply.end());
    ScriptedChannelFake channel(script);
    Bytes data(c.size, 0x55);
    CommandPacket packet = MakePacket(0x90);
    EXPECT_EQ(TransferBlock(EndpointOn(channel, nullptr, c.lengths), packet, data), c.error);
    EXPECT_EQ(data, c.after);
  }
}

}  // namespace
}  // namespace quendar::device
