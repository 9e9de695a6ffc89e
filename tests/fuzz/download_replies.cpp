// A mouse that answers every fetch and every chunk read with arbitrary bytes, and a profile of arbitrary
// bytes: the download must still make its 31 exchanges, never overrun a buffer, and keep what it does not
// own.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "core/device/command_set.h"
#include "core/device/profile_download.h"
#include "core/profiles/profile_record.h"

namespace {

using namespace quendar;

class ArbitraryBytes {
 public:
  ArbitraryBytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  std::uint8_t Next() { return size_ == 0 ? 0 : data_[pos_++ % size_]; }
  void Fill(std::span<std::uint8_t> out) {
    for (auto& b : out) b = Next();
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t pos_ = 0;
};

class ArbitraryMouse final : public device::HidChannel {
 public:
  explicit ArbitraryMouse(ArbitraryBytes& bytes) : bytes_(bytes) {}
  bool SetFeature(std::span<const std::uint8_t> report) override {
    ++packetsSent;
    return (bytes_.Next() & 0x0F) != 0;
  }
  bool GetFeature(std::span<std::uint8_t> report) override {
    bytes_.Fill(report);
    return (bytes_.Next() & 0x0F) != 0;
  }
  device::IoResult ReadReport(std::span<std::uint8_t> report) override {
    bytes_.Fill(report);
    return {(bytes_.Next() & 0x0F) != 0, std::min<std::size_t>(report.size(), bytes_.Next())};
  }
  device::IoResult WriteReport(std::span<const std::uint8_t> report) override {
    return {(bytes_.Next() & 0x0F) != 0, report.size()};
  }
  int packetsSent = 0;

 private:
  ArbitraryBytes& bytes_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  profiles::ProfileRecord record;
  const std::size_t recordBytes = std::min(size, profiles::kRecordSize);
  std::copy_n(data, recordBytes, record.bytes().begin());
  ArbitraryBytes replies(data + recordBytes, size - recordBytes);

  ArbitraryMouse mouse(replies);
  device::VirtualPacer pacer;
  const device::CommandEndpoint endpoint{&mouse, device::ReportLengths{9, 33, 33}, &pacer};
  device::DeviceImage image;
  device::CommandSet commands(endpoint, image, [](std::string_view) {});
  commands.ReadCpiStages();
  commands.ConnectSequence();
  const int before = mouse.packetsSent;
  bool stored = false;
  device::DownloadProfile(record, commands, [&] { stored = true; });
  if (!stored || mouse.packetsSent - before != device::kDownloadExchangeCount) std::abort();
  // Matrices 2..4 are always empty; the stages are always seven.
  for (std::size_t m = 1; m < image.keyMatrices.size(); ++m) {
    if (image.keyMatrices[m] != keys::KeyMatrix{}) std::abort();
  }
  if (image.stageCount != 7) std::abort();
  return 0;
}
