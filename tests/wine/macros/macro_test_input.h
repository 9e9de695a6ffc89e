#pragma once
// Input for the macro manager's Wine tests: clicks posted at the middle of a dialog rectangle, real
// keystrokes, and bytes written as the simulated mouse's window shows them.
#include <windows.h>

#include <cstdint>
#include <cwchar>
#include <string>
#include <vector>

#include "core/ui/geometry.h"

namespace quendar::test {

inline void Click(HWND window, const ui::Rect& rect) {
  const LPARAM at = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
  ::PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
  ::PostMessageW(window, WM_LBUTTONUP, 0, at);
}

inline void Key(WORD virtualKey, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtualKey;
  input.ki.wScan = static_cast<WORD>(::MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  ::SendInput(1, &input, sizeof(input));
}

inline std::wstring Hex(const std::vector<std::uint8_t>& bytes) {
  std::wstring text;
  for (std::uint8_t b : bytes) {
    wchar_t cell[4];
    std::swprintf(cell, 4, L"%02X", b);
    text += (text.empty() ? L"" : L" ") + std::wstring(cell);
  }
  return text;
}

}  // namespace quendar::test
