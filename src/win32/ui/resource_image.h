#pragma once
// An image carried as a resource of a module (the scroll thumb: PNG resource 184), decoded with GDI+ from a
// stream over a movable memory block that holds a copy of the resource's bytes.
#include <windows.h>
#include <gdiplus.h>

#include <memory>
#include <optional>
#include <vector>

#include "core/ui/draw/pixels.h"
#include "core/ui/geometry.h"
#include "win32/framework/unique_handle.h"

namespace quendar::win32 {

// Which step failed and the platform's error for it.
struct ImageLoadError {
  const char* operation = "";
  DWORD error = 0;
};

class ResourceImage {
 public:
  // Needs a running GDI+. Releases what it held before; on failure it holds nothing.
  std::optional<ImageLoadError> Load(HMODULE module, int id, const wchar_t* type);

  bool loaded() const { return bitmap_ != nullptr; }
  Gdiplus::Bitmap* bitmap() const { return bitmap_.get(); }
  // The pixels with straight alpha, rows top-down (empty when nothing is loaded).
  std::vector<ui::Argb> Pixels(ui::Size& size) const;

 private:
  void Release();

  UniqueGlobalMemory block_;
  std::unique_ptr<Gdiplus::Bitmap> bitmap_;  // reads from block_: declared after it, released before it
};

}  // namespace quendar::win32
