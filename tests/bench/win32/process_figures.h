#pragma once
// What the Wine benchmarks measure of another process: the time from its start to a painted frame, and
// what it holds (working set, committed private memory, threads, loaded modules). Header-only: each
// benchmark is one program of its own.
//
// Under Wine the working set is the Linux process's resident set, and the platform's "private bytes"
// counter reads 0; the committed private memory is therefore summed from the address space itself.
#include <windows.h>
#include <psapi.h>
#include <tlhelp32.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "core/ui/display_scale.h"

namespace quendar::bench {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

inline fs::path BenchFolder() {
  wchar_t path[MAX_PATH] = {};
  ::GetModuleFileNameW(nullptr, path, MAX_PATH);
  return fs::path(path).parent_path();
}

inline double Milliseconds(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

inline double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0.0 : values[values.size() / 2];
}

// This thread reads other windows in their own device pixels, not in pixels the platform scales for a
// program that does not know display scaling.
inline void ReadDevicePixels() {
  using SetContext = HANDLE(WINAPI*)(HANDLE);
  const auto set = reinterpret_cast<SetContext>(
      reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"user32.dll"), "SetThreadDpiAwarenessContext")));
  if (set != nullptr) set(reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-4)));  // per-monitor aware v2
}

// The scale the program's main window is drawn at, from its client width (the skin is 1000 pixels wide).
inline ui::DisplayScale ScaleOfMainWindow(HWND window) {
  RECT client{};
  ::GetClientRect(window, &client);
  return ui::DisplayScale(client.right * ui::kBaseDpi / 1000);
}

inline POINT DevicePoint(HWND mainWindow, ui::Point logical) {
  const ui::Point device = ScaleOfMainWindow(mainWindow).ToDevice(logical);
  return {device.x, device.y};
}

// The screen pixel at a client point of `window`, 0x00BBGGRR.
inline COLORREF ScreenPixel(HWND window, POINT client) {
  ::ClientToScreen(window, &client);
  HDC screen = ::GetDC(nullptr);
  const COLORREF pixel = ::GetPixel(screen, client.x, client.y);
  ::ReleaseDC(nullptr, screen);
  return pixel;
}

inline bool Near(COLORREF a, COLORREF b) {
  return std::abs(GetRValue(a) - GetRValue(b)) <= 3 && std::abs(GetGValue(a) - GetGValue(b)) <= 3 &&
         std::abs(GetBValue(a) - GetBValue(b)) <= 3;
}

// Waits until `condition` holds, up to 10 s; the time it took, or -1.
inline double MillisecondsUntil(const std::function<bool()>& condition) {
  const Clock::time_point t0 = Clock::now();
  while (Clock::now() - t0 < std::chrono::seconds(10)) {
    if (condition()) return Milliseconds(Clock::now() - t0);
    ::Sleep(1);
  }
  return -1;
}

struct Started {
  PROCESS_INFORMATION process{};
  HWND window = nullptr;
  double firstFrameMs = -1;
};

// Starts `exe` in its own folder and waits until `painted` holds for its window of `windowClass`.
inline Started Start(const fs::path& exe, const std::wstring& arguments, const wchar_t* windowClass,
                     const std::function<bool(HWND)>& painted) {
  Started started;
  std::wstring commandLine = L"\"" + exe.wstring() + L"\" " + arguments;
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
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

// Ends the process with `message` to its window (its own way out, so that no tray icon is left behind).
inline void End(Started& started, UINT message, WPARAM wParam) {
  if (started.window) ::PostMessageW(started.window, message, wParam, 0);
  if (::WaitForSingleObject(started.process.hProcess, 10000) != WAIT_OBJECT_0)
    ::TerminateProcess(started.process.hProcess, 1);
  ::CloseHandle(started.process.hThread);
  ::CloseHandle(started.process.hProcess);
}

struct Footprint {
  double workingSetMb = 0;
  double privateMb = 0;  // committed private memory: heaps, stacks, DIB sections, the image copies
  int threads = 0;
  std::set<std::wstring> modules;
};

inline double CommittedPrivateMb(HANDLE process) {
  double bytes = 0;
  MEMORY_BASIC_INFORMATION region{};
  const unsigned char* at = nullptr;
  while (::VirtualQueryEx(process, at, &region, sizeof(region)) == sizeof(region)) {
    if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) bytes += static_cast<double>(region.RegionSize);
    const unsigned char* next = static_cast<const unsigned char*>(region.BaseAddress) + region.RegionSize;
    if (next <= at) break;
    at = next;
  }
  return bytes / 1048576.0;
}

inline std::set<std::wstring> ModuleNames(HANDLE process) {
  std::set<std::wstring> names;
  std::vector<HMODULE> modules(512);
  DWORD needed = 0;
  if (!::EnumProcessModules(process, modules.data(), static_cast<DWORD>(modules.size() * sizeof(HMODULE)), &needed))
    return names;
  modules.resize(std::min<std::size_t>(modules.size(), needed / sizeof(HMODULE)));
  for (HMODULE module : modules) {
    wchar_t name[MAX_PATH] = {};
    if (::GetModuleBaseNameW(process, module, name, MAX_PATH) == 0) continue;
    std::wstring lower(name);
    std::transform(lower.begin(), lower.end(), lower.begin(), ::towlower);
    names.insert(lower);
  }
  return names;
}

inline Footprint FootprintOf(const PROCESS_INFORMATION& process) {
  Footprint f;
  PROCESS_MEMORY_COUNTERS memory{};
  if (::GetProcessMemoryInfo(process.hProcess, &memory, sizeof(memory)))
    f.workingSetMb = memory.WorkingSetSize / 1048576.0;
  f.privateMb = CommittedPrivateMb(process.hProcess);
  f.modules = ModuleNames(process.hProcess);
  HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, process.dwProcessId);
  if (snapshot != INVALID_HANDLE_VALUE) {
    THREADENTRY32 thread{};
    thread.dwSize = sizeof(thread);
    for (BOOL more = ::Thread32First(snapshot, &thread); more; more = ::Thread32Next(snapshot, &thread))
      if (thread.th32OwnerProcessID == process.dwProcessId) ++f.threads;
    ::CloseHandle(snapshot);
  }
  return f;
}

// The modules `a` holds that `b` does not, as one line.
inline std::string ModulesOnlyIn(const Footprint& a, const Footprint& b) {
  std::string line;
  for (const std::wstring& name : a.modules) {
    if (b.modules.count(name) != 0) continue;
    if (!line.empty()) line += ", ";
    line += std::string(name.begin(), name.end());
  }
  return line.empty() ? "none" : line;
}

// A scratch copy of a program folder (the program writes beside itself on a first run).
inline fs::path ScratchCopy(const fs::path& programFolder, const wchar_t* name) {
  const fs::path scratch = fs::temp_directory_path() / name;
  std::error_code error;
  fs::remove_all(scratch, error);
  fs::copy(programFolder, scratch, fs::copy_options::recursive, error);
  return scratch;
}

}  // namespace quendar::bench
