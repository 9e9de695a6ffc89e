#pragma once
// Lets the reader thread deliver its synchronous notices to the main window until the window goes,
// and lets the dialog thread wait until no notice is in flight before it stops the reader: a reader
// blocked in a send to a thread that waits for the reader would never return.
#include <windows.h>

#include <atomic>

namespace quendar::win32 {

class NoticeGate {
 public:
  // Any thread. Sends `message` to `window` and waits for its handling, unless the gate is closed.
  void Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    inFlight_.fetch_add(1);
    if (open_.load()) ::SendMessageW(window, message, wParam, lParam);
    inFlight_.fetch_sub(1);
  }

  // The window's thread: no notice starts after this returns, and none is still being sent.
  void CloseAndDrain() {
    open_.store(false);
    while (inFlight_.load() > 0) {
      // Handles messages sent to this thread (a notice still in flight) without touching others.
      MSG message;
      ::PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
      ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_SENDMESSAGE);
    }
  }

 private:
  std::atomic<bool> open_{true};
  std::atomic<int> inFlight_{0};
};

}  // namespace quendar::win32
