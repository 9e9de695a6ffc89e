#include "core/device/command_transport.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "core/text/hex.h"

namespace quendar::device {

namespace {

std::size_t ChunkCount(std::size_t length) { return (length + kChunkSize - 1) / kChunkSize; }

// One exchange in progress: its deadline, and the first failure, after which it makes no more calls.
class Exchange {
 public:
  Exchange(const CommandEndpoint& endpoint, std::uint8_t opcode)
      : endpoint_(endpoint), opcode_(opcode), deadline_(std::chrono::steady_clock::now() + endpoint.timeout) {}

  HidChannel& channel() const { return *endpoint_.channel; }
  const ReportLengths& lengths() const { return endpoint_.lengths; }
  Pacer* pacer() const { return endpoint_.pacer; }
  Deadline deadline() const { return deadline_; }
  bool failed() const { return error_.has_value(); }
  ExchangeOutcome outcome() const { return error_; }

  void Fail(ExchangeStep step, std::uint32_t platformError = 0) {
    if (!error_) error_ = ExchangeError{opcode_, step, platformError};
  }
  // A platform call's result: false (and the exchange failed) unless it moved the whole report.
  bool Check(const IoResult& result, ExchangeStep step, std::size_t length) {
    if (!result.ok) {
      Fail(step, result.error);
      return false;
    }
    if (result.bytes < length) {
      Fail(ExchangeStep::ShortChunk);
      return false;
    }
    return true;
  }

 private:
  const CommandEndpoint& endpoint_;
  std::uint8_t opcode_;
  Deadline deadline_;
  ExchangeOutcome error_;
};

// Sends the packet behind report ID 0 and, for a read opcode, fetches the reply into it.
void ExchangePacket(Exchange& exchange, const CommandEndpoint& endpoint, CommandPacket& packet) {
  packet.Seal();
  const bool isRead = packet.IsRead();
  const std::size_t featureLength = endpoint.lengths.feature;
  // Whatever goes wrong, the caller of a read sees an all-zero reply.
  auto failRead = [&] {
    if (isRead) packet.bytes.fill(0);
  };
  if (endpoint.channel == nullptr) {
    exchange.Fail(ExchangeStep::InterfaceClosed);
    return failRead();
  }
  // A feature length beyond the buffer would overrun it; such an interface is never the mouse's.
  if (featureLength > kFeatureBufferSize) {
    exchange.Fail(ExchangeStep::ReportTooLong);
    return failRead();
  }

  std::array<std::uint8_t, kFeatureBufferSize> report{};
  std::memcpy(report.data() + 1, packet.bytes.data(), CommandPacket::kSize);
  const auto sent = exchange.channel().SetFeature(std::span(report.data(), featureLength), exchange.deadline());
  if (!sent.ok) {
    exchange.Fail(ExchangeStep::SendPacket, sent.error);
    return failRead();
  }
  if (!isRead) return;

  report.fill(0);
  const auto fetched = exchange.channel().GetFeature(std::span(report.data(), featureLength), exchange.deadline());
  if (!fetched.ok) {
    exchange.Fail(ExchangeStep::FetchReply, fetched.error);
    return failRead();  // whatever the platform left in the report is not a reply
  }
  std::memcpy(packet.bytes.data(), report.data() + 1, CommandPacket::kSize);
}

void ReadChunks(Exchange& exchange, std::size_t length, std::span<std::uint8_t> data) {
  // A reply longer than the buffer is cut to it: the described rule, not a failure.
  const std::size_t chunks = std::min(ChunkCount(length), ChunkCount(data.size()));
  const std::size_t inputLength = exchange.lengths().input;
  if (inputLength > kDataBufferSize) return exchange.Fail(ExchangeStep::ReportTooLong);

  std::array<std::uint8_t, kDataBufferSize> report{};
  for (std::size_t chunk = 0; chunk < chunks; ++chunk) {
    report.fill(0);
    // Chunks after a failure are not asked for; they read as zeros, like the failed one.
    if (!exchange.failed()) {
      const IoResult result = exchange.channel().ReadReport(std::span(report.data(), inputLength), exchange.deadline());
      if (!exchange.Check(result, ExchangeStep::ReadChunk, inputLength)) {
        report.fill(0);
      }
    }
    const std::size_t offset = chunk * kChunkSize;
    std::memcpy(data.data() + offset, report.data() + 1, std::min(kChunkSize, data.size() - offset));
  }
}

void WriteChunks(Exchange& exchange, std::size_t length, std::span<const std::uint8_t> data) {
  const std::size_t outputLength = exchange.lengths().output;
  if (outputLength > kDataBufferSize) return exchange.Fail(ExchangeStep::ReportTooLong);
  const std::size_t sendable = std::min(length, data.size());

  std::array<std::uint8_t, kDataBufferSize> report{};
  for (std::size_t offset = 0; offset < sendable && !exchange.failed(); offset += kChunkSize) {
    report.fill(0);
    std::memcpy(report.data() + 1, data.data() + offset, std::min(kChunkSize, sendable - offset));
    const IoResult result = exchange.channel().WriteReport(std::span(report.data(), outputLength), exchange.deadline());
    exchange.Check(result, ExchangeStep::WriteChunk, outputLength);
    if (exchange.pacer() != nullptr) exchange.pacer()->Pause(kWrittenChunkPause);
  }
  if (length > data.size()) exchange.Fail(ExchangeStep::BlockTooLong);
}

}  // namespace

std::string Describe(const ExchangeError& error) {
  std::string text = "opcode 0x" + text::HexByte(error.opcode) + ": ";
  switch (error.step) {
    case ExchangeStep::InterfaceClosed: text += "the command interface is not open"; break;
    case ExchangeStep::ReportTooLong: text += "a report length exceeds the transport's buffers"; break;
    case ExchangeStep::SendPacket: text += "sending the packet failed"; break;
    case ExchangeStep::FetchReply: text += "fetching the reply failed"; break;
    case ExchangeStep::ReadChunk: text += "reading a data chunk failed"; break;
    case ExchangeStep::WriteChunk: text += "writing a data chunk failed"; break;
    case ExchangeStep::ShortChunk: text += "a data chunk moved short"; break;
    case ExchangeStep::BlockTooLong: text += "the stated length exceeds the data"; break;
  }
  if (error.platformError == kTimeoutError) {
    text += " (timed out)";
  } else if (error.platformError != 0) {
    text += " (platform error " + std::to_string(error.platformError) + ")";
  }
  return text;
}

ExchangeOutcome SendCommand(const CommandEndpoint& endpoint, CommandPacket& packet) {
  Exchange exchange(endpoint, packet.Opcode());
  ExchangePacket(exchange, endpoint, packet);
  return exchange.outcome();
}

ExchangeOutcome TransferBlock(const CommandEndpoint& endpoint, CommandPacket& packet, std::span<std::uint8_t> data) {
  // Read or write is the request's opcode, whatever the reply carries.
  const bool isRead = packet.IsRead();
  Exchange exchange(endpoint, packet.Opcode());
  ExchangePacket(exchange, endpoint, packet);
  // A packet the mouse did not take has no data block. A failed read's all-zero reply states length 0,
  // so it moves no data either.
  if (exchange.failed()) return exchange.outcome();
  if (isRead) {
    ReadChunks(exchange, packet.DataLength(), data);
  } else {
    WriteChunks(exchange, packet.DataLength(), data);
  }
  return exchange.outcome();
}

}  // namespace quendar::device
