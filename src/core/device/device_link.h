#pragma once
// The program-wide device state: whether the mouse is there, the command channel behind the transport,
// the event channel the reader waits on, the report lengths, the reader's signal and gate, and the
// sensor type the connection reads. The dialog thread discovers and talks; InputReportThread only
// reads the words marked as shared, all of which are atomic or behind the link's own lock.
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>

#include "core/device/command_transport.h"
#include "core/device/hid_backend.h"

namespace quendar::device {

inline constexpr std::uint16_t kMouseVendorId = 0x04D9;
inline constexpr std::uint16_t kMouseProductId = 0xA165;
inline constexpr std::uint16_t kCommandUsagePage = 0xFF00;
inline constexpr std::uint16_t kCommandUsage = 0xFF00;
inline constexpr std::uint16_t kEventUsagePage = 0xFF01;
inline constexpr std::uint16_t kEventUsage = 0xFF01;

class DeviceLink {
 public:
  explicit DeviceLink(HidBackend& backend);
  ~DeviceLink();
  DeviceLink(const DeviceLink&) = delete;
  DeviceLink& operator=(const DeviceLink&) = delete;

  // Walks the present HID interfaces in the platform's order, opens the mouse's event interface when
  // it comes before the command interface, and stops at the command interface. Succeeds only when the
  // command interface was found and opened; otherwise names the call that failed (FindMouse when the
  // walk ended without the mouse). An interface that cannot even be probed is skipped; any other
  // failure of the platform ends the search. A handle that a run replaces is closed once the reader no
  // longer waits on it.
  DeviceStatus DiscoverDevice();

  // The mouse is gone: DevicePresent drops to 0 and both channels are closed (the reader's pending
  // read is cancelled first). Also what the program does on exit.
  void MarkAbsent();
  // Cancels the reader's pending event read, if any, keeping the channel: after a removal the read
  // might otherwise never complete.
  void CancelPendingEventRead();

  bool DevicePresent() const { return devicePresent_.load(); }
  // What SendCommand and TransferBlock need; a closed command interface gives a null channel. A call
  // that retires the interface (its cancel went unanswered) makes the mouse count as gone at once.
  CommandEndpoint Command();
  ReportLengths CommandLengths() const { return commandLengths_; }
  bool CommandChannelOpen() const { return commandChannel_ != nullptr; }
  Pacer& GetPacer() { return backend_.GetPacer(); }

  // Shared with the reader.
  std::uint16_t EventReportByteLength() const { return eventReportByteLength_.load(); }
  std::shared_ptr<EventChannel> EventReader() const;
  // False when the platform could not create the reader's event: no reader may be started then.
  bool HasReaderEvent() const { return readerEvent_.ok(); }
  ReaderSignal& ReaderEvent() { return **readerEvent_; }

  // The reader's gate: held until the mouse is first found; later releases change nothing. The reader
  // leaves its start here rather than waiting in a thread of its own: a tray program without its mouse
  // should not keep a thread (and its memory) for a mouse that may never come.
  void ReleaseReader();
  bool ReaderReleased() const { return readerReleased_.load(); }
  // `start` runs at the release, on the releasing thread, or here at once when released already. An
  // empty function takes it back: once this returns, a start that had not run will not run.
  void OnReaderRelease(std::function<void()> start);

  std::uint8_t SensorType() const { return sensorType_.load(); }
  void SetSensorType(std::uint8_t type) { sensorType_.store(type); }

 private:
  enum class InterfaceVerdict { NotTheMouse, Event, Command };
  DeviceResult<InterfaceVerdict> ClassifyInterface(const std::wstring& path, HidCaps& caps);
  DeviceStatus OpenEventInterface(const std::wstring& path, const HidCaps& caps);
  void ReplaceEventChannel(std::shared_ptr<EventChannel> channel);

  // The command channel as the transport sees it: every call goes through to the backend's channel,
  // and one that answers kInterfaceRetiredError takes the mouse out of the link.
  class RetirementWatch final : public HidChannel {
   public:
    explicit RetirementWatch(DeviceLink& link) : link_(link) {}
    IoResult SetFeature(std::span<const std::uint8_t> report, Deadline deadline) override;
    IoResult GetFeature(std::span<std::uint8_t> report, Deadline deadline) override;
    IoResult ReadReport(std::span<std::uint8_t> report, Deadline deadline) override;
    IoResult WriteReport(std::span<const std::uint8_t> report, Deadline deadline) override;

   private:
    template <class Call>
    IoResult Watch(Call call);
    DeviceLink& link_;
  };

  HidBackend& backend_;
  DeviceResult<std::unique_ptr<ReaderSignal>> readerEvent_;

  std::atomic<bool> devicePresent_{false};
  std::unique_ptr<HidChannel> commandChannel_;  // dialog thread only
  RetirementWatch commandWatch_{*this};
  ReportLengths commandLengths_;                // dialog thread only

  mutable std::mutex eventMutex_;  // guards eventChannel_ (the pointer, not the reads through it)
  std::shared_ptr<EventChannel> eventChannel_;
  std::atomic<std::uint16_t> eventReportByteLength_{0};

  std::mutex gateMutex_;  // guards readerStart_ and orders it with the release
  std::function<void()> readerStart_;
  std::atomic<bool> readerReleased_{false};

  std::atomic<std::uint8_t> sensorType_{0};
};

}  // namespace quendar::device
