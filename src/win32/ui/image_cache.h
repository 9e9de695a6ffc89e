#pragma once
// The skin's images, each decoded once (GDI+) into a premultiplied 32-bit DIB section and kept until the
// skin changes. A file that does not load is remembered as missing, so it is not looked for on every paint.
#include <windows.h>

#include <cstddef>
#include <map>
#include <string>
#include <string_view>

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

  // Drops every image (the next Find decodes from the new folder).
  void ChangeFolder(std::wstring skinFolder);
  // Frees every decoded image; the next Find decodes again (what a hidden window gives back).
  void DropDecoded() { images_.clear(); }
  const std::wstring& folder() const { return folder_; }

  std::wstring PathOf(std::string_view name) const;

  // Figures for tests and benchmarks.
  std::size_t decodes() const { return decodes_; }
  std::size_t bytesHeld() const;
  std::size_t imagesHeld() const;

 private:
  std::wstring folder_;
  std::map<std::string, Dib32, std::less<>> images_;  // an invalid Dib32 marks a missing file
  std::size_t decodes_ = 0;
};

// Decodes a PNG (or any format GDI+ reads) into premultiplied pixels. Invalid when it does not load.
Dib32 DecodeImageFile(const std::wstring& path);

}  // namespace quendar::win32
