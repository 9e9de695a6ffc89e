// "QUENDAR 2017.exe": the configuration utility, talking to the mouse through the platform's HID stack.
#include <windows.h>

#include <memory>

#include "win32/app/tolvane_app.h"
#include "win32/device/win32_hid_backend.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  quendar::win32::RestrictDllSearchToSystemFolder();
  quendar::win32::CTolvaneApp app(
      instance, quendar::win32::AppEnvironment{.hidBackend = std::make_shared<quendar::win32::Win32HidBackend>()});
  return app.Run();
}
