#include "wine/harness/demo_program.h"

#include <cstdio>
#include <sstream>

#include "core/app/app_messages.h"
#include "wine/harness/input.h"

namespace quendar::test {

namespace fs = std::filesystem;

namespace {

constexpr const wchar_t* kMouseWindowClass = L"QuendarSimulatedMouse";
constexpr int kStateViewControl = 110;
constexpr int kLastBalloonControl = 111;

fs::path ScratchFolder() {
  static int counter = 0;
  return fs::temp_directory_path() /
         (L"quendar_demo_" + std::to_wstring(::GetCurrentProcessId()) + L"_" + std::to_wstring(++counter));
}

}  // namespace

DemoProgram::DemoProgram(const std::wstring& switches, const Prepare& prepare) : folder_(ScratchFolder()) {
  const fs::path demoExe = DemoExePath();
  if (demoExe.empty()) return;
  std::error_code error;
  fs::remove_all(folder_, error);
  fs::copy(demoExe.parent_path(), folder_, fs::copy_options::recursive, error);
  if (error) return;
  if (prepare) prepare(folder_);
  process_ = std::make_unique<ProgramProcess>((folder_ / demoExe.filename()).wstring(), switches);
  if (!process_->started()) return;
  mainWindow_ = process_->WaitForWindow(app::kWindowClassName);
  mouseWindow_ = process_->WaitForWindow(kMouseWindowClass);
  // The mouse window opens over part of the main one: out of the way of real clicks and of the screen.
  if (mouseWindow_) ::SetWindowPos(mouseWindow_, nullptr, 0, 880, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

DemoProgram::~DemoProgram() {
  process_.reset();  // ends the program if a test left it running
  std::error_code error;
  fs::remove_all(folder_, error);
}

DemoProgram::Prepare DemoProgram::InLanguage(const std::wstring& code) {
  return [code](const fs::path& folder) {
    for (const wchar_t* file : {L"str.ini", L"str0.ini"}) {
      ::WritePrivateProfileStringW(L"Skins", L"Lan", code.c_str(), (folder / file).c_str());
    }
  };
}

std::wstring DemoProgram::MouseState() const { return TextOf(::GetDlgItem(mouseWindow_, kStateViewControl)); }
std::wstring DemoProgram::LastBalloon() const { return TextOf(::GetDlgItem(mouseWindow_, kLastBalloonControl)); }

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
  ::PostMessageW(mainWindow_, app::kTrayCallbackMessage, 0, WM_LBUTTONUP);
  return WaitFor([&] { return ::IsWindowVisible(mainWindow_) != FALSE; });
}

void DemoProgram::ClickMain(int x, int y) { PostClick(mainWindow_, POINT{x, y}); }

DWORD DemoProgram::Exit() {
  ::PostMessageW(mainWindow_, WM_COMMAND, app::kExitCommand, 0);
  const DWORD code = process_->WaitForExit();
  if (code == STILL_ACTIVE) {
    std::fprintf(stderr, "the demo did not end after Exit; its windows:\n%s", process_->DescribeWindows().c_str());
  }
  return code;
}

}  // namespace quendar::test
