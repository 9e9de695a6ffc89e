// Cost of building the twelve macro blocks from a full store: twelve macros of 63 events each, every
// event followed by a recorded delay, so every block is filled to its last slot.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>

#include "core/ini/ini_store.h"
#include "core/macros/macro_block.h"
#include "core/macros/macro_item.h"
#include "core/macros/macro_store.h"
#include "platform/platform_file_system.h"

namespace {

using namespace quendar;

std::vector<std::wstring> FullMacroItems() {
  std::vector<std::wstring> items;
  for (int e = 0; e < 63; ++e) {
    const std::wstring key(1, static_cast<wchar_t>(L'A' + e % 26));
    items.push_back(e % 2 ? macros::ReleaseItem(key) : macros::PressItem(key));
    items.push_back(macros::DelayItem(10 + e));
  }
  return items;
}

class FullStore {
 public:
  FullStore() {
    std::random_device seed;
    dir_ = std::filesystem::temp_directory_path() / ("quendar_bench_macros_" + std::to_string(seed()));
    std::filesystem::create_directories(dir_);
    const auto items = FullMacroItems();
    platform::PlatformFileSystem disk;
    for (int k = 0; k < 12; ++k) {
      std::vector<ini::KeyValue> values{{L"DelayTimeSelStatus", L"1"},
                                        {L"LoopTimeSelStatus", L"1"},
                                        {L"MacroLoopTimes", std::to_wstring(k + 1)},
                                        {L"ItemCount", std::to_wstring(items.size())}};
      for (std::size_t i = 0; i < items.size(); ++i) values.push_back({macros::ItemKey(static_cast<long>(i)), items[i]});
      (void)ini::WriteStrings(disk, file(), L"Macro_" + std::to_wstring(k), values);
    }
  }
  ~FullStore() { std::filesystem::remove_all(dir_); }
  std::filesystem::path file() const { return dir_ / "record.ini"; }

 private:
  std::filesystem::path dir_;
};

void BM_BuildMacroTableFromStoreFile(benchmark::State& state) {
  FullStore store;
  platform::PlatformFileSystem disk;
  const macros::MacroStore macroStore(disk, store.file());
  for (auto _ : state) {
    auto built = macroStore.BuildMacroTable();
    benchmark::DoNotOptimize(built.table.data());
    if (!built.cutMacros.empty()) state.SkipWithError("a full block must not be cut");
  }
}
BENCHMARK(BM_BuildMacroTableFromStoreFile)->Unit(benchmark::kMicrosecond);

void BM_EncodeMacroTableParsed(benchmark::State& state) {
  FullStore store;
  platform::PlatformFileSystem disk;
  const auto parsed = macros::MacroStore(disk, store.file()).ReadMacros();
  for (auto _ : state) {
    auto encoded = macros::EncodeMacroTable(parsed);
    benchmark::DoNotOptimize(encoded.table.data());
  }
}
BENCHMARK(BM_EncodeMacroTableParsed)->Unit(benchmark::kMicrosecond);

}  // namespace
