#pragma once
// What the screen shows, read back from it (the platform's capture of a window drawn with GDI+ comes back
// black), and what the skin's images composed by hand should look like there.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "core/ui/geometry.h"

namespace quendar::test {

// The pixels of a client rectangle of `window` as the screen shows them, 0x00RRGGBB top-down.
std::vector<std::uint32_t> ScreenPixels(HWND window, const ui::Rect& rect);

// A 0x00RRGGBB canvas, black to begin with.
struct Canvas {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;
  Canvas(int w, int h) : width(w), height(h), pixels(static_cast<std::size_t>(w) * h, 0) {}
};

// Blends the PNG `file` at `at` as the platform's per-pixel alpha blend does: premultiplied source over
// the canvas, only inside `clip`. False when the file does not load. Needs a running GDI+.
bool ComposeReference(Canvas& canvas, const std::wstring& file, ui::Point at, const ui::Rect& clip);

// The largest difference of any colour channel between the canvas and pixels read back.
int LargestChannelDifference(const Canvas& expected, const std::uint32_t* actual);

}  // namespace quendar::test
