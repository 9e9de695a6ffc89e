#include "win32/macros/recording_hook.h"

#include <cwchar>
#include <string>

#include "core/keys/scan_code_names.h"

namespace quendar::win32 {
namespace {

std::wstring KeystrokeName(WPARAM virtualKey, LPARAM flags) {
  const auto scan = keys::ScanCodeFromKeystrokeFlags(static_cast<std::uint32_t>(flags));
  if (const std::wstring_view name = keys::KeyNameForScanCode(scan); !name.empty()) return std::wstring(name);
  wchar_t buffer[32]{};
  if (::GetKeyNameTextW(static_cast<LONG>(flags), buffer, 32) > 0) return buffer;
  std::swprintf(buffer, 32, L"virtual-key code :%x", static_cast<unsigned>(virtualKey));
  return buffer;
}

}  // namespace

void ThreadKeyboardHook::OnKeystroke(WPARAM virtualKey, LPARAM flags) {
  const auto bits = static_cast<std::uint32_t>(flags);
  const macros::Keystroke keystroke{KeystrokeName(virtualKey, flags), (bits & 0x80000000u) != 0,
                                    (bits & 0x40000000u) != 0};
  if (const auto kind = recorder_.Report(keystroke)) {
    ::SendMessageW(target_, kKeyEventMessage, static_cast<WPARAM>(*kind), 0);
  }
}

}  // namespace quendar::win32
