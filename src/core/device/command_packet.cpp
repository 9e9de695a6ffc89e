#include "core/device/command_packet.h"

namespace quendar::device {

std::uint8_t PacketChecksum(const std::uint8_t* firstSevenBytes) {
  unsigned sum = 0;
  for (std::size_t i = 0; i < CommandPacket::kChecksumIndex; ++i) sum += firstSevenBytes[i];
  return static_cast<std::uint8_t>(0xFF - sum);
}

void CommandPacket::Seal() { bytes[kChecksumIndex] = PacketChecksum(bytes.data()); }

bool CommandPacket::HasValidChecksum() const { return bytes[kChecksumIndex] == PacketChecksum(bytes.data()); }

CommandPacket MakePacket(std::uint8_t opcode, std::uint8_t b1, std::uint8_t b2, std::uint8_t b3, std::uint8_t b4,
                         std::uint8_t b5, std::uint8_t b6) {
  CommandPacket packet;
  packet.bytes = {opcode, b1, b2, b3, b4, b5, b6, 0};
  packet.Seal();
  return packet;
}

}  // namespace quendar::device
