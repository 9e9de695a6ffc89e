#pragma once
// What differs between the program's builds: the real one talks to the mouse through the platform,
// the demo build to the simulated mouse.
namespace quendar::win32 {

struct AppEnvironment {
  bool simulatedMouse = false;
};

}  // namespace quendar::win32
