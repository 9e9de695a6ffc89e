#include "win32/ui/dib.h"

namespace quendar::win32 {

Dib32::Dib32(ui::Size size) {
  if (size.width <= 0 || size.height <= 0) return;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = size.width;
  info.bmiHeader.biHeight = -size.height;  // top-down: row 0 first, as the decoder hands them over
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  bitmap_.reset(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap_) return;
  bits_ = static_cast<ui::Argb*>(bits);
  size_ = size;
}

bool BlendImage(HDC target, HDC sourceDc, const Dib32& image, ui::Point at, const ui::Rect& clip) {
  const ui::Rect visible = ui::Rect::At(at, image.size()).Intersection(clip);
  if (visible.Empty()) return true;
  if (image.opaque()) {
    return ::BitBlt(target, visible.left, visible.top, visible.Width(), visible.Height(), sourceDc,
                    visible.left - at.x, visible.top - at.y, SRCCOPY) != FALSE;
  }
  // The source rectangle must lie inside the bitmap, so blend only the visible part. gdi32's own entry:
  // msimg32's AlphaBlend is no known system DLL and would be looked for beside the executable first.
  const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  return ::GdiAlphaBlend(target, visible.left, visible.top, visible.Width(), visible.Height(), sourceDc,
                      visible.left - at.x, visible.top - at.y, visible.Width(), visible.Height(), blend) != FALSE;
}

}  // namespace quendar::win32
