#include "win32/ui/back_buffer.h"

namespace quendar::win32 {

namespace {

// A 32-bit DIB section rather than a compatible bitmap: its pixels are the process's own pages, given
// back to the system when the frame is done. A compatible bitmap of the window's size can leave its
// pages behind in the platform's allocator (Wine keeps them in its native heap), a full window's worth
// for as long as the program runs, hidden or not.
HBITMAP CreateFrameBitmap(const ui::Rect& area) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = area.Width();
  info.bmiHeader.biHeight = -area.Height();
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  return ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
}

}  // namespace

BackBuffer::BackBuffer(HDC target, ui::Rect area) : target_(target), area_(area) {
  if (area.Empty() || ::GetDeviceCaps(target, TECHNOLOGY) == DT_RASPRINTER) return;
  UniqueMemoryDc memory(::CreateCompatibleDC(target));
  if (!memory) return;
  UniqueBitmap bitmap(CreateFrameBitmap(area));
  if (!bitmap) return;
  memory_ = std::move(memory);
  bitmap_ = std::move(bitmap);
  selection_.emplace(memory_.get(), bitmap_.get());
  ::SetWindowOrgEx(memory_.get(), area.left, area.top, nullptr);
}

BackBuffer::~BackBuffer() {
  if (!memory_) return;
  ::BitBlt(target_, area_.left, area_.top, area_.Width(), area_.Height(), memory_.get(), area_.left, area_.top,
           SRCCOPY);
}

}  // namespace quendar::win32
