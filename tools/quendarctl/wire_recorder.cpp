#include "wire_recorder.h"

namespace quendar::ctl {

void WireRecorder::Record(sim::WireKind kind, std::span<const std::uint8_t> report, bool ok) {
  sim::WireEntry entry;
  entry.at = pacer_.Now();
  entry.kind = kind;
  entry.bytes.assign(report.begin(), report.end());
  entry.ok = ok;
  entries_.push_back(std::move(entry));
}

device::IoResult WireRecorder::SetFeature(std::span<const std::uint8_t> report, device::Deadline deadline) {
  const device::IoResult result = channel_.SetFeature(report, deadline);
  Record(sim::WireKind::FeatureOut, report, result.ok);
  return result;
}

device::IoResult WireRecorder::GetFeature(std::span<std::uint8_t> report, device::Deadline deadline) {
  const device::IoResult result = channel_.GetFeature(report, deadline);
  Record(sim::WireKind::FeatureIn, report, result.ok);
  return result;
}

device::IoResult WireRecorder::ReadReport(std::span<std::uint8_t> report, device::Deadline deadline) {
  const device::IoResult result = channel_.ReadReport(report, deadline);
  Record(sim::WireKind::ReportIn, result.ok ? report.first(std::min(result.bytes, report.size())) : report, result.ok);
  return result;
}

device::IoResult WireRecorder::WriteReport(std::span<const std::uint8_t> report, device::Deadline deadline) {
  const device::IoResult result = channel_.WriteReport(report, deadline);
  Record(sim::WireKind::ReportOut, report, result.ok);
  return result;
}

void WireRecorder::Pause(std::chrono::microseconds duration) {
  sim::WireEntry entry;
  entry.at = pacer_.Now();
  entry.pause = duration;
  entries_.push_back(std::move(entry));
  pacer_.Pause(duration);
}

}  // namespace quendar::ctl
