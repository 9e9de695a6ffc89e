// "Save" measured from the user's press (printed, nothing asserted): the demo program on the simulated
// mouse, which pauses for real, is pressed on its Save button and the time runs until the end of the
// download's last exchange as the simulated mouse logged it on the same monotonic clock. The figure is
// given against the 225 ms that the download's pauses alone take (24 indexed exchanges x 2 ms + 59
// written chunks x 3 ms); the rest is the window's handling, the file writes and the exchanges.
//
// Runs the demo from a scratch copy of build/win64/demo (Save writes the profile files beside it).
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "core/app/app_messages.h"
#include "core/app/tray_commands.h"
#include "core/ui/main/main_layout.h"

namespace {

namespace fs = std::filesystem;
using namespace quendar;

constexpr int kSaves = 7;
constexpr double kPauseFloorMs = 24 * 2 + 59 * 3;
constexpr int kStateViewControl = 110;
// Save lets a second press through only after its debounce period.
constexpr DWORD kBetweenSavesMs = app::kApplyDebounceMs + 500;

// Microseconds on the clock the demo's pacer and its wire log read.
long long MonotonicMicroseconds() {
  LARGE_INTEGER now, frequency;
  ::QueryPerformanceCounter(&now);
  ::QueryPerformanceFrequency(&frequency);
  return (now.QuadPart / frequency.QuadPart) * 1'000'000 + (now.QuadPart % frequency.QuadPart) * 1'000'000 / frequency.QuadPart;
}

std::wstring ControlText(HWND control) {
  std::vector<wchar_t> buffer(8192);
  DWORD_PTR copied = 0;
  if (!::SendMessageTimeoutW(control, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()),
                             SMTO_ABORTIFHUNG, 5000, &copied)) {
    return {};
  }
  return std::wstring(buffer.data(), copied);
}

// The end of the latest download in the demo's state view, or -1 before the first.
long long DownloadEnd(HWND stateView) {
  const std::wstring text = ControlText(stateView);
  const auto at = text.find(L"ended at ");
  return at == std::wstring::npos ? -1 : std::wcstoll(text.c_str() + at + 9, nullptr, 10);
}

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = 20000) {
  const DWORD start = ::GetTickCount();
  while (::GetTickCount() - start < timeoutMs) {
    if (condition()) return true;
    ::Sleep(1);
  }
  return false;
}

HWND WindowOf(DWORD pid, const wchar_t* windowClass) {
  HWND found = nullptr;
  WaitUntil([&] {
    for (HWND w = ::FindWindowW(windowClass, nullptr); w != nullptr; w = ::FindWindowExW(nullptr, w, windowClass, nullptr)) {
      DWORD owner = 0;
      ::GetWindowThreadProcessId(w, &owner);
      if (owner == pid) return (found = w) != nullptr;
    }
    return false;
  });
  return found;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0.0 : values[values.size() / 2];
}

fs::path ScratchCopy(const fs::path& programFolder) {
  const fs::path scratch = fs::temp_directory_path() / L"quendar_save_figures";
  std::error_code error;
  fs::remove_all(scratch, error);
  fs::copy(programFolder, scratch, fs::copy_options::recursive, error);
  return scratch;
}

}  // namespace

int wmain() {
  wchar_t self[MAX_PATH] = {};
  ::GetModuleFileNameW(nullptr, self, MAX_PATH);
  const fs::path demo = ScratchCopy(fs::path(self).parent_path() / L".." / L".." / L"demo") / L"QUENDAR 2017.exe";
  if (!fs::exists(demo)) {
    std::printf("save_figures: needs build/win64/demo\n");
    return 1;
  }
  std::wstring commandLine = L"\"" + demo.wstring() + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  if (!::CreateProcessW(demo.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        demo.parent_path().c_str(), &startup, &process)) {
    std::printf("save_figures: the demo did not start (error %lu)\n", ::GetLastError());
    return 1;
  }
  const HWND main = WindowOf(process.dwProcessId, app::kWindowClassName);
  const HWND mouse = WindowOf(process.dwProcessId, L"QuendarSimulatedMouse");
  const HWND stateView = mouse ? ::GetDlgItem(mouse, kStateViewControl) : nullptr;
  std::vector<double> fromPress;
  if (main != nullptr && stateView != nullptr) {
    ::PostMessageW(main, app::kTrayCallbackMessage, 0, app::kTrayLeftButtonUp);
    WaitUntil([&] { return ::IsWindowVisible(main) != FALSE; });
    const ui::Rect save = ui::main::region::kSave;
    const LPARAM at = MAKELPARAM((save.left + save.right) / 2, (save.top + save.bottom) / 2);
    for (int round = 0; round < kSaves; ++round) {
      ::Sleep(kBetweenSavesMs);
      const long long before = DownloadEnd(stateView);
      const long long press = MonotonicMicroseconds();
      ::PostMessageW(main, WM_LBUTTONDOWN, MK_LBUTTON, at);
      ::PostMessageW(main, WM_LBUTTONUP, 0, at);
      long long end = -1;
      if (!WaitUntil([&] { return (end = DownloadEnd(stateView)) != before && end > press; })) break;
      fromPress.push_back(static_cast<double>(end - press) / 1000.0);
    }
    ::PostMessageW(main, WM_COMMAND, app::kExitCommand, 0);
  }
  if (::WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) ::TerminateProcess(process.hProcess, 1);
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);

  if (fromPress.empty()) {
    std::printf("save_figures: no download reached the simulated mouse\n");
    return 1;
  }
  const double median = Median(fromPress);
  std::printf("Save from the press to the mouse's last exchange (median of %zu, demo on the simulated mouse):\n",
              fromPress.size());
  std::printf("  %.1f ms against the %.0f ms pause floor: ratio %.3f (best %.1f ms, worst %.1f ms)\n", median,
              kPauseFloorMs, median / kPauseFloorMs, *std::min_element(fromPress.begin(), fromPress.end()),
              *std::max_element(fromPress.begin(), fromPress.end()));
  return 0;
}
