// What the macro manager pays on its window's thread to open one macro, as the store grows: a store of
// one macro whose items fill 10 KB, 100 KB and 1 MB of record.ini. The figure that matters is the
// ratio printed at the end: a parse in time proportional to the file's size costs about 100 times more
// for the 1 MB store than for the 10 KB one, not 10,000 times.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "core/ini/text_encoding.h"
#include "core/macros/macro_store.h"
#include "platform/platform_file_system.h"

namespace {

namespace fs = std::filesystem;

constexpr std::int64_t kSizes[] = {10 * 1024, 100 * 1024, 1024 * 1024};

// One macro of `bytes` bytes in the program's own file format (UTF-16LE with byte-order mark), its
// items alternating key events and delays as a recording makes them.
fs::path StoreOfSize(std::int64_t bytes) {
  std::wstring items;
  std::size_t count = 0;
  while (static_cast<std::int64_t>(items.size() * 2) < bytes) {
    items += quendar::macros::ItemKey(static_cast<long>(count)) + L"=" + (count % 2 ? L"30 ms" : L"A   Dn") + L"\r\n";
    ++count;
  }
  const std::wstring text = L"[Recorded]\r\nDelayTimeSelStatus=1\r\nLoopTimeSelStatus=0\r\nMacroLoopTimes=1\r\nItemCount=" +
                            std::to_wstring(count) + L"\r\n" + items;
  const auto encoded = quendar::ini::EncodeText(text, quendar::ini::TextEncoding::Utf16LeBom);
  const fs::path folder = fs::temp_directory_path() / "quendar-bench-macro-store";
  fs::create_directories(folder);
  const fs::path file = folder / ("record-" + std::to_string(bytes) + ".ini");
  quendar::platform::PlatformFileSystem disk;
  if (disk.Replace(file, *encoded).failed()) std::fprintf(stderr, "bench: could not write %s\n", file.string().c_str());
  return file;
}

void OpenMacro(benchmark::State& state) {
  const fs::path file = StoreOfSize(state.range(0));
  quendar::platform::PlatformFileSystem disk;
  const quendar::macros::MacroStore store(disk, file);
  std::size_t items = 0;
  for (auto _ : state) {
    const auto loaded = store.LoadMacro(L"Recorded");
    items = loaded.items.size();
    benchmark::DoNotOptimize(loaded);
  }
  state.counters["items"] = static_cast<double>(items);
  state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(OpenMacro)->Arg(kSizes[0])->Arg(kSizes[1])->Arg(kSizes[2])->Unit(benchmark::kMillisecond);

// Prints as the console does and keeps each size's time for the ratios.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.run_type == Run::RT_Iteration && !run.error_occurred) {
        secondsBySize_[run.run_name.args] = run.GetAdjustedRealTime() / 1000.0;
      }
    }
  }
  void PrintRatios() const {
    const auto at = [&](std::int64_t size) {
      const auto it = secondsBySize_.find(std::to_string(size));
      return it == secondsBySize_.end() ? 0.0 : it->second;
    };
    const double small = at(kSizes[0]), medium = at(kSizes[1]), large = at(kSizes[2]);
    if (small <= 0 || medium <= 0 || large <= 0) return;
    std::printf("macro store parse: 10 KB %.2f ms, 100 KB %.2f ms, 1 MB %.2f ms\n", small * 1000, medium * 1000,
                large * 1000);
    std::printf("macro store parse ratio: 100 KB / 10 KB = %.1f, 1 MB / 10 KB = %.1f (sizes 10x and 102x)\n",
                medium / small, large / small);
  }

 private:
  std::map<std::string, double> secondsBySize_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatios();
  benchmark::Shutdown();
  return 0;
}
