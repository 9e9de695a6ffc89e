#pragma once
// The command interface of the mouse as the transport sees it: feature reports for packets, input and
// output reports for data chunks. Implemented by the Win32 backend, the simulated mouse and test fakes.
#include <chrono>
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

// The moment by which a call must have returned, on the steady clock.
using Deadline = std::chrono::steady_clock::time_point;

// The platform's error code of a call that ran past its deadline (the value Windows gives it): a timeout
// is a failed call like any other.
inline constexpr std::uint32_t kTimeoutError = 1460;

// How long a channel waits for a call it cancelled at the deadline to end. A driver that ignores the
// cancel would otherwise hold the caller for as long as it likes.
inline constexpr std::chrono::milliseconds kCancelGrace{100};

// The error of a call whose cancel did not end it within kCancelGrace, and of every later call on the
// same channel: the channel has retired its handle (the platform keeps the call's buffer until it lets
// go) and the mouse counts as gone until it is discovered again. (The value Windows gives "the device
// is not ready for use".)
inline constexpr std::uint32_t kInterfaceRetiredError = 4319;

// Outcome of one platform call on the command interface.
struct IoResult {
  bool ok = false;
  std::size_t bytes = 0;         // bytes actually transferred (a short read has fewer than asked)
  std::uint32_t error = 0;       // the platform's error code when the call failed; 0 when it gave none

  static IoResult Done(std::size_t bytes) { return {true, bytes, 0}; }
  static IoResult Failed(std::uint32_t error) { return {false, 0, error}; }
};

// Every call returns by its deadline plus kCancelGrace: one the device leaves unanswered is cancelled
// and fails with kTimeoutError, or with kInterfaceRetiredError when even the cancel goes unanswered.
class HidChannel {
 public:
  virtual ~HidChannel() = default;
  // The span is the whole report, report ID included; its size is the report length to use.
  virtual IoResult SetFeature(std::span<const std::uint8_t> report, Deadline deadline) = 0;
  virtual IoResult GetFeature(std::span<std::uint8_t> report, Deadline deadline) = 0;
  virtual IoResult ReadReport(std::span<std::uint8_t> report, Deadline deadline) = 0;
  virtual IoResult WriteReport(std::span<const std::uint8_t> report, Deadline deadline) = 0;
};

}  // namespace quendar::device
