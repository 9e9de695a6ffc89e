#include "win32/assignment/assignment_dialog_parts.h"

#include <string>

#include "core/ui/assignment/assignment_menus.h"
#include "core/ui/assignment/capture_dialogs.h"

namespace quendar::win32 {

namespace ua = ui::assignment;

void ShowRefusal(HWND owner, std::wstring_view text) {
  ::MessageBoxW(owner, std::wstring(text).c_str(), std::wstring(ua::kWarningCaption).c_str(), MB_OK | MB_ICONWARNING);
}

}  // namespace quendar::win32
