#include "win32/app/tolvane_app.h"

#include <commctrl.h>

#include "core/app/app_messages.h"
#include "win32/res/resource_ids.h"
#include "win32/app/tolvane_dlg.h"
#include "win32/framework/gdiplus_session.h"

namespace quendar::win32 {

void RestrictDllSearchToSystemFolder() {
  // Looked up at run time: the export is missing on unpatched Windows 7.
  using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
  HMODULE kernel = ::GetModuleHandleW(L"kernel32.dll");
  auto setDirectories = reinterpret_cast<SetDefaultDllDirectoriesFn>(
      reinterpret_cast<void*>(::GetProcAddress(kernel, "SetDefaultDllDirectories")));
  if (setDirectories != nullptr) setDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
  ::SetDllDirectoryW(L"");  // also drops the current folder from the search
}

CTolvaneApp::CTolvaneApp(HINSTANCE instance, AppEnvironment environment)
    : instance_(instance), environment_(environment) {}

bool CTolvaneApp::RegisterMainWindowClass() {
  // The main dialog's template names this class: the system dialog class under our own name.
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  if (!::GetClassInfoExW(nullptr, L"#32770", &windowClass)) return false;
  windowClass.hInstance = instance_;
  windowClass.lpszClassName = app::kWindowClassName;
  windowClass.hIcon = static_cast<HICON>(::LoadImageW(instance_, MAKEINTRESOURCEW(IDI_APPLICATION_ICON),
                                                      IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
  return ::RegisterClassExW(&windowClass) != 0;
}

int CTolvaneApp::Run() {
  INITCOMMONCONTROLSEX controls{sizeof(controls), 0xFF};
  ::InitCommonControlsEx(&controls);

  if (!RegisterMainWindowClass()) return 0;
  GdiplusSession gdiplus;

  CTolvaneDlg dialog(instance_, environment_);
  dialog.RunModal(instance_, IDD_MAIN_DIALOG);
  return dialog.ExitCode();
}

}  // namespace quendar::win32
