#include "wine/wine_test_support.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <thread>
#include <vector>

namespace quendar::test {

bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (!condition()) {
    if (std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(10ms);
  }
  return true;
}

namespace {
std::wstring PathFromEnvironment(const wchar_t* name) {
  const DWORD size = ::GetEnvironmentVariableW(name, nullptr, 0);
  if (size == 0) return {};
  std::wstring value(size, L'\0');
  value.resize(::GetEnvironmentVariableW(name, value.data(), size));
  return value;
}

struct WindowSearch {
  DWORD pid;
  const wchar_t* className;
  HWND found;
};

BOOL CALLBACK MatchWindow(HWND hwnd, LPARAM lParam) {
  auto* search = reinterpret_cast<WindowSearch*>(lParam);
  DWORD pid = 0;
  ::GetWindowThreadProcessId(hwnd, &pid);
  if (pid != search->pid) return TRUE;
  wchar_t name[256] = {};
  ::GetClassNameW(hwnd, name, 256);
  if (std::wstring(name) != search->className) return TRUE;
  search->found = hwnd;
  return FALSE;
}
}  // namespace

std::wstring AppExePath() { return PathFromEnvironment(L"QUENDAR_APP_EXE"); }
std::wstring DemoExePath() { return PathFromEnvironment(L"QUENDAR_DEMO_EXE"); }
std::wstring SetupExePath() { return PathFromEnvironment(L"QUENDAR_SETUP_EXE"); }

std::string FileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFileBytes(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

UniqueModule LoadResourceModule(const std::filesystem::path& exe) {
  return UniqueModule(::LoadLibraryExW(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
}

ProgramProcess::ProgramProcess(const std::wstring& exePath, const std::wstring& arguments) {
  std::wstring commandLine = L"\"" + exePath + L"\"";
  if (!arguments.empty()) commandLine += L" " + arguments;
  std::wstring folder = exePath.substr(0, exePath.find_last_of(L"\\/"));
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info{};
  if (::CreateProcessW(exePath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                       folder.c_str(), &startup, &info)) {
    process_.reset(info.hProcess);
    ::CloseHandle(info.hThread);
    pid_ = info.dwProcessId;
  }
}

ProgramProcess::~ProgramProcess() {
  if (running()) {
    ::TerminateProcess(process_.get(), 1);
    ::WaitForSingleObject(process_.get(), 10000);
  }
}

bool ProgramProcess::running() const {
  return process_.valid() && ::WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT;
}

DWORD ProgramProcess::WaitForExit(std::chrono::milliseconds timeout) const {
  if (::WaitForSingleObject(process_.get(), static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0) {
    return STILL_ACTIVE;
  }
  DWORD code = STILL_ACTIVE;
  ::GetExitCodeProcess(process_.get(), &code);
  return code;
}

HWND ProgramProcess::FindWindowOfClass(const wchar_t* className) const {
  WindowSearch search{pid_, className, nullptr};
  ::EnumWindows(&MatchWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND ProgramProcess::WaitForWindow(const wchar_t* className, std::chrono::milliseconds timeout) const {
  HWND found = nullptr;
  WaitFor([&] { return (found = FindWindowOfClass(className)) != nullptr || !running(); }, timeout);
  return found;
}

HWND FindMessageBox(const ProgramProcess& program, const std::wstring& text, bool whole) {
  HWND box = program.FindWindowOfClass(L"#32770");
  if (box == nullptr) return nullptr;
  struct Search {
    const std::wstring& text;
    bool whole;
    bool found = false;
  } search{text, whole};
  ::EnumChildWindows(
      box,
      [](HWND child, LPARAM param) {
        auto* s = reinterpret_cast<Search*>(param);
        wchar_t shown[512] = {};
        ::GetWindowTextW(child, shown, 512);
        s->found = s->found || (s->whole ? s->text == shown : std::wstring_view(shown).find(s->text) != std::wstring_view::npos);
        return s->found ? FALSE : TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found ? box : nullptr;
}

}  // namespace quendar::test
