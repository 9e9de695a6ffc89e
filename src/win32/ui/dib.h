#pragma once
// A 32-bit top-down DIB section of premultiplied 0xAARRGGBB pixels: what AlphaBlend draws from.
#include <windows.h>

#include <cstdint>
#include <span>
#include <utility>

#include "core/ui/draw/pixels.h"
#include "core/ui/geometry.h"
#include "win32/framework/unique_handle.h"

namespace quendar::win32 {

class Dib32 {
 public:
  Dib32() = default;
  // An all-zero (transparent black) bitmap; invalid when the platform refuses one.
  explicit Dib32(ui::Size size);
  Dib32(Dib32&& other) noexcept { *this = std::move(other); }
  Dib32& operator=(Dib32&& other) noexcept {
    bitmap_ = std::move(other.bitmap_);
    bits_ = std::exchange(other.bits_, nullptr);  // the pixels go with the bitmap
    size_ = std::exchange(other.size_, {});
    opaque_ = std::exchange(other.opaque_, false);
    return *this;
  }

  bool valid() const { return bitmap_.valid(); }
  HBITMAP handle() const { return bitmap_.get(); }
  ui::Size size() const { return size_; }
  std::span<ui::Argb> pixels() const { return {bits_, bits_ == nullptr ? 0u : PixelCount()}; }
  std::size_t bytes() const { return PixelCount() * sizeof(ui::Argb); }
  // Every pixel has alpha 255: a plain copy draws it exactly as a blend would, only faster.
  bool opaque() const { return opaque_; }
  void MarkOpaque(bool opaque) { opaque_ = opaque; }

 private:
  std::size_t PixelCount() const { return static_cast<std::size_t>(size_.width) * static_cast<std::size_t>(size_.height); }

  UniqueBitmap bitmap_;
  ui::Argb* bits_ = nullptr;
  ui::Size size_;
  bool opaque_ = false;
};

// Blends `image` (selected into `sourceDc`) at `at` with its per-pixel alpha, only the part inside `clip`.
bool BlendImage(HDC target, HDC sourceDc, const Dib32& image, ui::Point at, const ui::Rect& clip);

}  // namespace quendar::win32
