#pragma once
// Plain (non-dialog) windows: children of a window (the scroll thumb, list hosts) and popups (lists that
// float over the main window). A class lists its handlers once, like the dialogs:
//
//   class ListHost : public MessageTableWindow<ListHost> {
//    public:
//     static std::span<const MessageEntry<ListHost>> Messages();
//     static std::span<const NotificationEntry<ListHost>> Notifications();   // optional
//   };
//   host.CreateChild(parent, {10, 10, 200, 120}, kListHostId);
//
// The window is destroyed with its object at the latest.
#include <windows.h>

#include <optional>
#include <span>

#include "core/ui/geometry.h"
#include "win32/framework/command_routing.h"
#include "win32/framework/dialog_window.h"

namespace quendar::win32 {

class Window {
 public:
  Window() = default;
  virtual ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  // `rect` in the parent's client pixels.
  HWND CreateChild(HWND parent, const ui::Rect& rect, int id, DWORD style = WS_CHILD | WS_VISIBLE, DWORD exStyle = 0);
  // `rect` in screen pixels; the owner stays above nothing and below the popup.
  HWND CreatePopup(HWND owner, const ui::Rect& rect, DWORD style = WS_POPUP | WS_VISIBLE,
                   DWORD exStyle = WS_EX_TOOLWINDOW, const wchar_t* title = L"");
  void Destroy();

  HWND hwnd() const { return hwnd_; }

 protected:
  // A handler's answer, or nullopt for the default window procedure.
  virtual MessageResult OnMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;

 private:
  HWND Create(HWND parent, const ui::Rect& rect, DWORD style, DWORD exStyle, const wchar_t* title, HMENU idOrMenu);
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

  HWND hwnd_ = nullptr;
};

template <class Derived>
class MessageTableWindow : public Window {
 protected:
  MessageResult OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    return DispatchMessageTable(*static_cast<Derived*>(this), message, wParam, lParam);
  }
};

}  // namespace quendar::win32
