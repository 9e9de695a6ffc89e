#pragma once
// From a GDI+ bitmap to the 32-bit pixels the painter works with.
#include <windows.h>
#include <gdiplus.h>

#include <vector>

#include "core/ui/draw/pixels.h"
#include "win32/ui/dib.h"

namespace quendar::win32 {

// The bitmap's pixels with straight alpha, rows top-down; empty when they cannot be read. Images without
// an alpha channel come out opaque, so they are drawn as they are.
std::vector<ui::Argb> StraightPixels(Gdiplus::Bitmap& image, ui::Size& size);

// The same pixels premultiplied into a DIB section.
Dib32 PremultipliedDib(Gdiplus::Bitmap& image);

}  // namespace quendar::win32
