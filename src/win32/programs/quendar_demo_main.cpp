// The demo build of "QUENDAR 2017.exe": the same program wired to the simulated mouse, for the demo run
// and the end-to-end tests on machines without the mouse.
#include <windows.h>

#include <memory>

#include "sim/sim_hid_backend.h"
#include "win32/app/tolvane_app.h"
#include "win32/device/high_resolution_pacer.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  quendar::win32::RestrictDllSearchToSystemFolder();
  // The simulated mouse pauses for real, so the demo feels like the hardware.
  quendar::win32::HighResolutionPacer pacer;
  auto mouse = quendar::sim::SimulatedMouse::Create({.pacer = &pacer});
  quendar::win32::CTolvaneApp app(instance, quendar::win32::AppEnvironment{
                                                .simulatedMouse = true,
                                                .hidBackend = std::make_shared<quendar::sim::SimHidBackend>(mouse)});
  return app.Run();
}
