#pragma once
// Real keystrokes and clicks through SendInput: they queue behind each other as a user's would, so a click
// sent after some keys is handled after them.
#include <windows.h>

#include "wine/wine_test_support.h"

namespace quendar::test {

inline void PressKey(WORD vk, WORD scan, bool extended = false) {
  INPUT input[2]{};
  for (int i = 0; i < 2; ++i) {
    input[i].type = INPUT_KEYBOARD;
    input[i].ki.wVk = vk;
    input[i].ki.wScan = scan;
    input[i].ki.dwFlags = (extended ? KEYEVENTF_EXTENDEDKEY : 0) | (i == 1 ? KEYEVENTF_KEYUP : 0);
  }
  ::SendInput(2, input, sizeof(INPUT));
}

// Moves the pointer to a client point of `window`, then presses and releases the left button there if
// `click` is set.
inline void PointAt(HWND window, int x, int y, bool click = false) {
  POINT at{x, y};
  ::ClientToScreen(window, &at);
  const int width = ::GetSystemMetrics(SM_CXSCREEN), height = ::GetSystemMetrics(SM_CYSCREEN);
  INPUT input[3]{};
  const DWORD flags[3] = {0, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP};
  for (int i = 0; i < 3; ++i) {
    input[i].type = INPUT_MOUSE;
    input[i].mi.dx = at.x * 65535 / (width - 1);
    input[i].mi.dy = at.y * 65535 / (height - 1);
    input[i].mi.dwFlags = flags[i] | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  }
  ::SendInput(click ? 3 : 1, input, sizeof(INPUT));
}

inline void ClickAt(HWND window, int x, int y) { PointAt(window, x, y, true); }

// Two presses at one client point in quick succession: a window whose class takes double clicks gets
// the second as a double-click message.
inline void DoubleClickAt(HWND window, int x, int y) {
  POINT at{x, y};
  ::ClientToScreen(window, &at);
  const int width = ::GetSystemMetrics(SM_CXSCREEN), height = ::GetSystemMetrics(SM_CYSCREEN);
  INPUT input[4]{};
  const DWORD flags[4] = {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP};
  for (int i = 0; i < 4; ++i) {
    input[i].type = INPUT_MOUSE;
    input[i].mi.dx = at.x * 65535 / (width - 1);
    input[i].mi.dy = at.y * 65535 / (height - 1);
    input[i].mi.dwFlags = flags[i] | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  }
  ::SendInput(4, input, sizeof(INPUT));
}

// The list box inside the popup list whose host window has `id` among `parent`'s children.
inline HWND PopupList(HWND parent, int id) {
  HWND host = ::GetDlgItem(parent, id);
  return host ? ::GetWindow(host, GW_CHILD) : nullptr;
}

// The middle of entry `item` of a list box, in its client pixels.
inline POINT ListEntry(HWND list, int item) {
  const auto height = static_cast<int>(::SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
  RECT client{};
  ::GetClientRect(list, &client);
  return {client.right / 2, item * height + height / 2};
}

inline HWND WaitForPopupList(HWND parent, int id) {
  HWND list = nullptr;
  WaitFor([&] { return (list = PopupList(parent, id)) != nullptr; });
  return list;
}

inline void ClickEntry(HWND list, int item) {
  const POINT entry = ListEntry(list, item);
  ClickAt(list, entry.x, entry.y);
}

// A visible top-level window of process `pid` with the given title.
inline HWND WaitForTopWindow(const wchar_t* title, DWORD pid) {
  HWND found = nullptr;
  WaitFor([&] {
    found = ::FindWindowW(nullptr, title);
    DWORD owner = 0;
    if (found) ::GetWindowThreadProcessId(found, &owner);
    return found != nullptr && owner == pid && ::IsWindowVisible(found);
  });
  return found;
}

}  // namespace quendar::test
