// The costs of the INI operations the program runs on its profile files: reading a profile's texts
// (one parse for twenty keys), reading one key, writing the twelve captions (one crash-safe rewrite).
#include <benchmark/benchmark.h>

#include <filesystem>

#include "core/ini/ini_document.h"
#include "core/ini/ini_store.h"
#include "core/profiles/profile_texts.h"
#include "platform/platform_file_system.h"

namespace {

namespace fs = std::filesystem;

fs::path ScratchCopy(const char* name) {
  const fs::path folder = fs::temp_directory_path() / "quendar-bench-ini";
  fs::create_directories(folder);
  const fs::path copy = folder / name;
  fs::copy_file(fs::path(QUENDAR_RUNTIME_DIR) / "str.ini", copy, fs::copy_options::overwrite_existing);
  return copy;
}

void ReadProfileTextsOnce(benchmark::State& state) {
  const fs::path file = ScratchCopy("read.ini");
  quendar::platform::PlatformFileSystem disk;
  for (auto _ : state) {
    const auto doc = quendar::ini::IniDocument::Load(disk, file);
    for (std::size_t i = 0; i < 12; ++i) {
      benchmark::DoNotOptimize(doc.Get(L"Setting-CHS", quendar::profiles::CaptionKey(i), 1024));
    }
    for (const wchar_t* key : {L"RColor", L"GColor", L"BColor", L"Path"}) {
      benchmark::DoNotOptimize(doc.Get(L"Skins", key, 1024));
    }
  }
}
BENCHMARK(ReadProfileTextsOnce);

void ReadOneKey(benchmark::State& state) {
  const fs::path file = ScratchCopy("key.ini");
  quendar::platform::PlatformFileSystem disk;
  for (auto _ : state) benchmark::DoNotOptimize(quendar::ini::ReadString(disk, file, L"Profile", L"CurProfileName"));
}
BENCHMARK(ReadOneKey);

void WriteTwelveCaptions(benchmark::State& state) {
  const fs::path file = ScratchCopy("write.ini");
  quendar::platform::PlatformFileSystem disk;
  std::vector<quendar::ini::KeyValue> captions;
  int round = 0;
  for (auto _ : state) {
    captions.clear();
    for (std::size_t i = 0; i < 12; ++i) {
      captions.push_back({quendar::profiles::CaptionKey(i), L"Caption " + std::to_wstring(round)});
    }
    ++round;
    if (quendar::ini::WriteStrings(disk, file, L"Setting-EN", captions).failed()) state.SkipWithError("write failed");
  }
}
BENCHMARK(WriteTwelveCaptions)->Unit(benchmark::kMillisecond);

}  // namespace
