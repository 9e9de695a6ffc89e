// Start-up and visible footprint of the demo program as the README starts it (build/win64/demo, no
// switches, its simulated-mouse window beside it), next to bench_bare_window; the two are started
// alternately in one run so that the machine's load falls on both alike. Printed, nothing asserted:
// the time from the process's creation to the first painted frame, and after 3 s of idling the working
// set, the committed private memory, the threads and the modules only the program loads.
//
// Runs the demo from a scratch copy of build/win64/demo (it writes its captions on a first run).
#include <windows.h>

#include <cstdio>
#include <vector>

#include "core/app/app_messages.h"
#include "process_figures.h"

namespace {

using namespace quendar;
using namespace quendar::bench;

constexpr int kRuns = 7;

struct Figures {
  std::vector<double> startMs;
  std::vector<double> workingSetMb;
  std::vector<double> privateMb;
  Footprint last;
};

void Measure(Figures& figures, const fs::path& exe, const wchar_t* arguments, const wchar_t* windowClass,
             const std::function<bool(HWND)>& painted, UINT endMessage, WPARAM endParameter) {
  Started started = Start(exe, arguments, windowClass, painted);
  if (started.firstFrameMs >= 0) {
    figures.startMs.push_back(started.firstFrameMs);
    ::Sleep(3000);  // idle: what stays
    figures.last = FootprintOf(started.process);
    figures.workingSetMb.push_back(figures.last.workingSetMb);
    figures.privateMb.push_back(figures.last.privateMb);
  }
  End(started, endMessage, endParameter);
}

}  // namespace

int wmain() {
  const fs::path bench = BenchFolder();
  const fs::path demo = ScratchCopy(bench / L".." / L".." / L"demo", L"quendar_startup_figures") / L"QUENDAR 2017.exe";
  const fs::path bare = bench / L"bench_bare_window.exe";
  if (!fs::exists(demo) || !fs::exists(bare)) {
    std::printf("startup_figures: needs build/win64/demo and bench_bare_window.exe\n");
    return 1;
  }
  // The first frame of the program shows the Save button's red; the bare window clears to one colour.
  const auto demoPainted = [](HWND w) { return Near(ScreenPixel(w, {928, 609}), RGB(213, 29, 44)); };
  const auto barePainted = [](HWND w) { return Near(ScreenPixel(w, {500, 320}), RGB(12, 34, 56)); };

  Figures program, yardstick, warmUp;
  for (int run = 0; run <= kRuns; ++run) {
    // The first round warms the platform's caches for both and is not counted.
    Measure(run == 0 ? warmUp : program, demo, L"", app::kWindowClassName, demoPainted, WM_COMMAND,
            app::kExitCommand);
    Measure(run == 0 ? warmUp : yardstick, bare, L"--serve", L"QuendarBareWindow", barePainted, WM_CLOSE, 0);
  }

  const double programStart = Median(program.startMs);
  const double bareStart = Median(yardstick.startMs);
  std::printf("start-up of the demo program to its first painted frame, alternating with the bare window "
              "(median of %zu and %zu):\n",
              program.startMs.size(), yardstick.startMs.size());
  std::printf("  demo %.0f ms, bare window %.0f ms, ratio %.2f\n", programStart, bareStart,
              bareStart > 0 ? programStart / bareStart : 0.0);
  const double programSet = Median(program.workingSetMb);
  const double bareSet = Median(yardstick.workingSetMb);
  const double programPrivate = Median(program.privateMb);
  const double barePrivate = Median(yardstick.privateMb);
  std::printf("visible and idle after 3 s (medians):\n");
  std::printf("  working set: demo %.1f MB, bare window %.1f MB, difference %.1f MB\n", programSet, bareSet,
              programSet - bareSet);
  std::printf("  committed private: demo %.1f MB, bare window %.1f MB, difference %.1f MB\n", programPrivate,
              barePrivate, programPrivate - barePrivate);
  std::printf("  threads: demo %d, bare window %d\n", program.last.threads, yardstick.last.threads);
  std::printf("  modules only the demo loads: %s\n", ModulesOnlyIn(program.last, yardstick.last).c_str());
  std::printf("  modules only the bare window loads: %s\n", ModulesOnlyIn(yardstick.last, program.last).c_str());
  return 0;
}
