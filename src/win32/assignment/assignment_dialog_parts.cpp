#include "win32/assignment/assignment_dialog_parts.h"

#include <string>

#include "core/ui/assignment/assignment_menus.h"
#include "core/ui/assignment/capture_dialogs.h"

namespace quendar::win32 {

namespace ua = ui::assignment;

void ShowRefusal(HWND owner, std::wstring_view text) {
  ::MessageBoxW(owner, std::wstring(text).c_str(), std::wstring(ua::kWarningCaption).c_str(), MB_OK | MB_ICONWARNING);
}

std::unique_ptr<KeyboardHook> InstallCaptureHook(HWND dialog, UINT keyMessage) {
  auto hook = std::make_unique<KeyboardHook>(
      [dialog, keyMessage](WPARAM key, LPARAM flags) { ::SendMessageW(dialog, keyMessage, key, flags); });
  if (const std::optional<DWORD> error = hook->Install()) {
    ::PostMessageW(dialog, kHookFailedMessage, *error, 0);
    return nullptr;
  }
  return hook;
}

void ShowHookFailure(HWND dialog, ui::assignment::CaptureDialog which, WPARAM error) {
  ::MessageBoxW(dialog, ui::assignment::HookInstallErrorText(which, static_cast<DWORD>(error)).c_str(), nullptr, MB_OK);
}

}  // namespace quendar::win32
