// "QUENDAR 2017.exe": the configuration utility, talking to the mouse through the platform's HID stack.
#include <windows.h>

#include "win32/app/tolvane_app.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  quendar::win32::RestrictDllSearchToSystemFolder();
  quendar::win32::CTolvaneApp app(instance, quendar::win32::AppEnvironment{});
  return app.Run();
}
