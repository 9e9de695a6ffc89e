#pragma once
// One off-screen buffer per paint: drawing goes to a memory context over `area` (in the target's
// coordinates) and reaches the target in one block transfer when the buffer goes, so the screen never
// shows a half-drawn frame. On a printer, or when the platform refuses the buffer, drawing goes to the
// target directly.
#include <windows.h>

#include <optional>

#include "core/ui/geometry.h"
#include "win32/framework/unique_handle.h"

namespace quendar::win32 {

class BackBuffer {
 public:
  BackBuffer(HDC target, ui::Rect area);
  ~BackBuffer();
  BackBuffer(const BackBuffer&) = delete;
  BackBuffer& operator=(const BackBuffer&) = delete;

  // Draws in the target's coordinates.
  HDC dc() const { return memory_ ? memory_.get() : target_; }
  bool buffered() const { return memory_.valid(); }

 private:
  HDC target_;
  ui::Rect area_;
  // Declared in the order they are made: the selection is undone before the bitmap and the context go.
  UniqueMemoryDc memory_;
  UniqueBitmap bitmap_;
  std::optional<ScopedSelectObject> selection_;
};

}  // namespace quendar::win32
