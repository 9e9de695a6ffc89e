#pragma once
// Shared by the drawing tests under Wine: the bundled skin, a reference composition of skin images made
// independently of the painter, and the message boxes a thread shows.
#include <windows.h>
#include <gdiplus.h>

#include <cstdint>
#include <string>
#include <vector>

#include "core/ui/draw/draw_list.h"
#include "core/ui/skin_manifest.h"

namespace quendar::test {

inline std::wstring SkinFolderForTests() {
  const std::string folder = std::string(QUENDAR_RUNTIME_DIR) + "/Skins/" + std::string(ui::skin::kSkinFolder);
  return {folder.begin(), folder.end()};
}

// A 0xAARRGGBB canvas the size of a window, black and transparent to begin with.
struct Canvas {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;
  Canvas(int w, int h) : width(w), height(h), pixels(static_cast<std::size_t>(w) * h, 0) {}
};

// Blends the file at `at` as the platform's per-pixel alpha blend does: premultiplied source over the
// canvas, only inside `clip`. False when the file does not load.
bool ComposeReference(Canvas& canvas, const std::wstring& file, int atX, int atY, const ui::Rect& clip);

// The largest difference of any colour channel between the canvas and 32-bit pixels read back.
int LargestChannelDifference(const Canvas& expected, const std::uint32_t* actual);

// The message boxes the thread shows, with their texts.
struct ShownBox {
  HWND window;
  std::wstring caption;
  std::wstring text;
};
std::vector<ShownBox> MessageBoxesOf(DWORD threadId);

}  // namespace quendar::test
