#include "win32/app/background_image.h"

#include <gdiplus.h>

#include <memory>

namespace quendar::win32 {

bool BackgroundImage::Load(const std::wstring& path) {
  bitmap_.reset();
  size_ = {};
  std::unique_ptr<Gdiplus::Bitmap> image(Gdiplus::Bitmap::FromFile(path.c_str(), FALSE));
  if (!image || image->GetLastStatus() != Gdiplus::Ok) return false;
  HBITMAP bitmap = nullptr;
  // Transparent parts of the image come out black, as on the window's own (black) surface.
  if (image->GetHBITMAP(Gdiplus::Color(0, 0, 0), &bitmap) != Gdiplus::Ok) return false;
  bitmap_.reset(bitmap);
  size_ = {static_cast<LONG>(image->GetWidth()), static_cast<LONG>(image->GetHeight())};
  return true;
}

void BackgroundImage::Paint(HDC dc) const {
  if (!bitmap_) return;
  HDC memory = ::CreateCompatibleDC(dc);
  if (memory == nullptr) return;
  {
    ScopedSelectObject select(memory, bitmap_.get());
    ::BitBlt(dc, 0, 0, size_.cx, size_.cy, memory, 0, 0, SRCCOPY);
  }
  ::DeleteDC(memory);
}

void ResizeWindowToClient(HWND window, SIZE size) {
  RECT frame{0, 0, size.cx, size.cy};
  const DWORD style = static_cast<DWORD>(::GetWindowLongPtrW(window, GWL_STYLE));
  const DWORD exStyle = static_cast<DWORD>(::GetWindowLongPtrW(window, GWL_EXSTYLE));
  ::AdjustWindowRectEx(&frame, style, FALSE, exStyle);
  ::SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace quendar::win32
