#pragma once
// The skin's images, each decoded once (GDI+) into a premultiplied 32-bit DIB section and kept until the
// skin changes. A file that does not load is remembered as missing, so it is not looked for on every paint.
//
// Above 100 % an image is drawn from the skin's "@2x" file when it has one (the 1x file otherwise),
// resampled once to the exact device pixels its place covers and kept at that size: nothing is scaled
// per paint, and at 100 % only the 1x files are ever decoded.
#include <windows.h>

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "core/ui/display_scale.h"
#include "core/ui/geometry.h"
#include "win32/ui/dib.h"

namespace quendar::win32 {

class ImageCache {
 public:
  // `skinFolder` is the folder the names are appended to ("...\Skins/Default"); names begin with "/".
  explicit ImageCache(std::wstring skinFolder = {}) : folder_(std::move(skinFolder)) {}
  ImageCache(const ImageCache&) = delete;
  ImageCache& operator=(const ImageCache&) = delete;

  // Needs a running GDI+. Null when the image is missing or cannot be decoded.
  const Dib32* Find(std::string_view name);
  // The image as drawn at logical `at` on a monitor of `scale` (its device size depends on the place,
  // so neighbouring images meet without a gap). At 100 % the same as Find.
  const Dib32* FindScaled(std::string_view name, ui::Point at, ui::DisplayScale scale);
  // The image's size in logical pixels, from the 1x file's header (nothing is decoded for it); nullopt
  // when the file is missing or unreadable.
  std::optional<ui::Size> LogicalSize(std::string_view name);

  // Drops every image (the next Find decodes from the new folder).
  void ChangeFolder(std::wstring skinFolder);
  // Frees every decoded image; the next Find decodes again (what a hidden window gives back).
  void DropDecoded() {
    images_.clear();
    scaled_.clear();
  }
  const std::wstring& folder() const { return folder_; }

  std::wstring PathOf(std::string_view name) const;

  // Figures for tests and benchmarks.
  std::size_t decodes() const { return decodes_; }
  std::size_t bytesHeld() const;
  std::size_t imagesHeld() const;

 private:
  std::wstring folder_;
  struct ScaledKey {
    std::string name;
    int width = 0;
    int height = 0;
    friend auto operator<=>(const ScaledKey&, const ScaledKey&) = default;
  };
  Dib32 DecodeScaled(std::string_view name, ui::DisplayScale scale, ui::Size device);

  std::map<std::string, Dib32, std::less<>> images_;  // an invalid Dib32 marks a missing file
  std::map<ScaledKey, Dib32> scaled_;
  std::map<std::string, std::optional<ui::Size>, std::less<>> logicalSizes_;
  std::size_t decodes_ = 0;
};

// Decodes a PNG (or any format GDI+ reads) into premultiplied pixels. Invalid when it does not load.
Dib32 DecodeImageFile(const std::wstring& path);
// The same, resampled with high-quality filtering to `size` when the file has another size.
Dib32 DecodeImageFile(const std::wstring& path, ui::Size size);

}  // namespace quendar::win32
