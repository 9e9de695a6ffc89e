#pragma once
// A keyboard hook on the calling thread: every keystroke the thread's windows are about to get is shown to
// the handler first (virtual key, keystroke flags) and then goes on as usual. The key capture dialogs and
// a macro recording use it; one hook per thread at a time, since the hook procedure has no context of its
// own but the thread.
#include <windows.h>

#include <functional>
#include <optional>

namespace quendar::win32 {

class KeyboardHook {
 public:
  using Handler = std::function<void(WPARAM virtualKey, LPARAM flags)>;

  explicit KeyboardHook(Handler handler) : handler_(std::move(handler)) {}
  ~KeyboardHook() { Remove(); }
  KeyboardHook(const KeyboardHook&) = delete;
  KeyboardHook& operator=(const KeyboardHook&) = delete;

  // Nothing on success, or the platform's error (ERROR_ALREADY_EXISTS: the thread has another hook).
  // Installing an installed hook keeps it.
  std::optional<DWORD> Install();
  void Remove();
  bool installed() const { return hook_ != nullptr; }

 private:
  static LRESULT CALLBACK HookProc(int code, WPARAM wParam, LPARAM lParam);

  Handler handler_;
  HHOOK hook_ = nullptr;
};

}  // namespace quendar::win32
