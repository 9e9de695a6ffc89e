#pragma once
// Helpers for tests that start the programs under Wine and drive their windows. Every wait has a deadline.
#include <windows.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>

#include "win32/framework/unique_handle.h"

namespace quendar::test {

using namespace std::chrono_literals;

// Polls a condition until it holds or the deadline passes. Returns whether it held.
bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds timeout = 15s);

// The program under test, from QUENDAR_APP_EXE / QUENDAR_DEMO_EXE / QUENDAR_SETUP_EXE (set by the test
// registration).
std::wstring AppExePath();
std::wstring DemoExePath();
std::wstring SetupExePath();

std::string FileBytes(const std::filesystem::path& path);
void WriteFileBytes(const std::filesystem::path& path, const std::string& bytes);

// An executable loaded for its resources only, freed when the object goes; invalid when it did not load.
struct LoadedModuleTraits {
  using Type = HMODULE;
  static Type Invalid() { return nullptr; }
  static bool IsValid(Type h) { return h != nullptr; }
  static void Close(Type h) { ::FreeLibrary(h); }
};
using UniqueModule = win32::UniqueHandle<LoadedModuleTraits>;
UniqueModule LoadResourceModule(const std::filesystem::path& exe);

// A started program; ended (forcibly, if still running) when the object goes.
class ProgramProcess {
 public:
  // `arguments` follow the quoted program path on the command line.
  explicit ProgramProcess(const std::wstring& exePath, const std::wstring& arguments = {});
  ~ProgramProcess();
  ProgramProcess(const ProgramProcess&) = delete;
  ProgramProcess& operator=(const ProgramProcess&) = delete;

  bool started() const { return process_.valid(); }
  DWORD pid() const { return pid_; }
  bool running() const;
  // Waits for the process to end; returns its exit code, or nullopt-like STILL_ACTIVE on timeout.
  DWORD WaitForExit(std::chrono::milliseconds timeout = 15s) const;
  // The top-level window of this process with the given class, waiting for it to appear.
  HWND WaitForWindow(const wchar_t* className, std::chrono::milliseconds timeout = 30s) const;
  HWND FindWindowOfClass(const wchar_t* className) const;

 private:
  win32::UniqueKernelHandle process_;
  DWORD pid_ = 0;
};

// A message box of the process showing `text`, or null.
HWND FindMessageBox(const ProgramProcess& program, const std::wstring& text, bool whole = true);

}  // namespace quendar::test
