// Wall time of a full profile download's exchanges on the simulated mouse with real pauses, against
// the floor the pauses alone impose: 24 indexed exchanges x 2 ms + 59 written chunks x 3 ms = 225 ms.
#include <benchmark/benchmark.h>

#include <array>
#include <chrono>

#include "core/device/command_transport.h"
#include "core/device/device_link.h"
#include "sim/sim_hid_backend.h"

namespace {

using quendar::device::CommandEndpoint;
using quendar::device::MakePacket;

constexpr auto kFloor = 24 * quendar::device::kIndexedCommandPause + 59 * quendar::device::kWrittenChunkPause;

// The download's exchanges in their order; returns the number of indexed exchanges made.
int RunDownloadExchanges(const CommandEndpoint& endpoint, quendar::device::Pacer& pacer) {
  std::array<std::uint8_t, 128> data{};
  int indexed = 0;
  const auto send = [&](quendar::device::CommandPacket packet) { quendar::device::SendCommand(endpoint, packet); };
  const auto transfer = [&](quendar::device::CommandPacket packet) {
    quendar::device::TransferBlock(endpoint, packet, data);
  };
  const auto indexedPause = [&] {
    pacer.Pause(quendar::device::kIndexedCommandPause);
    ++indexed;
  };
  send(MakePacket(0x01, 0x01));
  send(MakePacket(0x83));
  send(MakePacket(0x03, 0x03, 0x08, 0x11, 0x64));
  send(MakePacket(0x0E, 0xC8, 0xC8));
  send(MakePacket(0x8D));
  for (std::uint8_t i = 0; i < 2; ++i) send(MakePacket(0x87, i)), indexedPause();
  for (std::uint8_t i = 0; i < 2; ++i) transfer(MakePacket(0x90, i)), indexedPause();
  for (std::uint8_t i = 0; i < 2; ++i) transfer(MakePacket(0x10, i, 24)), indexedPause();
  for (std::uint8_t i = 0; i < 2; ++i) send(MakePacket(0x07, i, 4, 0x7D, 3)), indexedPause();
  send(MakePacket(0x0D, 2, 3, 2));
  transfer(MakePacket(0x11, 7, 8));
  for (std::uint8_t i = 1; i <= 12; ++i) transfer(MakePacket(0x13, i, 128)), indexedPause();
  for (std::uint8_t i = 1; i <= 4; ++i) transfer(MakePacket(0x12, i, 64)), indexedPause();
  return indexed;
}

void BM_DownloadExchangesAgainstPauseFloor(benchmark::State& state) {
  quendar::device::SteadyPacer realPauses;
  auto mouse = quendar::sim::SimulatedMouse::Create({.pacer = &realPauses});
  quendar::sim::SimHidBackend backend(mouse);
  quendar::device::DeviceLink link(backend);
  if (!link.DiscoverDevice()) {
    state.SkipWithError("the simulated mouse was not discovered");
    return;
  }
  double worstRatio = 0;
  double totalMs = 0;
  for (auto _ : state) {
    mouse->ClearWireLog();
    const auto start = std::chrono::steady_clock::now();
    const int indexed = RunDownloadExchanges(link.Command(), link.GetPacer());
    const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;
    benchmark::DoNotOptimize(indexed);
    totalMs += elapsed.count();
    worstRatio = std::max(worstRatio, elapsed.count() / std::chrono::duration<double, std::milli>(kFloor).count());
  }
  const double meanMs = totalMs / static_cast<double>(state.iterations());
  state.counters["floor_ms"] = std::chrono::duration<double, std::milli>(kFloor).count();
  state.counters["mean_ms"] = meanMs;
  state.counters["mean_ratio"] = meanMs / state.counters["floor_ms"];
  state.counters["worst_ratio"] = worstRatio;
}
BENCHMARK(BM_DownloadExchangesAgainstPauseFloor)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);

}  // namespace
