#include "win32/assignment/key_capture_hook.h"

namespace quendar::win32 {

namespace {

// The hook procedure receives no context of its own; the window it reports to is kept per thread, and the
// hook exists only on that thread.
struct Target {
  HWND window = nullptr;
  UINT message = 0;
};
thread_local Target tTarget;

}  // namespace

std::unique_ptr<KeyCaptureHook> KeyCaptureHook::Install(HWND target, UINT message, DWORD& error) {
  if (tTarget.window != nullptr) {
    error = ERROR_ALREADY_EXISTS;
    return nullptr;
  }
  std::unique_ptr<KeyCaptureHook> hook(new KeyCaptureHook());
  hook->hook_ = ::SetWindowsHookExW(WH_KEYBOARD, &KeyCaptureHook::HookProc, nullptr, ::GetCurrentThreadId());
  if (hook->hook_ == nullptr) {
    error = ::GetLastError();
    return nullptr;
  }
  tTarget = {target, message};
  return hook;
}

KeyCaptureHook::~KeyCaptureHook() {
  ::UnhookWindowsHookEx(hook_);
  tTarget = {};
}

LRESULT CALLBACK KeyCaptureHook::HookProc(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && tTarget.window != nullptr) {
    ::SendMessageW(tTarget.window, tTarget.message, wParam, lParam);
  }
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace quendar::win32
