#pragma once
// The application object: registers the main window class, starts GDI+ and runs the main dialog
// modally; that dialog's loop is the program's only message loop.
#include <windows.h>

#include "win32/app/app_environment.h"

namespace quendar::win32 {

class CTolvaneApp {
 public:
  CTolvaneApp(HINSTANCE instance, AppEnvironment environment);
  // Runs the whole program; returns the process exit code.
  int Run();

 private:
  bool RegisterMainWindowClass();

  HINSTANCE instance_;
  AppEnvironment environment_;
};

// Keeps DLLs from being loaded out of the program's own (writable) folder. Call first thing.
void RestrictDllSearchToSystemFolder();

}  // namespace quendar::win32
