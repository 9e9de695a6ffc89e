#include "sim/firmware_protocol.h"

#include <algorithm>
#include <utility>

#include "core/protocol/mouse_protocol.h"

namespace quendar::sim {

namespace {

// The firmware's opcodes by the register they reach. 0x81, 0x8E, 0x92 and 0x93 are reads the program never
// makes, answered so tools and tests can inspect every stored byte over the wire.
enum Opcode : std::uint8_t {
  kReportRate = protocol::opcode::kWriteReportRate,
  kSensorSettings = protocol::opcode::kWriteSensorSettings,
  kLightingParameters = protocol::opcode::kWriteLightingParameters,
  kLightingEffect = protocol::opcode::kWriteLightingEffect,
  kSensitivity = protocol::opcode::kWriteSensitivity,
  kColourBlocks = protocol::opcode::kWriteColourBlocks,
  kCpiStages = protocol::opcode::kWriteCpiStages,
  kKeyMatrices = protocol::opcode::kWriteKeyMatrices,
  kMacroBlocks = protocol::opcode::kWriteMacroBlocks,
};
using protocol::opcode::kReadBit;

template <std::size_t N>
void CopyInto(std::array<std::uint8_t, N>& target, std::span<const std::uint8_t> source) {
  std::copy_n(source.begin(), std::min(N, source.size()), target.begin());
}

}  // namespace

void FirmwareProtocol::ReceivePacket(const device::CommandPacket& packet) {
  if (!packet.HasValidChecksum()) {
    ++droppedPackets_;
    return;
  }
  // A new packet abandons whatever the previous exchange left unfinished.
  Reset();
  if (packet.IsRead()) {
    PrepareRead(packet);
    return;
  }
  switch (packet.Opcode()) {
    case kColourBlocks:
    case kCpiStages:
    case kKeyMatrices:
    case kMacroBlocks:
      pendingWrite_ = PendingWrite{packet.Opcode(), packet.bytes[1], packet.DataLength(), {}};
      if (pendingWrite_->length == 0) pendingWrite_.reset();
      return;
    default:
      ApplyShortWrite(packet);
  }
}

void FirmwareProtocol::ApplyShortWrite(const device::CommandPacket& packet) {
  const auto& b = packet.bytes;
  switch (packet.Opcode()) {
    case kReportRate:
      state_.reportRateCode = b[1];
      break;
    case kSensorSettings:
      state_.sensorSettings = {b[1], b[2], b[3], b[4]};
      break;
    case kLightingParameters:
      if (b[1] < state_.lightingParameters.size()) state_.lightingParameters[b[1]] = {b[2], b[3], b[4]};
      break;
    case kLightingEffect:
      state_.lightingEffect = {b[1], b[2], b[3]};
      break;
    case kSensitivity:
      state_.sensitivity = {b[1], b[2]};
      break;
    default:
      break;  // unknown writes are ignored, as the firmware does
  }
}

void FirmwareProtocol::PrepareRead(const device::CommandPacket& request) {
  const std::uint8_t index = request.bytes[1];
  device::CommandPacket reply;
  reply.bytes[0] = request.Opcode();
  switch (static_cast<std::uint8_t>(request.Opcode() & ~kReadBit)) {
    case kReportRate:
      reply.bytes[1] = state_.reportRateCode;
      break;
    case kSensorSettings:
      std::copy(state_.sensorSettings.begin(), state_.sensorSettings.end(), reply.bytes.begin() + 1);
      break;
    case kLightingParameters:
      reply.bytes[1] = index;
      if (index < state_.lightingParameters.size()) {
        const auto& p = state_.lightingParameters[index];
        std::copy(p.begin(), p.end(), reply.bytes.begin() + 2);
      }
      break;
    case kLightingEffect:
      std::copy(state_.lightingEffect.begin(), state_.lightingEffect.end(), reply.bytes.begin() + 1);
      break;
    case kSensitivity:
      reply.bytes[1] = state_.sensitivity[0];
      reply.bytes[2] = state_.sensitivity[1];
      break;
    case kColourBlocks:
      if (index < state_.colourBlocks.size()) return ReplyWithData(request, state_.colourBlocks[index]);
      break;
    case kCpiStages: {
      device::CommandPacket withCount = request;
      withCount.bytes[1] = state_.stageCount;
      return ReplyWithData(withCount, state_.stageBytes);
    }
    case kKeyMatrices:
      if (index >= 1 && index <= state_.keyMatrices.size()) return ReplyWithData(request, state_.keyMatrices[index - 1]);
      break;
    case kMacroBlocks:
      if (index >= 1 && index <= state_.macroBlocks.size()) return ReplyWithData(request, state_.macroBlocks[index - 1]);
      break;
    default:
      break;  // an unknown read is answered with its opcode and zeros
  }
  reply.Seal();
  reply_ = reply;
}

void FirmwareProtocol::ReplyWithData(const device::CommandPacket& request, std::span<const std::uint8_t> data) {
  std::size_t length = data.size();
  if (overstatedLength_) {
    length = *overstatedLength_;
    overstatedLength_.reset();
  }
  device::CommandPacket reply;
  reply.bytes[0] = request.Opcode();
  reply.bytes[1] = request.bytes[1];
  reply.bytes[2] = static_cast<std::uint8_t>(length);
  reply.Seal();
  reply_ = reply;
  for (std::size_t offset = 0; offset < length; offset += 32) {
    Chunk chunk{};
    for (std::size_t i = 0; i < 32 && offset + i < length; ++i) {
      // Past the stored bytes an overstating mouse sends a recognisable filler.
      chunk[i] = offset + i < data.size() ? data[offset + i] : 0xEE;
    }
    chunks_.push_back(chunk);
  }
}

std::optional<device::CommandPacket> FirmwareProtocol::TakeReply() { return std::exchange(reply_, std::nullopt); }

std::optional<Chunk> FirmwareProtocol::TakeChunk() {
  if (chunks_.empty()) return std::nullopt;
  Chunk chunk = chunks_.front();
  chunks_.pop_front();
  return chunk;
}

void FirmwareProtocol::ReceiveChunk(std::span<const std::uint8_t, 32> chunk) {
  if (!pendingWrite_) return;
  pendingWrite_->data.insert(pendingWrite_->data.end(), chunk.begin(), chunk.end());
  if (pendingWrite_->data.size() < pendingWrite_->length) return;
  pendingWrite_->data.resize(pendingWrite_->length);
  ApplyLongWrite(*pendingWrite_);
  pendingWrite_.reset();
}

void FirmwareProtocol::ApplyLongWrite(const PendingWrite& write) {
  const std::span<const std::uint8_t> data(write.data);
  switch (write.opcode) {
    case kColourBlocks:
      if (write.index < state_.colourBlocks.size()) CopyInto(state_.colourBlocks[write.index], data);
      break;
    case kCpiStages:
      state_.stageCount = write.index;
      CopyInto(state_.stageBytes, data);
      break;
    case kKeyMatrices:
      if (write.index >= 1 && write.index <= state_.keyMatrices.size()) CopyInto(state_.keyMatrices[write.index - 1], data);
      break;
    case kMacroBlocks:
      if (write.index >= 1 && write.index <= state_.macroBlocks.size()) CopyInto(state_.macroBlocks[write.index - 1], data);
      break;
    default:
      break;
  }
}

}  // namespace quendar::sim
