#pragma once
// Drawing one skin image at a point. Quietly: a missing image leaves its area as it was. Loudly (the
// dialogs): the window is also told, by a posted message, to show "LoadPng---Load image failed." - once
// per missing image and window, and never from inside the paint that found it missing.
#include <windows.h>

#include <string_view>

#include "core/ui/draw/missing_images.h"
#include "win32/ui/image_cache.h"
#include "win32/ui/painter.h"

namespace quendar::win32 {

// Posted to the window; the window shows the message box when it handles it.
inline constexpr UINT kLoadImageFailedMessage = WM_APP + 0x3A1;

bool LoadPngQuiet(ImageCache& images, HDC dc, std::string_view name, int x, int y);
bool LoadPng(HWND window, ui::MissingImageNotices& notices, ImageCache& images, HDC dc, std::string_view name,
             int x, int y);

// Posts the message for each image of a paint the window has not reported before.
void ReportMissingImages(HWND window, ui::MissingImageNotices& notices, const PaintOutcome& outcome);

// The handler's part: the box itself, owned by the window.
void ShowLoadImageFailed(HWND window);

}  // namespace quendar::win32
