// The core's share of a hover repaint of the main window: the draw list of the Save button's region,
// built for that region alone, next to the way of building the whole window's list and clipping it.
// The painter's share is measured under Wine (win32/main_window_figures).
#include <benchmark/benchmark.h>

#include <array>
#include <string>

#include "core/ui/main/main_draw.h"
#include "core/ui/main/main_view.h"
#include "native/ui/manifest_sizes.h"

namespace {

using namespace quendar::ui;

struct Window {
  Window() {
    view.SetContent({LanguageClass::English, {235, 235, 235}, captions});
    view.PaintAll();
    view.Hover({950, 620});  // the pointer over Save
  }
  std::array<std::wstring, 12> captions{L"Click", L"Menu", L"Mouse M Button"};
  main::PanelSet panels;
  main::MainView view{panels, testing::ManifestSizes()};
};

void HoverListOfTheRegionOnly(benchmark::State& state) {
  const Window window;
  for (auto _ : state) benchmark::DoNotOptimize(window.view.Draw(main::region::kSave));
}
BENCHMARK(HoverListOfTheRegionOnly)->Unit(benchmark::kMicrosecond);

void HoverListClippedFromTheWholeWindow(benchmark::State& state) {
  const Window window;
  for (auto _ : state) {
    const DrawList whole = window.view.Draw(main::region::kWindow);
    benchmark::DoNotOptimize(main::ClipDrawList(whole, main::region::kSave, testing::ManifestSizes()));
  }
}
BENCHMARK(HoverListClippedFromTheWholeWindow)->Unit(benchmark::kMicrosecond);

}  // namespace
