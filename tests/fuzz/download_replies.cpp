// A mouse that answers every fetch and every chunk read with arbitrary bytes, and fails arbitrary calls,
// and a profile of arbitrary bytes: the download makes its 31 exchanges or names the one that failed as
// the last it made, never overruns a buffer, always stores the files, and keeps what it does not own.
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
  device::IoResult SetFeature(std::span<const std::uint8_t> report, device::Deadline) override {
    ++packetsSent;
    return Answer(report.size());
  }
  device::IoResult GetFeature(std::span<std::uint8_t> report, device::Deadline) override {
    bytes_.Fill(report);
    return Answer(report.size());
  }
  device::IoResult ReadReport(std::span<std::uint8_t> report, device::Deadline) override {
    bytes_.Fill(report);
    const std::uint8_t control = bytes_.Next();
    return Answer((control & 0x0F) != 0 ? report.size() : control % (report.size() + 1));
  }
  device::IoResult WriteReport(std::span<const std::uint8_t> report, device::Deadline) override {
    return Answer(report.size());
  }
  int packetsSent = 0;

 private:
  // Mostly successes: a download gets far before a failure ends it.
  device::IoResult Answer(std::size_t bytes) {
    return (bytes_.Next() & 0x3F) != 0 ? device::IoResult::Done(bytes) : device::IoResult::Failed(31);
  }
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
  const device::DownloadResult result = device::DownloadProfile(record, commands, [&] { stored = true; });
  const int sent = mouse.packetsSent - before;
  if (!stored || result.exchanges != sent) std::abort();
  if (result.ok() ? sent != device::kDownloadExchangeCount : result.failure->exchange != sent) std::abort();
  if (!result.ok()) return 0;
  // Matrices 2..4 are always empty; the stages are always seven.
  for (std::size_t m = 1; m < image.keyMatrices.size(); ++m) {
    if (image.keyMatrices[m] != keys::KeyMatrix{}) std::abort();
  }
  if (image.stageCount != 7) std::abort();
  return 0;
}
