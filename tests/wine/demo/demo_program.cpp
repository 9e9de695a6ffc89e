#include "wine/demo/demo_program.h"

#include <sstream>
#include <vector>

namespace quendar::test {

namespace fs = std::filesystem;

namespace {

constexpr const wchar_t* kMainWindowClass = L"PelidorGMClass";
constexpr const wchar_t* kMouseWindowClass = L"QuendarSimulatedMouse";
constexpr int kStateViewControl = 110;
constexpr int kLastBalloonControl = 111;

fs::path ScratchFolder() {
  static int counter = 0;
  return fs::temp_directory_path() /
         (L"quendar_demo_" + std::to_wstring(::GetCurrentProcessId()) + L"_" + std::to_wstring(++counter));
}

}  // namespace

DemoProgram::DemoProgram(const std::wstring& switches, const std::function<void(const fs::path&)>& prepare)
    : folder_(ScratchFolder()) {
  const fs::path demoExe = DemoExePath();
  if (demoExe.empty()) return;
  std::error_code error;
  fs::remove_all(folder_, error);
  fs::copy(demoExe.parent_path(), folder_, fs::copy_options::recursive, error);
  if (error) return;
  if (prepare) prepare(folder_);
  process_ = std::make_unique<ProgramProcess>((folder_ / demoExe.filename()).wstring(), switches);
  if (!process_->started()) return;
  mainWindow_ = process_->WaitForWindow(kMainWindowClass);
  mouseWindow_ = process_->WaitForWindow(kMouseWindowClass);
}

DemoProgram::~DemoProgram() {
  process_.reset();  // ends the program if a test left it running
  std::error_code error;
  fs::remove_all(folder_, error);
}

std::wstring DemoProgram::ControlText(int control) const {
  HWND item = ::GetDlgItem(mouseWindow_, control);
  if (item == nullptr) return {};
  // WM_GETTEXT, unlike GetWindowText, reads another process's control.
  std::vector<wchar_t> buffer(4096);
  DWORD_PTR copied = 0;
  if (!::SendMessageTimeoutW(item, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()),
                             SMTO_ABORTIFHUNG, 5000, &copied)) {
    return {};
  }
  return std::wstring(buffer.data(), copied);
}

std::wstring DemoProgram::MouseState() const { return ControlText(kStateViewControl); }
std::wstring DemoProgram::LastBalloon() const { return ControlText(kLastBalloonControl); }

bool DemoProgram::WaitForState(const std::wstring& text) const {
  return WaitFor([&] { return MouseState().find(text) != std::wstring::npos; });
}

bool DemoProgram::WaitForBalloon(const std::wstring& text) const {
  return WaitFor([&] { return LastBalloon().find(text) != std::wstring::npos; });
}

int DemoProgram::StateByte(const std::wstring& label, int index) const {
  std::wistringstream lines(MouseState());
  std::wstring line;
  while (std::getline(lines, line)) {
    if (line.rfind(label, 0) != 0) continue;
    std::wistringstream bytes(line.substr(line.find(L": ") + 2));
    int value = -1;
    for (int i = 0; i <= index; ++i) {
      if (!(bytes >> std::hex >> value)) return -1;
    }
    return value;
  }
  return -1;
}

void DemoProgram::Click(int control) {
  ::PostMessageW(mouseWindow_, WM_COMMAND, MAKEWPARAM(control, BN_CLICKED),
                 reinterpret_cast<LPARAM>(::GetDlgItem(mouseWindow_, control)));
}

bool DemoProgram::Show() const {
  ::PostMessageW(mainWindow_, WM_USER + 1, 0, WM_LBUTTONUP);
  return WaitFor([&] { return ::IsWindowVisible(mainWindow_) != FALSE; });
}

void DemoProgram::ClickMain(int x, int y) {
  ::PostMessageW(mainWindow_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
  ::PostMessageW(mainWindow_, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

DWORD DemoProgram::Exit() {
  ::PostMessageW(mainWindow_, WM_COMMAND, 1028, 0);
  return process_->WaitForExit();
}

}  // namespace quendar::test
