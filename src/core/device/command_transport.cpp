#include "core/device/command_transport.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace quendar::device {

namespace {

std::size_t ChunkCount(std::size_t length) { return (length + kChunkSize - 1) / kChunkSize; }

// Sends the packet behind report ID 0 and, for a read opcode, fetches the reply into it.
bool ExchangePacket(const CommandEndpoint& endpoint, CommandPacket& packet) {
  packet.Seal();
  const bool isRead = packet.IsRead();
  const std::size_t featureLength = endpoint.lengths.feature;
  // A feature length beyond the buffer would overrun it; such an interface is never the mouse's.
  if (endpoint.channel == nullptr || featureLength > kFeatureBufferSize) {
    if (isRead) packet.bytes.fill(0);
    return false;
  }

  std::array<std::uint8_t, kFeatureBufferSize> report{};
  std::memcpy(report.data() + 1, packet.bytes.data(), CommandPacket::kSize);
  bool ok = endpoint.channel->SetFeature(std::span(report.data(), featureLength));
  if (!isRead) return ok;

  report.fill(0);
  if (!endpoint.channel->GetFeature(std::span(report.data(), featureLength))) {
    report.fill(0);  // a failed fetch must read as an all-zero reply, whatever the platform left behind
    ok = false;
  }
  std::memcpy(packet.bytes.data(), report.data() + 1, CommandPacket::kSize);
  return ok;
}

bool ReadChunks(const CommandEndpoint& endpoint, std::size_t length, std::span<std::uint8_t> data) {
  const std::size_t wanted = ChunkCount(length);
  const std::size_t fitting = ChunkCount(data.size());
  bool ok = wanted <= fitting;
  const std::size_t inputLength = endpoint.lengths.input;
  if (inputLength > kDataBufferSize) return false;

  std::array<std::uint8_t, kDataBufferSize> report{};
  for (std::size_t chunk = 0; chunk < std::min(wanted, fitting); ++chunk) {
    report.fill(0);
    const IoResult result = endpoint.channel->ReadReport(std::span(report.data(), inputLength));
    if (!result.ok) report.fill(0);
    if (!result.ok || result.bytes < inputLength) ok = false;
    const std::size_t offset = chunk * kChunkSize;
    std::memcpy(data.data() + offset, report.data() + 1, std::min(kChunkSize, data.size() - offset));
  }
  return ok;
}

bool WriteChunks(const CommandEndpoint& endpoint, std::size_t length, std::span<const std::uint8_t> data) {
  bool ok = length <= data.size();
  const std::size_t sendable = std::min(length, data.size());
  const std::size_t outputLength = endpoint.lengths.output;
  if (outputLength > kDataBufferSize) return false;

  std::array<std::uint8_t, kDataBufferSize> report{};
  for (std::size_t offset = 0; offset < sendable; offset += kChunkSize) {
    report.fill(0);
    std::memcpy(report.data() + 1, data.data() + offset, std::min(kChunkSize, sendable - offset));
    const IoResult result = endpoint.channel->WriteReport(std::span(report.data(), outputLength));
    if (!result.ok || result.bytes < outputLength) ok = false;
    if (endpoint.pacer != nullptr) endpoint.pacer->Pause(kWrittenChunkPause);
  }
  return ok;
}

}  // namespace

bool SendCommand(const CommandEndpoint& endpoint, CommandPacket& packet) { return ExchangePacket(endpoint, packet); }

bool TransferBlock(const CommandEndpoint& endpoint, CommandPacket& packet, std::span<std::uint8_t> data) {
  // Read or write is the request's opcode, whatever the reply carries.
  const bool isRead = packet.IsRead();
  const bool packetOk = ExchangePacket(endpoint, packet);
  if (endpoint.channel == nullptr || endpoint.lengths.feature > kFeatureBufferSize) return false;
  // Reads: the reply names the length, so a failed fetch (all zeros) moves no data.
  const bool chunksOk = isRead ? ReadChunks(endpoint, packet.DataLength(), data)
                               : WriteChunks(endpoint, packet.DataLength(), data);
  return packetOk && chunksOk;
}

}  // namespace quendar::device
