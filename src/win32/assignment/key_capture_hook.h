#pragma once
// The keyboard hook of the key capture dialogs: a hook on the dialog thread that reports every key-down
// and key-up to the dialog (the keystroke flags travel in the message's LPARAM) and then passes the key
// on untouched, so the dialog sees Enter, Escape and the Windows keys before anything else acts on them.
#include <windows.h>

#include <memory>

namespace quendar::win32 {

class KeyCaptureHook {
 public:
  // Installs the hook for the calling thread; nullptr with `error` set when the platform refuses. One
  // capture at a time per thread: a second hook on the same thread is refused with ERROR_ALREADY_EXISTS.
  static std::unique_ptr<KeyCaptureHook> Install(HWND target, UINT message, DWORD& error);
  ~KeyCaptureHook();
  KeyCaptureHook(const KeyCaptureHook&) = delete;
  KeyCaptureHook& operator=(const KeyCaptureHook&) = delete;

 private:
  KeyCaptureHook() = default;
  static LRESULT CALLBACK HookProc(int code, WPARAM wParam, LPARAM lParam);

  HHOOK hook_ = nullptr;
};

}  // namespace quendar::win32
