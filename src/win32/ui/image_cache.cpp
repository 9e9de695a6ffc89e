#include "win32/ui/image_cache.h"

#include <gdiplus.h>

#include <filesystem>
#include <memory>
#include <variant>

#include "core/ui/draw/png_size.h"
#include "win32/ui/gdiplus_pixels.h"

namespace quendar::win32 {

namespace {

std::unique_ptr<Gdiplus::Bitmap> LoadBitmap(const std::wstring& path) {
  std::unique_ptr<Gdiplus::Bitmap> image(Gdiplus::Bitmap::FromFile(path.c_str(), FALSE));
  if (!image || image->GetLastStatus() != Gdiplus::Ok) return nullptr;
  return image;
}

}  // namespace

Dib32 DecodeImageFile(const std::wstring& path) {
  std::unique_ptr<Gdiplus::Bitmap> image = LoadBitmap(path);
  return image ? PremultipliedDib(*image) : Dib32{};
}

Dib32 DecodeImageFile(const std::wstring& path, ui::Size size) {
  std::unique_ptr<Gdiplus::Bitmap> image = LoadBitmap(path);
  if (!image) return {};
  return ResampledDib(*image, size);
}

const Dib32* ImageCache::Find(std::string_view name) {
  auto found = images_.find(name);
  if (found == images_.end()) {
    ++decodes_;
    found = images_.emplace(std::string(name), DecodeImageFile(PathOf(name))).first;
  }
  return found->second.valid() ? &found->second : nullptr;
}

const Dib32* ImageCache::FindScaled(std::string_view name, ui::Point at, ui::DisplayScale scale) {
  if (scale.unity()) return Find(name);
  const std::optional<ui::Size> logical = LogicalSize(name);
  if (!logical) return nullptr;
  const ui::Rect device = scale.ToDevice(ui::Rect::At(at, *logical));
  ScaledKey key{std::string(name), device.Width(), device.Height()};
  auto found = scaled_.find(key);
  if (found == scaled_.end()) {
    ++decodes_;
    Dib32 image = DecodeScaled(name, scale, {key.width, key.height});
    found = scaled_.emplace(std::move(key), std::move(image)).first;
  }
  return found->second.valid() ? &found->second : nullptr;
}

std::optional<ui::Size> ImageCache::LogicalSize(std::string_view name) {
  auto found = logicalSizes_.find(name);
  if (found == logicalSizes_.end()) {
    std::optional<ui::Size> size;
    const ui::PngSizeResult header = ui::ReadPngSize(std::filesystem::path(PathOf(name)));
    if (const auto* read = std::get_if<ui::Size>(&header)) {
      size = *read;
    } else if (const Dib32* image = Find(name)) {  // not a PNG: GDI+ may still read it
      size = image->size();
    }
    found = logicalSizes_.emplace(std::string(name), size).first;
  }
  return found->second;
}

Dib32 ImageCache::DecodeScaled(std::string_view name, ui::DisplayScale scale, ui::Size device) {
  // The skin's own larger drawing is sharper than the 1x one enlarged; a skin without one still works.
  if (const int imageScale = scale.ImageScale(); imageScale > 1) {
    Dib32 larger = DecodeImageFile(PathOf(ui::ScaledImageName(name, imageScale)), device);
    if (larger.valid()) return larger;
  }
  return DecodeImageFile(PathOf(name), device);
}

void ImageCache::ChangeFolder(std::wstring skinFolder) {
  folder_ = std::move(skinFolder);
  logicalSizes_.clear();
  DropDecoded();
}

std::wstring ImageCache::PathOf(std::string_view name) const {
  // Names are ASCII and begin with "/": appended as they are (a rooted name would replace the folder in
  // a path join).
  return folder_ + std::wstring(name.begin(), name.end());
}

std::size_t ImageCache::bytesHeld() const {
  std::size_t total = 0;
  for (const auto& [name, image] : images_) total += image.bytes();
  for (const auto& [key, image] : scaled_) total += image.bytes();
  return total;
}

std::size_t ImageCache::imagesHeld() const {
  std::size_t count = 0;
  for (const auto& [name, image] : images_) count += image.valid() ? 1 : 0;
  for (const auto& [key, image] : scaled_) count += image.valid() ? 1 : 0;
  return count;
}

}  // namespace quendar::win32
