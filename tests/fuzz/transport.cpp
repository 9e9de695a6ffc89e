// The transport against a mouse that answers anything: arbitrary report lengths, replies, chunk data,
// failures and short reads. Nothing may be read or written outside the caller's buffers.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "core/device/command_transport.h"

namespace {

class FuzzedChannel final : public quendar::device::HidChannel {
 public:
  FuzzedChannel(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  using IoResult = quendar::device::IoResult;
  using Deadline = quendar::device::Deadline;
  IoResult SetFeature(std::span<const std::uint8_t> report, Deadline) override {
    return Answer(Touch(report), report.size());
  }
  IoResult GetFeature(std::span<std::uint8_t> report, Deadline) override { return Answer(Fill(report), report.size()); }
  IoResult ReadReport(std::span<std::uint8_t> report, Deadline) override { return Answer(Fill(report), report.size()); }
  IoResult WriteReport(std::span<const std::uint8_t> report, Deadline) override {
    return Answer(Touch(report), report.size());
  }

 private:
  static IoResult Answer(std::uint8_t control, std::size_t length) {
    return (control & 1) != 0 ? IoResult::Done(control % (length + 1)) : IoResult::Failed(control);
  }
  std::uint8_t Next() { return offset_ < size_ ? data_[offset_++] : 0; }
  std::uint8_t Touch(std::span<const std::uint8_t> report) {
    unsigned sum = 0;
    for (std::uint8_t byte : report) sum += byte;  // every byte of the span must be readable
    return static_cast<std::uint8_t>(Next() + (sum & 0));
  }
  std::uint8_t Fill(std::span<std::uint8_t> report) {
    for (std::uint8_t& byte : report) byte = Next();  // every byte of the span must be writable
    return Next();
  }
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t offset_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 12) return 0;
  const quendar::device::ReportLengths lengths{static_cast<std::uint16_t>(data[0] % 24),
                                               static_cast<std::uint16_t>(data[1] % 48),
                                               static_cast<std::uint16_t>(data[2] % 48)};
  const std::size_t blockSize = data[3] % 160;
  quendar::device::CommandPacket packet;
  std::memcpy(packet.bytes.data(), data + 4, packet.bytes.size());
  FuzzedChannel channel(data + 12, size - 12);
  // An exact-size heap block, so ASan sees any byte past it.
  std::vector<std::uint8_t> block(data + 12, data + 12 + std::min(blockSize, size - 12));
  block.resize(blockSize);
  const quendar::device::CommandEndpoint endpoint{&channel, lengths, nullptr};
  quendar::device::SendCommand(endpoint, packet);
  quendar::device::TransferBlock(endpoint, packet, block);
  return 0;
}
