#pragma once
// A firmware emulator of the mouse behind the same HID interfaces as the real one. It lists its
// interfaces among unrelated devices, answers every command of the command set from its stored state,
// keeps what is written, records the wire with timestamps, sends a CPI stage report when its button is
// pressed, can be unplugged and plugged back, and injects faults. Thread-safe: the dialog thread, the
// reader thread and a test may all use it at once.
#include <array>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <span>
#include <string>
#include <vector>

#include "core/device/hid_backend.h"
#include "core/device/pacer.h"
#include "sim/firmware_protocol.h"
#include "sim/mouse_state.h"
#include "sim/sim_interface.h"
#include "sim/wire_log.h"

namespace quendar::sim {

enum class Fault {
  FailedFetch,           // the reply fetch fails: the host reads all zeros
  ShortRead,             // an input report read returns half of the asked bytes
  OversizedReplyLength,  // a long read's reply states 200 bytes (and sends them)
  StalledEventRead,      // at the next unplug, pending event reads never complete on their own
  StalledReply,          // the mouse takes a read packet but never answers: the fetch waits out its deadline
  RejectedPacket,        // the platform fails a packet's feature report (the device stalled the pipe)
  IgnoredCancel,         // a reply fetch goes unanswered and so does its cancel: the channel retires
};
inline constexpr std::size_t kFaultKinds = 7;

// The platform's error codes the simulated machine answers with (the values Windows gives them).
inline constexpr std::uint32_t kGeneralFailure = 31;
inline constexpr std::uint32_t kDeviceNotConnected = 1167;
inline constexpr std::uint32_t kFileNotFound = 2;     // a probe of an interface that left
inline constexpr std::uint32_t kAccessDenied = 5;     // an open refused (another program holds the interface)
inline constexpr std::uint32_t kOutOfHandles = 1450;  // the reader's event refused

struct SimOptions {
  std::vector<SimInterface> listing = DefaultListing();
  MouseState state = FactoryState();
  // Real pauses for the program and benchmarks; null keeps a virtual clock that pauses take no time on.
  device::Pacer* pacer = nullptr;
  bool plugged = true;
};

// Called for every interface of the mouse when it is plugged (0x8000) or unplugged (0x8004).
using NoticeSink = std::function<void(std::uint32_t eventCode, const std::wstring& path)>;

class SimulatedMouse : public std::enable_shared_from_this<SimulatedMouse> {
 public:
  static std::shared_ptr<SimulatedMouse> Create(SimOptions options = {});
  ~SimulatedMouse();

  // The machine's listing; the mouse's interfaces are left out while it is unplugged.
  void SetListing(std::vector<SimInterface> listing);
  std::vector<SimInterface> PresentInterfaces() const;

  MouseState State() const;
  void SetState(const MouseState& state);
  // Packets the firmware dropped for a wrong checksum.
  unsigned DroppedPackets() const;

  std::vector<WireEntry> WireLog() const;
  void ClearWireLog();
  // The pacer to drive the mouse with: records each pause as "wait N" on the wire, then pauses.
  device::Pacer& WirePacer() { return wirePacer_; }

  // Moves to the next enabled stage and sends 06 07 00 n on the event interface; answers n.
  std::uint8_t PressCpiButton();
  // Sends any report on the event interface (to every open event channel).
  void SendEventReport(std::span<const std::uint8_t> report);

  // Pending reads end (unless a stalled read was injected), open channels go dead, one removal
  // notice per interface of the mouse. Plugging raises one arrival notice per interface.
  void Unplug();
  void Plug();
  bool Plugged() const;
  void SetNoticeSink(NoticeSink sink);

  // The next `times` occasions of the fault, after `after` occasions that pass unharmed (for a packet
  // fault: packets sent).
  void InjectFault(Fault fault, unsigned times = 1, unsigned after = 0);

  // Lists, probes and channels currently open on this machine (the handle count of a real one).
  int OpenHandles() const { return openHandles_.load(); }
  // Event reads started and not yet ended.
  int PendingEventReads() const;

  // Entry points of the simulated platform (SimHidBackend).
  std::unique_ptr<device::HidInterfaceList> ListInterfaces();
  device::DeviceResult<std::unique_ptr<device::HidProbe>> OpenProbe(const std::wstring& path);
  device::DeviceResult<std::unique_ptr<device::HidChannel>> OpenCommandChannel(const std::wstring& path);
  device::DeviceResult<std::unique_ptr<device::EventChannel>> OpenEventChannel(const std::wstring& path);

 private:
  class RecordingPacer final : public device::Pacer {
   public:
    explicit RecordingPacer(SimulatedMouse& mouse) : mouse_(mouse) {}
    void Pause(std::chrono::microseconds duration) override;
    std::chrono::microseconds Now() const override;

   private:
    SimulatedMouse& mouse_;
  };
  struct EventEndpoint;
  class InterfaceList;
  class Probe;
  class CommandChannel;
  class EventReader;
  friend class InterfaceList;
  friend class Probe;
  friend class CommandChannel;
  friend class EventReader;

  explicit SimulatedMouse(SimOptions options);
  const SimInterface* FindPresent(const std::wstring& path) const;  // caller holds mutex_
  bool Live(unsigned generation) const { return plugged_ && generation == generation_; }
  void Record(WireKind kind, std::span<const std::uint8_t> bytes, bool ok);  // caller holds mutex_
  bool ConsumeFault(Fault fault);                                             // caller holds mutex_
  void DeliverEventReport(EventEndpoint& endpoint);                           // caller holds mutex_
  void CompleteRead(EventEndpoint& endpoint, std::size_t bytes);              // caller holds mutex_
  void RaiseNotices(std::uint32_t eventCode);

  mutable std::mutex mutex_;
  std::condition_variable unplugged_;  // wakes command calls that wait on a silent mouse
  std::vector<SimInterface> listing_;
  FirmwareProtocol firmware_;
  std::vector<WireEntry> wireLog_;
  std::vector<std::shared_ptr<EventEndpoint>> eventEndpoints_;
  std::array<unsigned, kFaultKinds> faultCounts_{};
  std::array<unsigned, kFaultKinds> faultDelays_{};
  bool plugged_ = true;
  unsigned generation_ = 1;
  NoticeSink noticeSink_;
  std::mutex noticeMutex_;  // notices are raised one plug or unplug at a time

  std::atomic<int> openHandles_{0};
  std::unique_ptr<device::VirtualPacer> ownClock_;
  device::Pacer* clock_;
  RecordingPacer wirePacer_{*this};
};

}  // namespace quendar::sim
