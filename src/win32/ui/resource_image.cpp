#include "win32/ui/resource_image.h"

#include <objidl.h>

#include <cstring>

#include "win32/ui/gdiplus_pixels.h"

namespace quendar::win32 {

void ResourceImage::Release() {
  bitmap_.reset();
  block_.reset();
}

std::optional<ImageLoadError> ResourceImage::Load(HMODULE module, int id, const wchar_t* type) {
  Release();
  HRSRC info = ::FindResourceW(module, MAKEINTRESOURCEW(id), type);
  if (info == nullptr) return ImageLoadError{"FindResource", ::GetLastError()};
  const DWORD size = ::SizeofResource(module, info);
  HGLOBAL loaded = ::LoadResource(module, info);
  const void* bytes = loaded != nullptr ? ::LockResource(loaded) : nullptr;
  if (size == 0 || bytes == nullptr) return ImageLoadError{"LoadResource", ::GetLastError()};

  UniqueGlobalMemory block(::GlobalAlloc(GMEM_MOVEABLE, size));
  if (!block) return ImageLoadError{"GlobalAlloc", ::GetLastError()};
  void* copy = ::GlobalLock(block.get());
  if (copy == nullptr) return ImageLoadError{"GlobalLock", ::GetLastError()};
  std::memcpy(copy, bytes, size);
  ::GlobalUnlock(block.get());

  IStream* stream = nullptr;
  const HRESULT created = ::CreateStreamOnHGlobal(block.get(), FALSE, &stream);  // the block stays ours
  if (FAILED(created)) return ImageLoadError{"CreateStreamOnHGlobal", static_cast<DWORD>(created)};
  std::unique_ptr<Gdiplus::Bitmap> bitmap(Gdiplus::Bitmap::FromStream(stream));
  stream->Release();  // the bitmap keeps its own reference
  if (!bitmap || bitmap->GetLastStatus() != Gdiplus::Ok) {
    return ImageLoadError{"Bitmap::FromStream", bitmap ? static_cast<DWORD>(bitmap->GetLastStatus()) : 0u};
  }
  block_ = std::move(block);
  bitmap_ = std::move(bitmap);
  return std::nullopt;
}

std::vector<ui::Argb> ResourceImage::Pixels(ui::Size& size) const {
  size = {};
  if (!bitmap_) return {};
  return StraightPixels(*bitmap_, size);
}

}  // namespace quendar::win32
