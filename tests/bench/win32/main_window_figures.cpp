// Figures of the real main window under Wine (printed, nothing asserted): a full repaint and a hover
// repaint, measured from outside as synchronous message round trips; start-up to the first painted frame
// and the idle working set, each next to bench_bare_window (the same size, common controls, GDI+, a HID
// enumeration and a notification icon); the threads and the decoded skin images of the first paint;
// the working set while the window is hidden in the notification area, and the time from the tray
// icon's click to the window back on screen with its first frame.
//
// Runs the program from a scratch copy of build/win64/bin (it writes its captions on a first run).
#include <windows.h>

#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "core/app/app_messages.h"
#include "core/app/tray_commands.h"
#include "core/ui/draw/skin_image_size.h"
#include "core/ui/main/main_view.h"
#include "process_figures.h"

namespace {

using namespace quendar;
using namespace quendar::bench;

constexpr int kStarts = 5;
constexpr int kRepaints = 200;

struct TrayFigures {
  Footprint firstHidden;
  Footprint lastHidden;  // after every round's show and full paint: what the rounds left behind
  std::vector<double> showMs;
};

// Hides the window with its Hide button, lets it settle in the tray, then brings it back with the tray
// icon's click, `rounds` times.
TrayFigures HideAndShowFromTray(const Started& p, const std::function<bool(HWND)>& painted, int rounds) {
  TrayFigures figures;
  HWND w = p.window;
  const POINT hide = DevicePoint(w, ui::main::region::kHide.Centre());
  const LPARAM at = MAKELPARAM(hide.x, hide.y);
  for (int round = 0; round < rounds; ++round) {
    ::SendMessageW(w, WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::SendMessageW(w, WM_LBUTTONUP, 0, at);
    if (MillisecondsUntil([&] { return !::IsWindowVisible(w); }) < 0) return figures;
    ::Sleep(1500);  // hidden: what stays
    figures.lastHidden = FootprintOf(p.process);
    if (round == 0) figures.firstHidden = figures.lastHidden;
    const Clock::time_point click = Clock::now();
    ::PostMessageW(w, app::kTrayCallbackMessage, 0, app::kTrayLeftButtonUp);
    if (MillisecondsUntil([&] { return ::IsWindowVisible(w) && painted(w); }) < 0) return figures;
    figures.showMs.push_back(Milliseconds(Clock::now() - click));
    // Away from Save, so that its red is the normal look the next round waits for.
    ::SendMessageW(w, WM_MOUSELEAVE, 0, 0);
  }
  return figures;
}

// Median duration of one synchronous round trip of `send`, over `count` calls (the machine is shared:
// the median keeps other processes' bursts out of the figure).
double RoundTrip(int count, const std::function<void(int)>& send) {
  std::vector<double> times;
  for (int i = 0; i < count; ++i) {
    const Clock::time_point t0 = Clock::now();
    send(i);
    times.push_back(Milliseconds(Clock::now() - t0));
  }
  return Median(times);
}

// What the first paint decodes: every image of the start-up page, at 4 bytes a pixel.
double FirstPaintImageMb() {
  ui::main::PanelSet panels;
  ui::main::MainView view(panels, &ui::SkinImageSize);
  view.PaintAll();
  std::set<std::string> names;
  const ui::DrawList frame = view.Draw(ui::main::region::kWindow);
  for (const ui::DrawOp& op : frame.ops())
    if (const auto* image = std::get_if<ui::ImageOp>(&op)) names.insert(image->name);
  double bytes = 0;
  for (const std::string& name : names)
    if (auto size = ui::SkinImageSize(name)) bytes += 4.0 * size->width * size->height;
  return bytes / 1048576.0;
}

}  // namespace

int wmain() {
  const fs::path bench = BenchFolder();
  const fs::path program = ScratchCopy(bench / L".." / L".." / L"bin", L"quendar_main_window_figures") / L"QUENDAR 2017.exe";
  const fs::path bare = bench / L"bench_bare_window.exe";
  if (!fs::exists(program) || !fs::exists(bare)) {
    std::printf("main_window_figures: needs build/win64/bin and bench_bare_window.exe\n");
    return 1;
  }
  // The first frame of the program shows the Save button's red; the bare window clears to one colour.
  const auto programPainted = [](HWND w) { return Near(ScreenPixel(w, DevicePoint(w, {928, 609})), RGB(213, 29, 44)); };
  const auto barePainted = [](HWND w) { return Near(ScreenPixel(w, {500, 320}), RGB(12, 34, 56)); };

  ReadDevicePixels();
  ui::DisplayScale scale;
  std::vector<double> programStarts, bareStarts;
  Footprint programFoot, bareFoot;
  TrayFigures tray;
  for (int run = 0; run < kStarts; ++run) {
    Started p = Start(program, L"", L"PelidorGMClass", programPainted);
    if (p.firstFrameMs >= 0) programStarts.push_back(p.firstFrameMs);
    if (run == kStarts - 1) {
      ::Sleep(3000);  // idle: what stays
      programFoot = FootprintOf(p.process);

      // Repaints of the live window, as the platform asks for them.
      HWND w = p.window;
      const double nothing = RoundTrip(kRepaints, [&](int) { ::SendMessageW(w, WM_NULL, 0, 0); });
      const double full = RoundTrip(kRepaints, [&](int) {
        ::InvalidateRect(w, nullptr, FALSE);
        ::SendMessageW(w, WM_PAINT, 0, 0);
      });
      const POINT save = DevicePoint(w, {950, 620});
      const double hover = RoundTrip(kRepaints, [&](int i) {
        // Alternately lit and restored: every round trip repaints Save's 57 x 30 pixels once.
        if (i % 2 == 0) {
          ::SendMessageW(w, WM_MOUSEHOVER, 0, MAKELPARAM(save.x, save.y));
        } else {
          ::SendMessageW(w, WM_MOUSELEAVE, 0, 0);
        }
      });
      std::printf("repaint of the real main window (median of %d synchronous round trips; an empty one %.3f ms):\n",
                  kRepaints, nothing);
      scale = ScaleOfMainWindow(w);
      const ui::Size client = scale.ToDevice(ui::Size{1000, 640});
      std::printf("  full %d x %d repaint  %.3f ms (%.3f ms net) at %d dpi\n", client.width, client.height, full,
                  full - nothing, scale.dpi());
      std::printf("  hover repaint of Save    %.3f ms (%.3f ms net)\n", hover, hover - nothing);
      tray = HideAndShowFromTray(p, programPainted, 5);
    }
    End(p, WM_COMMAND, 1028);

    Started b = Start(bare, L"--serve", L"QuendarBareWindow", barePainted);
    if (b.firstFrameMs >= 0) bareStarts.push_back(b.firstFrameMs);
    if (run == kStarts - 1) {
      ::Sleep(3000);
      bareFoot = FootprintOf(b.process);
    }
    End(b, WM_CLOSE, 0);
  }

  const double programStart = Median(programStarts);
  const double bareStart = Median(bareStarts);
  std::printf("start-up to the first painted frame (median of %d):\n", kStarts);
  std::printf("  program %.0f ms, bare window %.0f ms, ratio %.2f\n", programStart, bareStart,
              bareStart > 0 ? programStart / bareStart : 0.0);
  std::printf("idle after 3 s:\n");
  std::printf("  working set: program %.1f MB, bare window %.1f MB, difference %.1f MB\n", programFoot.workingSetMb,
              bareFoot.workingSetMb, programFoot.workingSetMb - bareFoot.workingSetMb);
  std::printf("  committed private: program %.1f MB, bare window %.1f MB, difference %.1f MB\n", programFoot.privateMb,
              bareFoot.privateMb, programFoot.privateMb - bareFoot.privateMb);
  std::printf("  threads: program %d, bare window %d\n", programFoot.threads, bareFoot.threads);
  std::printf("hidden in the notification area after 1.5 s, next to the bare window (shown):\n");
  for (const auto& [when, hidden] : {std::pair{"first hide", &tray.firstHidden}, std::pair{"last hide ", &tray.lastHidden}}) {
    std::printf("  %s: working set %.1f MB (%+.1f MB), committed private %.1f MB (%+.1f MB)\n", when,
                hidden->workingSetMb, hidden->workingSetMb - bareFoot.workingSetMb, hidden->privateMb,
                hidden->privateMb - bareFoot.privateMb);
  }
  std::printf("  modules the hidden program holds that the bare window has not: %s\n",
              ModulesOnlyIn(tray.lastHidden, bareFoot).c_str());
  std::printf("  back on screen from the tray's click to the first frame: median %.0f ms of %zu\n",
              Median(tray.showMs), tray.showMs.size());
  const double factor = scale.dpi() / static_cast<double>(ui::kBaseDpi);
  std::printf("  decoded skin images of the first paint: %.1f MB at %d dpi\n", FirstPaintImageMb() * factor * factor,
              scale.dpi());
  return 0;
}
