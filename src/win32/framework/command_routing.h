#pragma once
// WM_COMMAND by control id and notification code. Menu items, accelerators and push buttons arrive as
// commands (codes 0 and 1); list boxes and edit boxes send notifications (LBN_SELCHANGE, EN_KILLFOCUS, ...)
// under their own id, which a command handler of the same id must not take for a click.
#include <windows.h>

#include <optional>
#include <span>

namespace quendar::win32 {

// A handler's answer: the message's result, or nullopt for the window's default handling.
using MessageResult = std::optional<INT_PTR>;

template <class Derived>
struct MessageEntry {
  UINT message;
  MessageResult (Derived::*handler)(WPARAM wParam, LPARAM lParam);
};

template <class Derived>
struct CommandEntry {
  WORD id;
  void (Derived::*handler)();
};

template <class Derived>
struct NotificationEntry {
  WORD id;
  WORD code;
  void (Derived::*handler)(HWND control);
};

// Calls the matching handler; false when none matches (the caller falls back to its default handling).
template <class Derived>
bool RouteCommand(Derived& self, std::span<const CommandEntry<Derived>> commands,
                  std::span<const NotificationEntry<Derived>> notifications, WPARAM wParam, LPARAM lParam) {
  const WORD id = LOWORD(wParam);
  const WORD code = HIWORD(wParam);
  for (const auto& entry : notifications) {
    if (entry.id == id && entry.code == code) {
      (self.*entry.handler)(reinterpret_cast<HWND>(lParam));
      return true;
    }
  }
  if (code > 1) return false;  // a control's notification, not a command
  for (const auto& entry : commands) {
    if (entry.id == id) {
      (self.*entry.handler)();
      return true;
    }
  }
  return false;
}

// A class's notification table, or none when it declares no Notifications().
template <class Derived>
std::span<const NotificationEntry<Derived>> NotificationsOf() {
  if constexpr (requires { Derived::Notifications(); }) {
    return Derived::Notifications();
  } else {
    return {};
  }
}

template <class Derived>
std::span<const CommandEntry<Derived>> CommandsOf() {
  if constexpr (requires { Derived::Commands(); }) {
    return Derived::Commands();
  } else {
    return {};
  }
}

// One message through a class's tables: WM_COMMAND by id and code first, then Messages().
template <class Derived>
MessageResult DispatchMessageTable(Derived& self, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND && RouteCommand(self, CommandsOf<Derived>(), NotificationsOf<Derived>(), wParam, lParam)) {
    return 0;
  }
  for (const auto& entry : Derived::Messages()) {
    if (entry.message == message) return (self.*entry.handler)(wParam, lParam);
  }
  return std::nullopt;
}

}  // namespace quendar::win32
