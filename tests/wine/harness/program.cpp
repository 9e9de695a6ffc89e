#include "wine/harness/program.h"

#include <fstream>
#include <iterator>
#include <thread>

#include "core/ui/skin_manifest.h"

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

std::wstring FromEnvironment(const wchar_t* name) {
  wchar_t value[MAX_PATH] = {};
  ::GetEnvironmentVariableW(name, value, MAX_PATH);
  return value;
}

// A window's title as the system holds it: no message to a thread that may be busy.
std::wstring TitleOf(HWND window) {
  wchar_t title[512] = {};
  ::GetWindowTextW(window, title, 512);
  return title;
}

std::wstring ClassOf(HWND window) {
  wchar_t name[256] = {};
  ::GetClassNameW(window, name, 256);
  return name;
}

// The top-level windows of a process, in z-order.
std::vector<HWND> TopWindows(DWORD pid) {
  std::pair<DWORD, std::vector<HWND>> search{pid, {}};
  ::EnumWindows(
      [](HWND window, LPARAM param) {
        auto* s = reinterpret_cast<decltype(search)*>(param);
        DWORD owner = 0;
        ::GetWindowThreadProcessId(window, &owner);
        if (owner == s->first) s->second.push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.second;
}

// The child windows of a window, at every depth.
std::vector<HWND> Children(HWND window) {
  std::vector<HWND> found;
  ::EnumChildWindows(
      window,
      [](HWND child, LPARAM param) {
        reinterpret_cast<std::vector<HWND>*>(param)->push_back(child);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

constexpr int kBoxTextId = 0xFFFF;  // a message box's text control

}  // namespace

std::wstring AppExePath() { return FromEnvironment(L"QUENDAR_APP_EXE"); }
std::wstring DemoExePath() { return FromEnvironment(L"QUENDAR_DEMO_EXE"); }
std::wstring SetupExePath() { return FromEnvironment(L"QUENDAR_SETUP_EXE"); }
std::wstring SkinFolder() {
  const std::string_view skin = ui::skin::kSkinFolder;
  return (std::filesystem::path(DemoExePath()).parent_path() / L"Skins" / std::wstring(skin.begin(), skin.end())).wstring();
}

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
  std::wstring commandLine = L"\"" + exePath + L"\"" + (arguments.empty() ? L"" : L" " + arguments);
  const std::wstring folder = exePath.substr(0, exePath.find_last_of(L"\\/"));
  STARTUPINFOW startup{sizeof(startup)};
  PROCESS_INFORMATION info{};
  if (::CreateProcessW(exePath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                       &startup, &info)) {
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
  DWORD code = STILL_ACTIVE;
  if (::WaitForSingleObject(process_.get(), static_cast<DWORD>(timeout.count())) == WAIT_OBJECT_0) {
    ::GetExitCodeProcess(process_.get(), &code);
  }
  return code;
}

HWND ProgramProcess::FindWindowOfClass(const wchar_t* className) const {
  for (HWND window : TopWindows(pid_)) {
    if (ClassOf(window) == className) return window;
  }
  return nullptr;
}

HWND ProgramProcess::WaitForWindow(const wchar_t* className, std::chrono::milliseconds timeout) const {
  HWND found = nullptr;
  WaitFor([&] { return (found = FindWindowOfClass(className)) != nullptr || !running(); }, timeout);
  return found;
}

std::string ProgramProcess::DescribeWindows() const {
  std::string lines;
  for (HWND window : TopWindows(pid_)) {
    const std::wstring text = ClassOf(window) + L" \"" + TitleOf(window) + L"\"";
    lines += std::string(text.begin(), text.end()) + (::IsWindowVisible(window) ? " visible\n" : " hidden\n");
  }
  return lines.empty() ? "no window\n" : lines;
}

HWND WaitForTopWindow(const wchar_t* title, DWORD pid) {
  HWND found = nullptr;
  WaitFor([&] {
    for (HWND window : TopWindows(pid)) {
      if (::IsWindowVisible(window) && TitleOf(window) == title) return (found = window) != nullptr;
    }
    return false;
  });
  return found;
}

std::wstring TextOf(HWND window) {
  wchar_t text[1024] = {};
  DWORD_PTR copied = 0;
  if (!::SendMessageTimeoutW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000,
                             &copied)) {
    return {};
  }
  return std::wstring(text, copied);
}

std::vector<std::wstring> ListItems(HWND list) {
  std::vector<std::wstring> items;
  // The list may change while it is read (the program handles input meanwhile): an entry gone is the end.
  for (LRESULT i = 0, count = ::SendMessageW(list, LB_GETCOUNT, 0, 0); i < count; ++i) {
    const LRESULT length = ::SendMessageW(list, LB_GETTEXTLEN, i, 0);
    if (length < 0) break;
    std::wstring text(static_cast<std::size_t>(length) + 256, L'\0');  // room for an entry that grew
    const LRESULT copied = ::SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()));
    if (copied < 0 || copied >= static_cast<LRESULT>(text.size())) break;
    text.resize(static_cast<std::size_t>(copied));
    items.push_back(text);
  }
  return items;
}

std::vector<ShownBox> MessageBoxesOf(DWORD threadId) {
  std::vector<HWND> windows;
  ::EnumThreadWindows(
      threadId,
      [](HWND window, LPARAM param) {
        reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&windows));
  std::vector<ShownBox> boxes;
  for (HWND window : windows) {
    const HWND text = ::GetDlgItem(window, kBoxTextId);
    if (ClassOf(window) == L"#32770" && ::IsWindowVisible(window) && text != nullptr) {
      boxes.push_back({window, TitleOf(window), TitleOf(text)});
    }
  }
  return boxes;
}

HWND FindMessageBox(const ProgramProcess& program, const std::wstring& text, bool whole) {
  for (HWND window : TopWindows(program.pid())) {
    if (ClassOf(window) != L"#32770") continue;
    for (HWND child : Children(window)) {
      const std::wstring shown = TitleOf(child);
      if (whole ? shown == text : shown.find(text) != std::wstring::npos) return window;
    }
  }
  return nullptr;
}

bool Dismiss(HWND box) {
  ::PostMessageW(box, WM_COMMAND, IDOK, 0);
  return WaitFor([&] { return !::IsWindow(box); });
}

}  // namespace quendar::test
