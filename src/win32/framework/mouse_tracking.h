#pragma once
// Hover and leave notices for a window: asked for once when the pointer comes in, asked again after each
// leave. WM_MOUSEHOVER is one-shot; call RequestHover again to have another.
#include <windows.h>

namespace quendar::win32 {

class MouseTracking {
 public:
  // On WM_MOUSEMOVE. True when the pointer has just come in (the notices were asked for now).
  bool OnMouseMove(HWND window, DWORD hoverMilliseconds = HOVER_DEFAULT) {
    if (tracking_) return false;
    TRACKMOUSEEVENT track{sizeof(track), TME_HOVER | TME_LEAVE, window, hoverMilliseconds};
    tracking_ = ::TrackMouseEvent(&track) != FALSE;
    return tracking_;
  }
  static void RequestHover(HWND window, DWORD hoverMilliseconds = HOVER_DEFAULT) {
    TRACKMOUSEEVENT track{sizeof(track), TME_HOVER, window, hoverMilliseconds};
    ::TrackMouseEvent(&track);
  }
  // On WM_MOUSELEAVE.
  void OnLeave() { tracking_ = false; }
  bool tracking() const { return tracking_; }

 private:
  bool tracking_ = false;
};

}  // namespace quendar::win32
