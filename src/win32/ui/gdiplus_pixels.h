#pragma once
// From a GDI+ bitmap to the 32-bit pixels the painter works with.
#include <windows.h>
#include <gdiplus.h>

#include <memory>
#include <vector>

#include "core/ui/draw/pixels.h"
#include "win32/ui/dib.h"

namespace quendar::win32 {

// The bitmap's pixels with straight alpha, rows top-down; empty when they cannot be read. Images without
// an alpha channel come out opaque, so they are drawn as they are.
std::vector<ui::Argb> StraightPixels(Gdiplus::Bitmap& image, ui::Size& size);

// The same pixels premultiplied into a DIB section.
Dib32 PremultipliedDib(Gdiplus::Bitmap& image);

// The image resampled to `size` with high-quality filtering; edge pixels are not darkened by the
// transparent outside. Null when GDI+ refuses.
std::unique_ptr<Gdiplus::Bitmap> Resampled(Gdiplus::Bitmap& image, ui::Size size);

// The image at `size` in a DIB section: as it is at its own size, shrunk by area averaging when smaller,
// enlarged with the platform's high-quality filter (a skin without double-size drawings) when larger.
Dib32 ResampledDib(Gdiplus::Bitmap& image, ui::Size size);

}  // namespace quendar::win32
