#pragma once
// The programs under Wine as a test meets them: started from their build folders, their windows, message
// boxes and list boxes read from outside, and the files they write. Every wait has a deadline.
#include <windows.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "win32/framework/unique_handle.h"

namespace quendar::test {

using namespace std::chrono_literals;

// Polls a condition until it holds or the deadline passes. Returns whether it held.
bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds timeout = 15s);

// The programs under test, from QUENDAR_APP_EXE / QUENDAR_DEMO_EXE / QUENDAR_SETUP_EXE (set by the test
// registration).
std::wstring AppExePath();
std::wstring DemoExePath();
std::wstring SetupExePath();
// The bundled skin beside the demo build.
std::wstring SkinFolder();

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
  // Waits for the process to end; returns its exit code, or STILL_ACTIVE on timeout.
  DWORD WaitForExit(std::chrono::milliseconds timeout = 15s) const;
  // The top-level window of this process with the given class, waiting for it to appear.
  HWND WaitForWindow(const wchar_t* className, std::chrono::milliseconds timeout = 30s) const;
  HWND FindWindowOfClass(const wchar_t* className) const;
  // Every top-level window of the process, one line each: what a failed exit leaves open.
  std::string DescribeWindows() const;

 private:
  win32::UniqueKernelHandle process_;
  DWORD pid_ = 0;
};

// A visible top-level window of process `pid` with the given title, waiting for it to appear.
HWND WaitForTopWindow(const wchar_t* title, DWORD pid);

// A window's text, read with WM_GETTEXT so that another process's controls answer too.
std::wstring TextOf(HWND window);
// The entries of a list box, of this process or another.
std::vector<std::wstring> ListItems(HWND list);

// The message boxes a thread shows, with their texts.
struct ShownBox {
  HWND window;
  std::wstring caption;
  std::wstring text;
};
std::vector<ShownBox> MessageBoxesOf(DWORD threadId);
// A message box of the process whose text is `text` (or contains it, unless `whole`), or null.
HWND FindMessageBox(const ProgramProcess& program, const std::wstring& text, bool whole = true);
// Answers a box with OK and waits for it to go.
bool Dismiss(HWND box);

}  // namespace quendar::test
