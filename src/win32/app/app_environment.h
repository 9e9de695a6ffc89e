#pragma once
// What differs between the program's builds: the real one talks to the mouse through the platform,
// the demo build to the simulated mouse and opens its control window beside the main one.
#include <windows.h>

#include <functional>
#include <memory>

#include "core/app/balloon.h"
#include "core/device/hid_backend.h"

namespace quendar::win32 {

// A window that lives beside the main dialog (the demo build's mouse controls).
class AppCompanion {
 public:
  virtual ~AppCompanion() = default;
  // Every balloon the notification icon was asked to show.
  virtual void OnBalloonShown(const app::BalloonRecord&) {}
  // After every apply, reset or device change: the mouse may hold something new.
  virtual void Refresh() {}
};

struct AppEnvironment {
  // The HID stack the device link discovers the mouse through.
  std::shared_ptr<device::HidBackend> hidBackend;
  // Called once the main window exists; may return nothing.
  std::function<std::unique_ptr<AppCompanion>(HINSTANCE instance, HWND mainWindow)> createCompanion;
};

}  // namespace quendar::win32
