#include "wine/harness/screen.h"

#include <gdiplus.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

#include "win32/framework/unique_handle.h"

namespace quendar::test {

std::vector<std::uint32_t> ScreenPixels(HWND window, const ui::Rect& rect) {
  POINT origin{rect.left, rect.top};
  ::ClientToScreen(window, &origin);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), rect.Width(), -rect.Height(), 1, 32, BI_RGB};
  void* bits = nullptr;
  win32::WindowDc screen(nullptr);
  win32::UniqueMemoryDc memory(::CreateCompatibleDC(screen.get()));
  win32::UniqueBitmap bitmap(::CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  {
    win32::ScopedSelectObject select(memory.get(), bitmap.get());
    ::BitBlt(memory.get(), 0, 0, rect.Width(), rect.Height(), screen.get(), origin.x, origin.y, SRCCOPY);
  }
  ::GdiFlush();
  const auto* first = static_cast<const std::uint32_t*>(bits);
  std::vector<std::uint32_t> pixels(first, first + static_cast<std::size_t>(rect.Width()) * rect.Height());
  for (std::uint32_t& p : pixels) p &= 0xFFFFFF;
  return pixels;
}

bool ComposeReference(Canvas& canvas, const std::wstring& file, ui::Point at, const ui::Rect& clip) {
  std::unique_ptr<Gdiplus::Bitmap> image(Gdiplus::Bitmap::FromFile(file.c_str(), FALSE));
  if (!image || image->GetLastStatus() != Gdiplus::Ok) return false;
  const int width = static_cast<int>(image->GetWidth());
  const int height = static_cast<int>(image->GetHeight());
  Gdiplus::Rect whole(0, 0, width, height);
  Gdiplus::BitmapData data{};
  if (image->LockBits(&whole, Gdiplus::ImageLockModeRead, PixelFormat32bppARGB, &data) != Gdiplus::Ok) return false;
  const ui::Rect inside{std::max(clip.left, 0), std::max(clip.top, 0), std::min(clip.right, canvas.width),
                        std::min(clip.bottom, canvas.height)};
  for (int y = 0; y < height; ++y) {
    const auto* row = reinterpret_cast<const std::uint32_t*>(static_cast<const std::uint8_t*>(data.Scan0) + y * data.Stride);
    for (int x = 0; x < width; ++x) {
      if (!inside.Contains({at.x + x, at.y + y})) continue;
      const std::uint32_t source = row[x];
      const unsigned alpha = source >> 24;
      std::uint32_t& target = canvas.pixels[static_cast<std::size_t>(at.y + y) * canvas.width + at.x + x];
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

}  // namespace quendar::test
