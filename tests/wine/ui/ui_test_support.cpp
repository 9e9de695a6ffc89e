#include "wine/ui/ui_test_support.h"

#include <algorithm>
#include <cstdlib>
#include <memory>

namespace quendar::test {

bool ComposeReference(Canvas& canvas, const std::wstring& file, int atX, int atY, const ui::Rect& clip) {
  std::unique_ptr<Gdiplus::Bitmap> image(Gdiplus::Bitmap::FromFile(file.c_str(), FALSE));
  if (!image || image->GetLastStatus() != Gdiplus::Ok) return false;
  const int width = static_cast<int>(image->GetWidth());
  const int height = static_cast<int>(image->GetHeight());
  Gdiplus::Rect whole(0, 0, width, height);
  Gdiplus::BitmapData data{};
  if (image->LockBits(&whole, Gdiplus::ImageLockModeRead, PixelFormat32bppARGB, &data) != Gdiplus::Ok) return false;
  for (int y = 0; y < height; ++y) {
    const int cy = atY + y;
    if (cy < clip.top || cy >= clip.bottom || cy < 0 || cy >= canvas.height) continue;
    const auto* row = reinterpret_cast<const std::uint32_t*>(static_cast<const std::uint8_t*>(data.Scan0) + y * data.Stride);
    for (int x = 0; x < width; ++x) {
      const int cx = atX + x;
      if (cx < clip.left || cx >= clip.right || cx < 0 || cx >= canvas.width) continue;
      const std::uint32_t source = row[x];
      const unsigned alpha = source >> 24;
      std::uint32_t& target = canvas.pixels[static_cast<std::size_t>(cy) * canvas.width + cx];
      std::uint32_t out = 0;
      for (int shift : {0, 8, 16}) {
        const unsigned premultiplied = ((source >> shift) & 0xFF) * alpha / 255;
        const unsigned below = (target >> shift) & 0xFF;
        out |= std::min(255u, premultiplied + (below * (255 - alpha) + 127) / 255) << shift;
      }
      target = out;
    }
  }
  image->UnlockBits(&data);
  return true;
}

int LargestChannelDifference(const Canvas& expected, const std::uint32_t* actual) {
  int largest = 0;
  for (std::size_t i = 0; i < expected.pixels.size(); ++i) {
    for (int shift : {0, 8, 16}) {
      const int a = static_cast<int>((expected.pixels[i] >> shift) & 0xFF);
      const int b = static_cast<int>((actual[i] >> shift) & 0xFF);
      largest = std::max(largest, std::abs(a - b));
    }
  }
  return largest;
}

namespace {
BOOL CALLBACK CollectBox(HWND window, LPARAM lParam) {
  wchar_t className[64] = {};
  ::GetClassNameW(window, className, 64);
  // Dialogs share the class; a message box is the one with a text control.
  if (std::wstring(className) != L"#32770" || !::IsWindowVisible(window) || ::GetDlgItem(window, 0xFFFF) == nullptr) {
    return TRUE;
  }
  ShownBox box{window, {}, {}};
  wchar_t text[512] = {};
  ::GetWindowTextW(window, text, 512);
  box.caption = text;
  // The box's text is its static control (id 0xFFFF).
  text[0] = 0;
  ::GetDlgItemTextW(window, 0xFFFF, text, 512);
  box.text = text;
  reinterpret_cast<std::vector<ShownBox>*>(lParam)->push_back(box);
  return TRUE;
}
}  // namespace

std::vector<ShownBox> MessageBoxesOf(DWORD threadId) {
  std::vector<ShownBox> boxes;
  ::EnumThreadWindows(threadId, &CollectBox, reinterpret_cast<LPARAM>(&boxes));
  return boxes;
}

}  // namespace quendar::test
