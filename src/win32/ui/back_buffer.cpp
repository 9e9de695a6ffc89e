#include "win32/ui/back_buffer.h"

namespace quendar::win32 {

BackBuffer::BackBuffer(HDC target, ui::Rect area) : target_(target), area_(area) {
  if (area.Empty() || ::GetDeviceCaps(target, TECHNOLOGY) == DT_RASPRINTER) return;
  UniqueMemoryDc memory(::CreateCompatibleDC(target));
  if (!memory) return;
  UniqueBitmap bitmap(::CreateCompatibleBitmap(target, area.Width(), area.Height()));
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
