// The demo build of "QUENDAR 2017.exe": the same program wired to the simulated mouse, for the demo run
// and the end-to-end tests on machines without the mouse.
#include <windows.h>

#include "win32/app/tolvane_app.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  quendar::win32::RestrictDllSearchToSystemFolder();
  quendar::win32::CTolvaneApp app(instance, quendar::win32::AppEnvironment{.simulatedMouse = true});
  return app.Run();
}
