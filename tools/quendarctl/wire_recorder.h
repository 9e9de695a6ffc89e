#pragma once
// Records every report and pause of the command interface as it happens, on any backend: what `trace`
// prints, for the real mouse as for the simulated one.
#include <vector>

#include "core/device/hid_channel.h"
#include "core/device/pacer.h"
#include "sim/wire_log.h"

namespace quendar::ctl {

class WireRecorder final : public device::HidChannel, public device::Pacer {
 public:
  WireRecorder(device::HidChannel& channel, device::Pacer& pacer) : channel_(channel), pacer_(pacer) {}

  device::IoResult SetFeature(std::span<const std::uint8_t> report, device::Deadline deadline) override;
  device::IoResult GetFeature(std::span<std::uint8_t> report, device::Deadline deadline) override;
  device::IoResult ReadReport(std::span<std::uint8_t> report, device::Deadline deadline) override;
  device::IoResult WriteReport(std::span<const std::uint8_t> report, device::Deadline deadline) override;
  void Pause(std::chrono::microseconds duration) override;
  std::chrono::microseconds Now() const override { return pacer_.Now(); }

  const std::vector<sim::WireEntry>& Entries() const { return entries_; }

 private:
  void Record(sim::WireKind kind, std::span<const std::uint8_t> report, bool ok);

  device::HidChannel& channel_;
  device::Pacer& pacer_;
  std::vector<sim::WireEntry> entries_;
};

}  // namespace quendar::ctl
