#include "win32/assignment/assignment_dialog_parts.h"

#include <string>

#include "core/ui/assignment/assignment_menus.h"
#include "core/ui/assignment/capture_dialogs.h"

namespace quendar::win32 {

namespace ua = ui::assignment;

std::vector<ui::ImageButton> AssignmentDialogButtons(ua::CaptureDialog dialog, ui::LanguageClass language) {
  constexpr const char* kNormal = "/MacroManagement/button-new-normal.png";
  constexpr const char* kOver = "/MacroManagement/button-new-over.png";
  return {
      {IDOK, ua::kOkRect, kNormal, kOver, std::wstring(ua::OkText(dialog, language))},
      {IDCANCEL, ua::kCancelRect, kNormal, kOver, std::wstring(ua::CancelText(language))},
      {kCloseButtonId, ua::kCloseRect, "/button-close-normal.png", "/button-close-over.png", L""},
  };
}

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

}  // namespace quendar::win32
