#include "win32/macros/recording_hook.h"

#include <cwchar>
#include <string>

#include "core/keys/scan_code_names.h"

namespace quendar::win32 {
namespace {

// A thread hook procedure gets no context of its own. One hook at a time per thread; the pointer lives
// exactly as long as the hook is installed.
thread_local ThreadKeyboardHook* tInstalledHook = nullptr;

std::wstring KeystrokeName(WPARAM virtualKey, LPARAM flags) {
  const auto scan = keys::ScanCodeFromKeystrokeFlags(static_cast<std::uint32_t>(flags));
  if (const std::wstring_view name = keys::KeyNameForScanCode(scan); !name.empty()) return std::wstring(name);
  wchar_t buffer[32]{};
  if (::GetKeyNameTextW(static_cast<LONG>(flags), buffer, 32) > 0) return buffer;
  std::swprintf(buffer, 32, L"virtual-key code :%x", static_cast<unsigned>(virtualKey));
  return buffer;
}

}  // namespace

std::optional<std::uint32_t> ThreadKeyboardHook::Install() {
  Remove();
  hook_ = ::SetWindowsHookExW(WH_KEYBOARD, &HookProc, nullptr, ::GetCurrentThreadId());
  if (hook_ == nullptr) return ::GetLastError();
  tInstalledHook = this;
  return std::nullopt;
}

void ThreadKeyboardHook::Remove() {
  if (hook_ == nullptr) return;
  ::UnhookWindowsHookEx(hook_);
  hook_ = nullptr;
  if (tInstalledHook == this) tInstalledHook = nullptr;
}

LRESULT CALLBACK ThreadKeyboardHook::HookProc(int code, WPARAM wParam, LPARAM lParam) {
  ThreadKeyboardHook* self = tInstalledHook;
  if (code != HC_ACTION || self == nullptr) return ::CallNextHookEx(nullptr, code, wParam, lParam);
  return self->OnKeystroke(wParam, lParam);
}

LRESULT ThreadKeyboardHook::OnKeystroke(WPARAM virtualKey, LPARAM flags) {
  const auto bits = static_cast<std::uint32_t>(flags);
  const macros::Keystroke keystroke{KeystrokeName(virtualKey, flags), (bits & 0x80000000u) != 0,
                                    (bits & 0x40000000u) != 0};
  if (const auto kind = recorder_.Report(keystroke)) {
    ::SendMessageW(target_, kKeyEventMessage, static_cast<WPARAM>(*kind), 0);
  }
  // The keystroke still reaches the program's windows.
  return 0;
}

}  // namespace quendar::win32
