#include "win32/framework/keyboard_hook.h"

namespace quendar::win32 {

namespace {

// The installed hook of this thread; it lives exactly as long as the hook is installed.
thread_local KeyboardHook* tInstalled = nullptr;

}  // namespace

std::optional<DWORD> KeyboardHook::Install() {
  if (installed()) return std::nullopt;
  if (tInstalled != nullptr) return ERROR_ALREADY_EXISTS;
  hook_ = ::SetWindowsHookExW(WH_KEYBOARD, &KeyboardHook::HookProc, nullptr, ::GetCurrentThreadId());
  if (hook_ == nullptr) return ::GetLastError();
  tInstalled = this;
  return std::nullopt;
}

void KeyboardHook::Remove() {
  if (hook_ == nullptr) return;
  ::UnhookWindowsHookEx(hook_);
  hook_ = nullptr;
  if (tInstalled == this) tInstalled = nullptr;
}

LRESULT CALLBACK KeyboardHook::HookProc(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && tInstalled != nullptr) tInstalled->handler_(wParam, lParam);
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace quendar::win32
