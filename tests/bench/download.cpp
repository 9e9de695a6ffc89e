// Wall time of a whole profile download on the simulated mouse with real pauses, against the floor its
// pauses alone impose: 24 indexed exchanges x 2 ms + 59 written chunks x 3 ms = 225 ms. This is also the
// pacer's figure: the download is exactly those exchanges, run through the real command set.
#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

#include "core/device/command_set.h"
#include "core/device/device_link.h"
#include "core/device/profile_download.h"
#include "core/device/pacer.h"
#include "sim/sim_hid_backend.h"
#include "sim/simulated_mouse.h"

namespace {

using namespace quendar;

constexpr double kPauseFloorMs = 24 * 2 + 59 * 3;

profiles::ProfileRecord Profile() {
  profiles::ProfileRecord record;
  record.ReportRateCode() = 1;
  record.LightingEffect() = 2;
  record.LightingVariant() = 2;
  for (std::size_t s = 0; s < 7; ++s) {
    record.CpiStageLevel(s) = static_cast<std::uint8_t>(4 + 8 * s);
    record.CpiStageEnabled(s) = 1;
  }
  for (std::size_t b = 0; b < 12; ++b) record.FunctionType(b) = static_cast<std::uint8_t>(b);
  return record;
}

void BM_WholeDownloadRealPauses(benchmark::State& state) {
  device::SteadyPacer pacer;
  sim::SimOptions options;
  options.pacer = &pacer;
  auto mouse = sim::SimulatedMouse::Create(options);
  sim::SimHidBackend backend(mouse);
  device::DeviceLink link(backend);
  if (!link.DiscoverDevice()) {
    state.SkipWithError("the simulated mouse was not found");
    return;
  }
  device::DeviceImage image;
  device::CommandSet commands(link.Command(), image);
  const auto record = Profile();
  double worstMs = 0;
  double totalMs = 0;
  int runs = 0;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    device::DownloadProfile(record, commands, {});
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    worstMs = std::max(worstMs, ms);
    totalMs += ms;
    ++runs;
    state.SetIterationTime(ms / 1000.0);
    state.PauseTiming();
    mouse->ClearWireLog();
    state.ResumeTiming();
  }
  state.counters["floor_ms"] = kPauseFloorMs;
  state.counters["mean_x_floor"] = runs > 0 ? totalMs / runs / kPauseFloorMs : 0.0;
  state.counters["worst_x_floor"] = worstMs / kPauseFloorMs;
}
BENCHMARK(BM_WholeDownloadRealPauses)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace
