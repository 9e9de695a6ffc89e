#pragma once
// The simulated mouse's answer to the command set: packets in, replies and data chunks out, written
// chunks gathered into the stored state. Knows nothing of threads, channels or time.
#include <cstdint>
#include <deque>
#include <optional>
#include <span>
#include <vector>

#include "core/device/command_packet.h"
#include "sim/mouse_state.h"

namespace quendar::sim {

using Chunk = std::array<std::uint8_t, 32>;

class FirmwareProtocol {
 public:
  explicit FirmwareProtocol(MouseState state) : state_(state) {}

  // A packet arrived as a feature report. Packets with a wrong checksum are dropped.
  void ReceivePacket(const device::CommandPacket& packet);
  // The reply a read packet prepared, taken once; nullopt when no read is waiting for it.
  std::optional<device::CommandPacket> TakeReply();
  // The next data chunk of the last long read; nullopt when none is left.
  std::optional<Chunk> TakeChunk();
  // One written chunk of a long write; chunks no write announced are dropped.
  void ReceiveChunk(std::span<const std::uint8_t, 32> chunk);

  // Replaces the next long read's reply length (and sends that many bytes), as a faulty mouse would.
  void OverstateNextReplyLength(std::uint8_t length) { overstatedLength_ = length; }

  const MouseState& State() const { return state_; }
  MouseState& MutableState() { return state_; }
  unsigned DroppedPackets() const { return droppedPackets_; }
  void Reset() {
    reply_.reset();
    chunks_.clear();
    pendingWrite_.reset();
  }

 private:
  struct PendingWrite {
    std::uint8_t opcode = 0;
    std::uint8_t index = 0;
    std::size_t length = 0;
    std::vector<std::uint8_t> data;
  };

  void ApplyShortWrite(const device::CommandPacket& packet);
  void PrepareRead(const device::CommandPacket& packet);
  void ReplyWithData(const device::CommandPacket& request, std::span<const std::uint8_t> data);
  void ApplyLongWrite(const PendingWrite& write);

  MouseState state_;
  std::optional<device::CommandPacket> reply_;
  std::deque<Chunk> chunks_;
  std::optional<PendingWrite> pendingWrite_;
  std::optional<std::uint8_t> overstatedLength_;
  unsigned droppedPackets_ = 0;
};

}  // namespace quendar::sim
