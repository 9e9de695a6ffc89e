#pragma once
// Input as a user gives it. Real input (SendInput) queues behind earlier real input and goes to whatever
// window is under the pointer when it is handled; posted input goes to the window named, ahead of any real
// input still queued. A test that mixes them waits for the real input's effect before posting.
#include <windows.h>

#include <cstdint>
#include <cwchar>
#include <functional>
#include <string>
#include <vector>

#include "core/ui/geometry.h"
#include "wine/harness/program.h"

namespace quendar::test {

inline POINT Centre(const ui::Rect& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

// A real keystroke: down, up, or both. The scan code is the layout's unless given.
inline void SendKey(WORD vk, bool down, bool up, WORD scan = 0, bool extended = false) {
  INPUT input[2]{};
  int count = 0;
  for (const bool release : {false, true}) {
    if (release ? !up : !down) continue;
    INPUT& key = input[count++];
    key.type = INPUT_KEYBOARD;
    key.ki.wVk = vk;
    key.ki.wScan = scan != 0 ? scan : static_cast<WORD>(::MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
    key.ki.dwFlags = (extended ? KEYEVENTF_EXTENDEDKEY : 0) | (release ? KEYEVENTF_KEYUP : 0);
  }
  ::SendInput(count, input, sizeof(INPUT));
}
inline void PressKey(WORD vk, WORD scan = 0, bool extended = false) { SendKey(vk, true, true, scan, extended); }

// Real pointer input: a move to a screen point, with a button change if `button` names one.
inline INPUT PointerInput(POINT screen, DWORD button = 0) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = screen.x * 65535 / (::GetSystemMetrics(SM_CXSCREEN) - 1);
  input.mi.dy = screen.y * 65535 / (::GetSystemMetrics(SM_CYSCREEN) - 1);
  input.mi.dwFlags = button | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  return input;
}
inline void SendPointerAt(POINT screen, DWORD button = 0) {
  INPUT input = PointerInput(screen, button);
  ::SendInput(1, &input, sizeof(INPUT));
}

// The real pointer moved to a client point of `window`, then `clicks` presses and releases of the left
// button there (two in a row make a double click for a class that takes them).
inline void SendPointer(HWND window, POINT at, int clicks) {
  ::ClientToScreen(window, &at);
  std::vector<INPUT> input{PointerInput(at)};
  for (int i = 0; i < clicks; ++i) {
    input.push_back(PointerInput(at, MOUSEEVENTF_LEFTDOWN));
    input.push_back(PointerInput(at, MOUSEEVENTF_LEFTUP));
  }
  ::SendInput(static_cast<UINT>(input.size()), input.data(), sizeof(INPUT));
}
inline void PointAt(HWND window, int x, int y) { SendPointer(window, {x, y}, 0); }
// The pointer held over a client point of `window` until `happened` holds, moving within a pixel there as a
// hand does: under Wine and Xvfb a single injected move is now and then lost, and a real pointer never
// sends just one.
inline bool HoverUntil(HWND window, POINT at, const std::function<bool()>& happened) {
  int moves = 0;
  return WaitFor([&] {
    PointAt(window, at.x + moves++ % 2, at.y);
    return happened();
  });
}
inline void ClickAt(HWND window, int x, int y) { SendPointer(window, {x, y}, 1); }
inline void DoubleClickAt(HWND window, POINT at) { SendPointer(window, at, 2); }

// A press and release posted to a window at a client point.
inline void PostClick(HWND window, POINT at, bool right = false) {
  const LPARAM where = MAKELPARAM(at.x, at.y);
  ::PostMessageW(window, right ? WM_RBUTTONDOWN : WM_LBUTTONDOWN, right ? MK_RBUTTON : MK_LBUTTON, where);
  ::PostMessageW(window, right ? WM_RBUTTONUP : WM_LBUTTONUP, 0, where);
}
inline void PostClick(HWND window, const ui::Rect& rect) { PostClick(window, Centre(rect)); }
inline void PostKey(HWND window, WPARAM key) {
  ::PostMessageW(window, WM_KEYDOWN, key, 1);
  ::PostMessageW(window, WM_KEYUP, key, 0xC0000001);
}

// The list box inside the popup list whose host window has `id` among `parent`'s children.
inline HWND PopupList(HWND parent, int id) {
  HWND host = ::GetDlgItem(parent, id);
  return host ? ::GetWindow(host, GW_CHILD) : nullptr;
}
inline HWND WaitForPopupList(HWND parent, int id) {
  HWND list = nullptr;
  WaitFor([&] { return (list = PopupList(parent, id)) != nullptr; });
  return list;
}

// The middle of entry `item` of a list box scrolled to its top, in its client pixels (asked without
// pointers, so another process's list answers too).
inline POINT ListEntry(HWND list, int item) {
  const auto height = static_cast<int>(::SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
  RECT client{};
  ::GetClientRect(list, &client);
  return {client.right / 2, item * height + height / 2};
}
inline void ClickEntry(HWND list, int item) {
  const POINT entry = ListEntry(list, item);
  ClickAt(list, entry.x, entry.y);
}

// Bytes as the simulated mouse's window shows them: "0A 1B ...".
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
