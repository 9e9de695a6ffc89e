// The demo build of "QUENDAR 2017.exe": the same program wired to the simulated mouse, for the demo run
// and the end-to-end tests on machines without the mouse. Started with "/unplugged", the mouse is not
// plugged in when the program starts; with "/no-reader-event", the platform refuses the reader's event
// and the start-up stops early.
#include <windows.h>

#include <memory>
#include <string_view>

#include "sim/sim_hid_backend.h"
#include "win32/app/tolvane_app.h"
#include "win32/demo/simulated_mouse_window.h"
#include "win32/device/high_resolution_pacer.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
  using namespace quendar;
  win32::RestrictDllSearchToSystemFolder();
  // The simulated mouse pauses for real, so the demo feels like the hardware.
  win32::HighResolutionPacer pacer;
  sim::SimOptions options;
  options.pacer = &pacer;
  const std::wstring_view switches(commandLine);
  options.plugged = switches.find(L"/unplugged") == std::wstring_view::npos;
  const bool readerEventFails = switches.find(L"/no-reader-event") != std::wstring_view::npos;
  std::shared_ptr<sim::SimulatedMouse> mouse = sim::SimulatedMouse::Create(std::move(options));

  win32::AppEnvironment environment;
  environment.hidBackend = std::make_shared<sim::SimHidBackend>(mouse, readerEventFails);
  environment.createCompanion = [mouse](HINSTANCE program, HWND mainWindow) -> std::unique_ptr<win32::AppCompanion> {
    return std::make_unique<win32::SimulatedMouseWindow>(program, mainWindow, mouse);
  };
  win32::CTolvaneApp app(instance, std::move(environment));
  return app.Run();
}
