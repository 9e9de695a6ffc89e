#pragma once
// The two ways a CommandPacket travels to the mouse: a short exchange of one feature report
// (SendCommand) and a long transfer that follows the packet with a data block of 32-byte chunks
// (TransferBlock). Each is one exchange with one deadline; it stops at its first failed call and
// reports which call failed and the platform's error.
#include <chrono>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "core/device/command_packet.h"
#include "core/device/hid_channel.h"
#include "core/device/pacer.h"

namespace quendar::device {

// How long one exchange may take, every call and pause of it included. A healthy mouse answers a whole
// 128-byte transfer in a few milliseconds; a wedged one costs at most this much per exchange.
inline constexpr std::chrono::milliseconds kExchangeTimeout{1000};

// What the transport needs of the command interface. A null channel is a closed interface: every
// exchange fails (reads come back all zero).
struct CommandEndpoint {
  HidChannel* channel = nullptr;
  ReportLengths lengths;
  Pacer* pacer = nullptr;  // the 3 ms pause after each written chunk; null skips pausing
  std::chrono::milliseconds timeout = kExchangeTimeout;
};

// The part of an exchange that failed.
enum class ExchangeStep : std::uint8_t {
  InterfaceClosed,  // no command interface is open
  ReportTooLong,    // a report length of the interface exceeds the transport's buffers
  SendPacket,       // the feature report that carries the packet
  FetchReply,       // the feature report that carries the reply
  ReadChunk,        // an input report of the data block
  WriteChunk,       // an output report of the data block
  ShortChunk,       // a data report moved fewer bytes than its length
  BlockTooLong,     // the request states more data than the caller's buffer holds
};

struct ExchangeError {
  std::uint8_t opcode = 0;
  ExchangeStep step = ExchangeStep::InterfaceClosed;
  std::uint32_t platformError = 0;  // kTimeoutError for a missed deadline; 0 when the platform gave none

  friend bool operator==(const ExchangeError&, const ExchangeError&) = default;
};

// Nothing when every call of the exchange succeeded.
using ExchangeOutcome = std::optional<ExchangeError>;

// One line for a log or a command line, e.g. "opcode 0x13: sending the packet failed (timed out)".
std::string Describe(const ExchangeError& error);

// Sends the packet (checksum recomputed) as feature report 0. For a read opcode (0x80 and up) the
// packet is replaced by the mouse's reply, or by zeros when the reply cannot be had.
ExchangeOutcome SendCommand(const CommandEndpoint& endpoint, CommandPacket& packet);

// SendCommand followed by the data block. Reads take the chunk count from the reply's length byte and
// never write past `data` (a longer reply is cut to it); chunks a failure leaves unread read as zeros.
// Writes take the count from the request's length byte, send only the stated bytes (the tail of the
// last chunk is zero) and pause 3 ms after each chunk; a stated length beyond `data` sends what fits
// and fails.
ExchangeOutcome TransferBlock(const CommandEndpoint& endpoint, CommandPacket& packet, std::span<std::uint8_t> data);

}  // namespace quendar::device
