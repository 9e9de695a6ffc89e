#include "win32/ui/load_png.h"

#include <string>

namespace quendar::win32 {

bool LoadPngQuiet(ImageCache& images, HDC dc, std::string_view name, int x, int y) {
  const Dib32* image = images.Find(name);
  if (image == nullptr) return false;
  UniqueMemoryDc source(::CreateCompatibleDC(dc));
  if (!source) return false;
  ScopedSelectObject select(source.get(), image->handle());
  return BlendImage(dc, source.get(), *image, {x, y}, ui::Rect::At({x, y}, image->size()));
}

bool LoadPng(HWND window, ui::MissingImageNotices& notices, ImageCache& images, HDC dc, std::string_view name,
             int x, int y) {
  if (LoadPngQuiet(images, dc, name, x, y)) return true;
  if (notices.FirstReport(name)) ::PostMessageW(window, kLoadImageFailedMessage, 0, 0);
  return false;
}

void ReportMissingImages(HWND window, ui::MissingImageNotices& notices, const PaintOutcome& outcome) {
  for (const std::string& name : outcome.missingImages) {
    if (notices.FirstReport(name)) ::PostMessageW(window, kLoadImageFailedMessage, 0, 0);
  }
}

void ShowLoadImageFailed(HWND window) {
  const std::wstring text(ui::kLoadImageFailedText);
  ::MessageBoxW(window, text.c_str(), nullptr, MB_OK);
}

}  // namespace quendar::win32
