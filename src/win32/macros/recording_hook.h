#pragma once
// The keyboard hook of a recording: a hook on the user-interface thread that names each keystroke with
// the program's own scan-code names, hands it to the recorder and sends the resulting key event to the
// macro manager (synchronously, so items are appended in keystroke order).
#include <windows.h>

#include "core/macros/recorder.h"
#include "core/ui/macro_manager/macro_manager_model.h"
#include "win32/framework/keyboard_hook.h"

namespace quendar::win32 {

// WM_USER+0x526: wParam 0 press, 1 release (macros::KeyEventKind); lParam unused.
inline constexpr UINT kKeyEventMessage = WM_USER + 0x526;

class ThreadKeyboardHook final : public ui::macro_manager::RecordingHook {
 public:
  ThreadKeyboardHook(macros::MacroRecorder& recorder, HWND target)
      : recorder_(recorder), target_(target), hook_([this](WPARAM key, LPARAM flags) { OnKeystroke(key, flags); }) {}

  std::optional<std::uint32_t> Install() override { return hook_.Install(); }
  void Remove() override { hook_.Remove(); }

 private:
  void OnKeystroke(WPARAM virtualKey, LPARAM flags);

  macros::MacroRecorder& recorder_;
  HWND target_;
  KeyboardHook hook_;
};

}  // namespace quendar::win32
