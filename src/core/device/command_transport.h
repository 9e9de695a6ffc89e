#pragma once
// The two ways a CommandPacket travels to the mouse: a short exchange of one feature report
// (SendCommand) and a long transfer that follows the packet with a data block of 32-byte chunks
// (TransferBlock). Both report whether every platform call succeeded; the application's own command
// paths ignore that, as a failed read already shows as an all-zero reply.
#include <cstdint>
#include <span>

#include "core/device/command_packet.h"
#include "core/device/hid_channel.h"
#include "core/device/pacer.h"

namespace quendar::device {

// What the transport needs of the command interface. A null channel is a closed interface: every
// exchange fails silently (reads come back all zero).
struct CommandEndpoint {
  HidChannel* channel = nullptr;
  ReportLengths lengths;
  Pacer* pacer = nullptr;  // the 3 ms pause after each written chunk; null skips pausing
};

// Sends the packet (checksum recomputed) as feature report 0. For a read opcode (0x80 and up) the
// packet is replaced by the mouse's reply, or by zeros when the reply cannot be fetched.
bool SendCommand(const CommandEndpoint& endpoint, CommandPacket& packet);

// SendCommand followed by the data block. Reads take the chunk count from the reply's length byte
// and never write past `data`; writes take it from the request's length byte, send only the stated
// bytes (the tail of the last chunk is zero) and pause 3 ms after each chunk.
// Returns false when a platform call failed, a report came back short, a report length exceeds the
// transport's buffers, or the stated length does not fit `data`.
bool TransferBlock(const CommandEndpoint& endpoint, CommandPacket& packet, std::span<std::uint8_t> data);

}  // namespace quendar::device
