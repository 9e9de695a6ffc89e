#include "win32/ui/gdiplus_pixels.h"

#include <algorithm>
#include <cstring>

namespace quendar::win32 {

std::vector<ui::Argb> StraightPixels(Gdiplus::Bitmap& image, ui::Size& size) {
  size = {static_cast<int>(image.GetWidth()), static_cast<int>(image.GetHeight())};
  if (size.width <= 0 || size.height <= 0) return {};
  Gdiplus::Rect whole(0, 0, size.width, size.height);
  Gdiplus::BitmapData data{};
  if (image.LockBits(&whole, Gdiplus::ImageLockModeRead, PixelFormat32bppARGB, &data) != Gdiplus::Ok) return {};
  std::vector<ui::Argb> pixels(static_cast<std::size_t>(size.width) * static_cast<std::size_t>(size.height));
  const auto* row = static_cast<const std::uint8_t*>(data.Scan0);
  for (int y = 0; y < size.height; ++y, row += data.Stride) {
    std::memcpy(&pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(size.width)], row,
                static_cast<std::size_t>(size.width) * sizeof(ui::Argb));
  }
  image.UnlockBits(&data);
  return pixels;
}

Dib32 PremultipliedDib(Gdiplus::Bitmap& image) {
  ui::Size size;
  std::vector<ui::Argb> pixels = StraightPixels(image, size);
  if (pixels.empty()) return {};
  Dib32 dib(size);
  if (!dib.valid()) return {};
  ui::PremultiplyAll(pixels);
  std::copy(pixels.begin(), pixels.end(), dib.pixels().begin());
  dib.MarkOpaque(std::all_of(pixels.begin(), pixels.end(), [](ui::Argb p) { return ui::AlphaOf(p) == 255; }));
  return dib;
}

}  // namespace quendar::win32
