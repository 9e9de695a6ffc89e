#include "win32/ui/gdiplus_pixels.h"

#include <algorithm>
#include <cstring>

#include "core/ui/draw/shrink.h"

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

namespace {

Dib32 DibOf(const std::vector<ui::Argb>& premultiplied, ui::Size size) {
  Dib32 dib(size);
  if (!dib.valid() || premultiplied.size() != dib.pixels().size()) return {};
  std::copy(premultiplied.begin(), premultiplied.end(), dib.pixels().begin());
  dib.MarkOpaque(std::all_of(premultiplied.begin(), premultiplied.end(), [](ui::Argb p) { return ui::AlphaOf(p) == 255; }));
  return dib;
}

}  // namespace

Dib32 PremultipliedDib(Gdiplus::Bitmap& image) {
  ui::Size size;
  std::vector<ui::Argb> pixels = StraightPixels(image, size);
  if (pixels.empty()) return {};
  ui::PremultiplyAll(pixels);
  return DibOf(pixels, size);
}

std::unique_ptr<Gdiplus::Bitmap> Resampled(Gdiplus::Bitmap& image, ui::Size size) {
  if (size.width <= 0 || size.height <= 0) return nullptr;
  auto target = std::make_unique<Gdiplus::Bitmap>(size.width, size.height, PixelFormat32bppARGB);
  if (target->GetLastStatus() != Gdiplus::Ok) return nullptr;
  Gdiplus::Graphics graphics(target.get());
  graphics.SetCompositingMode(Gdiplus::CompositingModeSourceCopy);
  graphics.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
  graphics.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
  Gdiplus::ImageAttributes edges;
  edges.SetWrapMode(Gdiplus::WrapModeTileFlipXY);  // the filter reads mirrored pixels past the edge
  const Gdiplus::Rect destination(0, 0, size.width, size.height);
  if (graphics.DrawImage(&image, destination, 0, 0, static_cast<INT>(image.GetWidth()),
                         static_cast<INT>(image.GetHeight()), Gdiplus::UnitPixel, &edges) != Gdiplus::Ok) {
    return nullptr;
  }
  return target;
}

Dib32 ResampledDib(Gdiplus::Bitmap& image, ui::Size size) {
  const ui::Size own{static_cast<int>(image.GetWidth()), static_cast<int>(image.GetHeight())};
  if (own == size) return PremultipliedDib(image);
  if (size.width <= own.width && size.height <= own.height) {
    // Shrinking (a double-size drawing at 125 or 150 %): the mean of the area each pixel covers, which is
    // what a shrink should be and far quicker than the platform's filter.
    ui::Size read;
    std::vector<ui::Argb> pixels = StraightPixels(image, read);
    if (pixels.empty()) return {};
    ui::PremultiplyAll(pixels);
    return DibOf(ui::ShrinkByArea(pixels, read, size), size);
  }
  std::unique_ptr<Gdiplus::Bitmap> resampled = Resampled(image, size);
  return resampled ? PremultipliedDib(*resampled) : Dib32{};
}

}  // namespace quendar::win32
