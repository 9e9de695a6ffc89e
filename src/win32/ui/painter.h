#pragma once
// Renders a draw list: skin images from the cache with their per-pixel alpha, texts in the window's
// fonts on a transparent background, solid fills and clips, all inside the list's area. The list speaks
// the skin's logical pixels; the painter is where they become the device pixels of the window's scale
// (its fonts must have been made for that scale).
#include <windows.h>

#include <string>
#include <vector>

#include "core/ui/display_scale.h"
#include "core/ui/draw/draw_list.h"
#include "win32/ui/fonts.h"
#include "win32/ui/image_cache.h"

namespace quendar::win32 {

struct PaintOutcome {
  std::vector<std::string> missingImages;  // named by the list, not loadable: their areas stay as they were
};

class Painter {
 public:
  Painter(ImageCache& images, const FontTable& fonts, ui::DisplayScale scale = {})
      : images_(images), fonts_(fonts), scale_(scale) {}

  // One paint: a back buffer over the list's area within the target's clip box, one transfer at the end.
  PaintOutcome Paint(HDC target, const ui::DrawList& list);
  // Draws straight into `dc` (a back buffer of the caller's, a rendering of a control), clipped to the
  // list's area. `dc` is in device pixels.
  PaintOutcome Render(HDC dc, const ui::DrawList& list);

 private:
  // `area` in device pixels.
  PaintOutcome RenderArea(HDC dc, const ui::DrawList& list, ui::Rect area);

  ImageCache& images_;
  const FontTable& fonts_;
  ui::DisplayScale scale_;
};

}  // namespace quendar::win32
