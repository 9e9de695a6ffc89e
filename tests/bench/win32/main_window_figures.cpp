// Figures of the real main window under Wine (printed, nothing asserted): a full repaint and a hover
// repaint, measured from outside as synchronous message round trips; start-up to the first painted frame
// and the idle working set, each next to bench_bare_window (the same size, common controls, GDI+, a HID
// enumeration and a notification icon); the threads and the decoded skin images of the first paint;
// the working set while the window is hidden in the notification area, and the time from the tray
// icon's click to the window back on screen with its first frame.
//
// Runs the program from a scratch copy of build/win64/bin (it writes its captions on a first run).
#include <windows.h>
#include <psapi.h>
#include <tlhelp32.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "core/app/app_messages.h"
#include "core/app/tray_commands.h"
#include "core/ui/draw/skin_image_size.h"
#include "core/ui/main/main_view.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using namespace quendar;

constexpr int kStarts = 5;
constexpr int kRepaints = 200;

fs::path BenchFolder() {
  wchar_t path[MAX_PATH] = {};
  ::GetModuleFileNameW(nullptr, path, MAX_PATH);
  return fs::path(path).parent_path();
}

double Milliseconds(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0.0 : values[values.size() / 2];
}

// The screen pixel at a client point of `window`, 0x00RRGGBB.
COLORREF ScreenPixel(HWND window, POINT client) {
  ::ClientToScreen(window, &client);
  HDC screen = ::GetDC(nullptr);
  const COLORREF pixel = ::GetPixel(screen, client.x, client.y);
  ::ReleaseDC(nullptr, screen);
  return pixel;
}

bool Near(COLORREF a, COLORREF b) {
  return std::abs(GetRValue(a) - GetRValue(b)) <= 3 && std::abs(GetGValue(a) - GetGValue(b)) <= 3 &&
         std::abs(GetBValue(a) - GetBValue(b)) <= 3;
}

struct Started {
  PROCESS_INFORMATION process{};
  HWND window = nullptr;
  double firstFrameMs = -1;
};

// Starts `exe` and waits until `painted` holds for its window of `windowClass`.
Started Start(const fs::path& exe, const std::wstring& arguments, const wchar_t* windowClass,
              const std::function<bool(HWND)>& painted) {
  Started started;
  std::wstring commandLine = L"\"" + exe.wstring() + L"\" " + arguments;
  STARTUPINFOW startup{sizeof(startup)};
  const Clock::time_point t0 = Clock::now();
  if (!::CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        exe.parent_path().c_str(), &startup, &started.process)) {
    return started;
  }
  const Clock::time_point deadline = t0 + std::chrono::seconds(30);
  while (Clock::now() < deadline) {
    if (!started.window) {
      HWND found = ::FindWindowW(windowClass, nullptr);
      DWORD pid = 0;
      if (found != nullptr) ::GetWindowThreadProcessId(found, &pid);
      if (pid == started.process.dwProcessId) started.window = found;
    }
    if (started.window && ::IsWindowVisible(started.window) && painted(started.window)) {
      started.firstFrameMs = Milliseconds(Clock::now() - t0);
      break;
    }
    ::Sleep(1);
  }
  return started;
}

void End(Started& started, UINT message, WPARAM wParam) {
  if (started.window) ::PostMessageW(started.window, message, wParam, 0);
  if (::WaitForSingleObject(started.process.hProcess, 10000) != WAIT_OBJECT_0)
    ::TerminateProcess(started.process.hProcess, 1);
  ::CloseHandle(started.process.hThread);
  ::CloseHandle(started.process.hProcess);
}

struct Footprint {
  double workingSetMb = 0;
  int threads = 0;
};

Footprint FootprintOf(HANDLE process, DWORD pid) {
  Footprint f;
  PROCESS_MEMORY_COUNTERS memory{};
  if (::GetProcessMemoryInfo(process, &memory, sizeof(memory))) f.workingSetMb = memory.WorkingSetSize / 1048576.0;
  HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, pid);
  if (snapshot != INVALID_HANDLE_VALUE) {
    THREADENTRY32 thread{sizeof(thread)};
    for (BOOL more = ::Thread32First(snapshot, &thread); more; more = ::Thread32Next(snapshot, &thread))
      if (thread.th32OwnerProcessID == pid) ++f.threads;
    ::CloseHandle(snapshot);
  }
  return f;
}

// Waits until `condition` holds, up to 10 s; the time it took, or -1.
double MillisecondsUntil(const std::function<bool()>& condition) {
  const Clock::time_point t0 = Clock::now();
  while (Clock::now() - t0 < std::chrono::seconds(10)) {
    if (condition()) return Milliseconds(Clock::now() - t0);
    ::Sleep(1);
  }
  return -1;
}

struct TrayFigures {
  Footprint hidden;
  std::vector<double> showMs;
};

// Hides the window with its Hide button, lets it settle in the tray, then brings it back with the tray
// icon's click, `rounds` times; the footprint is the last hidden one.
TrayFigures HideAndShowFromTray(const Started& p, const std::function<bool(HWND)>& painted, int rounds) {
  TrayFigures figures;
  HWND w = p.window;
  const ui::Rect hide = ui::main::region::kHide;
  const LPARAM at = MAKELPARAM((hide.left + hide.right) / 2, (hide.top + hide.bottom) / 2);
  for (int round = 0; round < rounds; ++round) {
    ::SendMessageW(w, WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::SendMessageW(w, WM_LBUTTONUP, 0, at);
    if (MillisecondsUntil([&] { return !::IsWindowVisible(w); }) < 0) return figures;
    ::Sleep(1500);  // hidden: what stays
    figures.hidden = FootprintOf(p.process.hProcess, p.process.dwProcessId);
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

fs::path ScratchCopy(const fs::path& programFolder) {
  const fs::path scratch = fs::temp_directory_path() / L"quendar_main_window_figures";
  std::error_code error;
  fs::remove_all(scratch, error);
  fs::copy(programFolder, scratch, fs::copy_options::recursive, error);
  return scratch;
}

// What the first paint decodes: every image of the start-up page, at 4 bytes a pixel.
double FirstPaintImageMb() {
  ui::main::PanelSet panels;
  ui::main::MainView view(panels, &ui::SkinImageSize);
  view.PaintAll();
  std::set<std::string> names;
  for (const ui::DrawOp& op : view.Draw(ui::main::region::kWindow).ops())
    if (const auto* image = std::get_if<ui::ImageOp>(&op)) names.insert(image->name);
  double bytes = 0;
  for (const std::string& name : names)
    if (auto size = ui::SkinImageSize(name)) bytes += 4.0 * size->width * size->height;
  return bytes / 1048576.0;
}

}  // namespace

int wmain() {
  const fs::path bench = BenchFolder();
  const fs::path program = ScratchCopy(bench / L".." / L".." / L"bin") / L"QUENDAR 2017.exe";
  const fs::path bare = bench / L"bench_bare_window.exe";
  if (!fs::exists(program) || !fs::exists(bare)) {
    std::printf("main_window_figures: needs build/win64/bin and bench_bare_window.exe\n");
    return 1;
  }
  // The first frame of the program shows the Save button's red; the bare window clears to one colour.
  const auto programPainted = [](HWND w) { return Near(ScreenPixel(w, {928, 609}), RGB(213, 29, 44)); };
  const auto barePainted = [](HWND w) { return Near(ScreenPixel(w, {500, 320}), RGB(12, 34, 56)); };

  std::vector<double> programStarts, bareStarts;
  Footprint programFoot, bareFoot;
  TrayFigures tray;
  for (int run = 0; run < kStarts; ++run) {
    Started p = Start(program, L"", L"PelidorGMClass", programPainted);
    if (p.firstFrameMs >= 0) programStarts.push_back(p.firstFrameMs);
    if (run == kStarts - 1) {
      ::Sleep(3000);  // idle: what stays
      programFoot = FootprintOf(p.process.hProcess, p.process.dwProcessId);

      // Repaints of the live window, as the platform asks for them.
      HWND w = p.window;
      const double nothing = RoundTrip(kRepaints, [&](int) { ::SendMessageW(w, WM_NULL, 0, 0); });
      const double full = RoundTrip(kRepaints, [&](int) {
        ::InvalidateRect(w, nullptr, FALSE);
        ::SendMessageW(w, WM_PAINT, 0, 0);
      });
      const double hover = RoundTrip(kRepaints, [&](int i) {
        // Alternately lit and restored: every round trip repaints Save's 57 x 30 pixels once.
        if (i % 2 == 0) {
          ::SendMessageW(w, WM_MOUSEHOVER, 0, MAKELPARAM(950, 620));
        } else {
          ::SendMessageW(w, WM_MOUSELEAVE, 0, 0);
        }
      });
      std::printf("repaint of the real main window (median of %d synchronous round trips; an empty one %.3f ms):\n",
                  kRepaints, nothing);
      std::printf("  full 1000 x 640 repaint  %.3f ms (%.3f ms net)\n", full, full - nothing);
      std::printf("  hover repaint of Save    %.3f ms (%.3f ms net)\n", hover, hover - nothing);
      tray = HideAndShowFromTray(p, programPainted, 5);
    }
    End(p, WM_COMMAND, 1028);

    Started b = Start(bare, L"--serve", L"QuendarBareWindow", barePainted);
    if (b.firstFrameMs >= 0) bareStarts.push_back(b.firstFrameMs);
    if (run == kStarts - 1) {
      ::Sleep(3000);
      bareFoot = FootprintOf(b.process.hProcess, b.process.dwProcessId);
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
  std::printf("  threads: program %d, bare window %d\n", programFoot.threads, bareFoot.threads);
  std::printf("hidden in the notification area after 1.5 s:\n");
  std::printf("  working set: program %.1f MB, bare window (shown) %.1f MB, difference %.1f MB\n",
              tray.hidden.workingSetMb, bareFoot.workingSetMb, tray.hidden.workingSetMb - bareFoot.workingSetMb);
  std::printf("  back on screen from the tray's click to the first frame: median %.0f ms of %zu\n",
              Median(tray.showMs), tray.showMs.size());
  std::printf("  decoded skin images of the first paint: %.1f MB\n", FirstPaintImageMb());
  return 0;
}
