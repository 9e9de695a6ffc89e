#pragma once
// The command interface of the mouse as the transport sees it: feature reports for packets, input and
// output reports for data chunks. Implemented by the Win32 backend, the simulated mouse and test fakes.
#include <cstddef>
#include <cstdint>
#include <span>

namespace quendar::device {

// Byte 0 of every report is the report ID; the mouse uses none, so it is always 0.
inline constexpr std::size_t kFeatureBufferSize = 16;  // the longest feature report the transport handles
inline constexpr std::size_t kDataBufferSize = 40;     // the longest input/output/event report it handles
inline constexpr std::size_t kChunkSize = 32;          // data bytes carried by one input/output report
inline constexpr std::size_t kMaxBlockSize = 128;      // the longest data block of one transfer

struct ReportLengths {
  std::uint16_t feature = 0;
  std::uint16_t input = 0;
  std::uint16_t output = 0;

  friend bool operator==(const ReportLengths&, const ReportLengths&) = default;
};

// Outcome of one synchronous report read or write.
struct IoResult {
  bool ok = false;
  std::size_t bytes = 0;  // bytes actually transferred (a short read has fewer than asked)
};

class HidChannel {
 public:
  virtual ~HidChannel() = default;
  // The span is the whole report, report ID included; its size is the report length to use.
  virtual bool SetFeature(std::span<const std::uint8_t> report) = 0;
  virtual bool GetFeature(std::span<std::uint8_t> report) = 0;
  virtual IoResult ReadReport(std::span<std::uint8_t> report) = 0;
  virtual IoResult WriteReport(std::span<const std::uint8_t> report) = 0;
};

}  // namespace quendar::device
