#include "win32/ui/back_buffer.h"

namespace quendar::win32 {

BackBuffer::BackBuffer(HDC target, ui::Rect area) : target_(target), area_(area) {
  if (area.Empty() || ::GetDeviceCaps(target, TECHNOLOGY) == DT_RASPRINTER) return;
  UniqueMemoryDc memory(::CreateCompatibleDC(target));
  if (!memory) return;
  UniqueBitmap bitmap(::CreateCompatibleBitmap(target, area.Width(), area.Height()));
  if (!bitmap) return;
  previous_ = ::SelectObject(memory.get(), bitmap.get());
  ::SetWindowOrgEx(memory.get(), area.left, area.top, nullptr);
  memory_ = std::move(memory);
  bitmap_ = std::move(bitmap);
}

BackBuffer::~BackBuffer() {
  if (!memory_) return;
  ::BitBlt(target_, area_.left, area_.top, area_.Width(), area_.Height(), memory_.get(), area_.left, area_.top,
           SRCCOPY);
  ::SelectObject(memory_.get(), previous_);
}

}  // namespace quendar::win32
