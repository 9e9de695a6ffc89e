#pragma once
// The 8-byte unit of every exchange with the mouse: opcode, six payload bytes, checksum.
#include <array>
#include <cstdint>

namespace quendar::device {

struct CommandPacket {
  static constexpr std::size_t kSize = 8;
  static constexpr std::size_t kChecksumIndex = 7;

  std::array<std::uint8_t, kSize> bytes{};

  std::uint8_t Opcode() const { return bytes[0]; }
  // Bit 7 of the opcode marks a read: the mouse answers with a packet of its own.
  bool IsRead() const { return (bytes[0] & 0x80) != 0; }
  // Byte 2 carries the data length of a long transfer.
  std::uint8_t DataLength() const { return bytes[2]; }
  // Overwrites byte 7 with the checksum of bytes 0-6.
  void Seal();
  bool HasValidChecksum() const;

  friend bool operator==(const CommandPacket&, const CommandPacket&) = default;
};

// (0xFF - (b0 + ... + b6)) mod 256.
std::uint8_t PacketChecksum(const std::uint8_t* firstSevenBytes);

// A packet with the given opcode and payload bytes 1..6 (missing ones zero), checksum sealed.
CommandPacket MakePacket(std::uint8_t opcode, std::uint8_t b1 = 0, std::uint8_t b2 = 0, std::uint8_t b3 = 0,
                         std::uint8_t b4 = 0, std::uint8_t b5 = 0, std::uint8_t b6 = 0);

}  // namespace quendar::device
