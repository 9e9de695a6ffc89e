#pragma once
// Pictures of what the user sees, taken from the screen (Wine's window capture of GDI+ drawing is black),
// saved as PNG into the folder QUENDAR_SCREENSHOT_DIR names; nothing when it is unset.
#include <windows.h>

#include <string>

namespace quendar::test {

// Saves the screen area of `window` as <folder>/<name>.png. Returns the path, or empty.
std::wstring SaveWindowScreenshot(HWND window, const std::wstring& name);

}  // namespace quendar::test
