#pragma once
// The main page's background image ("/main.png" of the skin folder), decoded once into a bitmap the
// window paints from and takes its size from.
#include <windows.h>

#include <string>

#include "win32/framework/unique_handle.h"

namespace quendar::win32 {

class BackgroundImage {
 public:
  // Needs a running GDI+. Returns false (and holds nothing) when the file is missing or unreadable.
  bool Load(const std::wstring& path);
  bool loaded() const { return bitmap_.valid(); }
  SIZE size() const { return size_; }
  void Paint(HDC dc) const;

 private:
  UniqueBitmap bitmap_;
  SIZE size_{};
};

// Resizes a window to a client area of `size`, keeping its position and Z order.
void ResizeWindowToClient(HWND window, SIZE size);

}  // namespace quendar::win32
