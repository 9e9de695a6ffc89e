#pragma once
// The platform's HID stack as discovery and the event reader see it. The interfaces mirror the
// platform's own walk (list, path by index, probe open, attributes, capabilities, opens for commands
// and for overlapped event reads) so the discovery logic is the same everywhere. Every call that can
// fail answers a DeviceResult naming the call, the interface and the platform's error.
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "core/device/device_result.h"
#include "core/device/hid_channel.h"
#include "core/device/pacer.h"

namespace quendar::device {

struct HidAttributes {
  std::uint16_t vendorId = 0;
  std::uint16_t productId = 0;
  std::uint16_t versionNumber = 0;
};

struct HidCaps {
  std::uint16_t usage = 0;
  std::uint16_t usagePage = 0;
  std::uint16_t inputReportByteLength = 0;
  std::uint16_t outputReportByteLength = 0;
  std::uint16_t featureReportByteLength = 0;
};

// The status the platform's capability query answers for a report descriptor it cannot parse.
inline constexpr std::uint32_t kInvalidPreparsedData = 0xC0110001;

// One snapshot of the present HID interfaces. Destroying it releases the list.
class HidInterfaceList {
 public:
  virtual ~HidInterfaceList() = default;
  // The device path of the interface at `index`, in the platform's order; nullopt once the list has ended.
  virtual DeviceResult<std::optional<std::wstring>> PathAt(std::uint32_t index) = 0;
};

// An interface opened with no access rights, only to ask what it is. Destroying it closes it.
class HidProbe {
 public:
  virtual ~HidProbe() = default;
  virtual DeviceResult<HidAttributes> Attributes() = 0;
  // Reads the report descriptor, releases it and answers the capabilities read from it.
  virtual DeviceResult<HidCaps> Capabilities() = 0;
};

// A manual-reset event that wakes the event reader: set by discovery when it opens or replaces the
// event interface, and by whoever stops the reader.
class ReaderSignal {
 public:
  virtual ~ReaderSignal() = default;
  virtual void Set() = 0;
  virtual void Reset() = 0;
  virtual void Wait() = 0;  // no time-out
};

// One event report as a completed read delivered it.
struct EventReport {
  std::array<std::uint8_t, kDataBufferSize> bytes{};
  std::size_t length = 0;  // 0 for a read that ended without data (cancelled, or the device left)
};

// The event interface opened for overlapped reading. At most one read is pending at a time; the
// channel owns its buffer and keeps it until the platform has let go of the read, whoever gave up on
// the read and whenever the channel is destroyed.
class EventChannel {
 public:
  virtual ~EventChannel() = default;
  // The reader's thread. Starts reading one report of `length` bytes (at most kDataBufferSize);
  // does nothing when a read is still pending.
  virtual DeviceStatus StartRead(std::size_t length) = 0;
  // The reader's thread. Waits until the pending read has ended or `wake` is set, whichever comes
  // first: the report of a read that ended, nullopt while the read is still pending (or none was started).
  virtual std::optional<EventReport> WaitForRead(ReaderSignal& wake) = 0;
  // Any thread, also when no read is pending: ends a pending read early (it ends with no data).
  virtual void CancelPendingRead() = 0;
};

class HidBackend {
 public:
  virtual ~HidBackend() = default;
  virtual DeviceResult<std::unique_ptr<HidInterfaceList>> ListInterfaces() = 0;
  virtual DeviceResult<std::unique_ptr<HidProbe>> OpenProbe(const std::wstring& path) = 0;
  // Read + write; every call bounded by its deadline.
  virtual DeviceResult<std::unique_ptr<HidChannel>> OpenCommandChannel(const std::wstring& path) = 0;
  // Read only, overlapped.
  virtual DeviceResult<std::unique_ptr<EventChannel>> OpenEventChannel(const std::wstring& path) = 0;
  virtual DeviceResult<std::unique_ptr<ReaderSignal>> CreateReaderSignal() = 0;
  // The pauses of the command set and the transport.
  virtual Pacer& GetPacer() = 0;
};

}  // namespace quendar::device
