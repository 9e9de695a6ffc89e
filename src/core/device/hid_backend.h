#pragma once
// The platform's HID stack as discovery and the event reader see it. The interfaces mirror the
// platform's own walk (list, interface by index, detail path, probe open, attributes, capabilities,
// opens for commands and for overlapped event reads) so the discovery logic is the same everywhere.
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>

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

enum class CapsStatus {
  Ok,
  NoPreparsedData,       // HidD_GetPreparsedData failed
  InvalidPreparsedData,  // HidP_GetCaps answered 0xC0110001
};

struct CapsQuery {
  CapsStatus status = CapsStatus::NoPreparsedData;
  HidCaps caps;
};

enum class EnumStatus {
  Ok,
  NoMoreItems,  // error 259: the list has ended
  Failed,       // any other failure of the request
};

// One snapshot of the present HID interfaces. Destroying it releases the list.
class HidInterfaceList {
 public:
  virtual ~HidInterfaceList() = default;
  virtual EnumStatus Interface(std::uint32_t index) = 0;
  // The device path of the interface last returned Ok; nullopt when the detail cannot be fetched.
  virtual std::optional<std::wstring> DetailPath(std::uint32_t index) = 0;
};

// An interface opened with no access rights, only to ask what it is. Destroying it closes it.
class HidProbe {
 public:
  virtual ~HidProbe() = default;
  virtual std::optional<HidAttributes> Attributes() = 0;
  // Gets the preparsed data, releases it and answers the capabilities read from it.
  virtual CapsQuery Capabilities() = 0;
};

// A manual-reset event, set by the completion of an event read and by discovery to wake the reader.
class ReaderSignal {
 public:
  virtual ~ReaderSignal() = default;
  virtual void Set() = 0;
  virtual void Reset() = 0;
  virtual void Wait() = 0;  // no time-out
};

// The event interface opened for overlapped reading. One read may be pending at a time.
class EventChannel {
 public:
  virtual ~EventChannel() = default;
  // Starts reading one report into `buffer` (which must outlive the read). The read's completion
  // sets `completion` (the backend's own ReaderSignal). Returns false when the read cannot start.
  virtual bool StartRead(std::span<std::uint8_t> buffer, ReaderSignal& completion) = 0;
  // Waits until the pending read has ended; answers the bytes it transferred (0 on error or cancel).
  virtual std::size_t FinishRead() = 0;
  // Ends a pending read early (it completes with 0 bytes and sets its completion signal). Safe from
  // any thread, and when no read is pending.
  virtual void CancelPendingRead() = 0;
};

class HidBackend {
 public:
  virtual ~HidBackend() = default;
  // nullptr when the list cannot be had.
  virtual std::unique_ptr<HidInterfaceList> ListInterfaces() = 0;
  virtual std::unique_ptr<HidProbe> OpenProbe(const std::wstring& path) = 0;
  // Read + write, synchronous. nullptr on failure.
  virtual std::unique_ptr<HidChannel> OpenCommandChannel(const std::wstring& path) = 0;
  // Read only, overlapped. nullptr on failure.
  virtual std::unique_ptr<EventChannel> OpenEventChannel(const std::wstring& path) = 0;
  // nullptr when the platform cannot create the event.
  virtual std::unique_ptr<ReaderSignal> CreateReaderSignal() = 0;
  // The pauses of the command set and the transport.
  virtual Pacer& GetPacer() = 0;
};

}  // namespace quendar::device
