#include "win32/ui/image_cache.h"

#include <gdiplus.h>

#include <cstring>
#include <memory>

#include "win32/ui/gdiplus_pixels.h"

namespace quendar::win32 {

Dib32 DecodeImageFile(const std::wstring& path) {
  std::unique_ptr<Gdiplus::Bitmap> image(Gdiplus::Bitmap::FromFile(path.c_str(), FALSE));
  if (!image || image->GetLastStatus() != Gdiplus::Ok) return {};
  return PremultipliedDib(*image);
}

const Dib32* ImageCache::Find(std::string_view name) {
  auto found = images_.find(name);
  if (found == images_.end()) {
    ++decodes_;
    found = images_.emplace(std::string(name), DecodeImageFile(PathOf(name))).first;
  }
  return found->second.valid() ? &found->second : nullptr;
}

void ImageCache::ChangeFolder(std::wstring skinFolder) {
  folder_ = std::move(skinFolder);
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
  return total;
}

std::size_t ImageCache::imagesHeld() const {
  std::size_t count = 0;
  for (const auto& [name, image] : images_) count += image.valid() ? 1 : 0;
  return count;
}

}  // namespace quendar::win32
