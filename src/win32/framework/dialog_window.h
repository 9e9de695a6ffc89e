#pragma once
// A dialog window driven by a message table, with a modal loop of our own so that every message passes
// PreTranslateMessage first (used to keep Enter and Escape from reaching skinned windows).
#include <windows.h>

#include <optional>
#include <span>

#include "win32/framework/command_routing.h"

namespace quendar::win32 {


class DialogWindow {
 public:
  DialogWindow() = default;
  virtual ~DialogWindow();
  DialogWindow(const DialogWindow&) = delete;
  DialogWindow& operator=(const DialogWindow&) = delete;

  // Creates the dialog from its template and runs it modally: the owner is disabled and this loop
  // runs until EndModal is called or the window is destroyed. Returns the EndModal result, or -1 when
  // the dialog could not be created.
  INT_PTR RunModal(HINSTANCE instance, int templateId, HWND owner = nullptr);
  INT_PTR RunModal(HINSTANCE instance, const DLGTEMPLATE* dialogTemplate, HWND owner = nullptr);
  // Creates the dialog without a loop of its own (for modeless windows).
  HWND CreateModeless(HINSTANCE instance, int templateId, HWND owner = nullptr);
  HWND CreateModeless(HINSTANCE instance, const DLGTEMPLATE* dialogTemplate, HWND owner = nullptr);
  void EndModal(INT_PTR result);

  HWND hwnd() const { return hwnd_; }
  // Inside RunModal's loop (EndModal ends it); otherwise the window is modeless or gone.
  bool modal() const { return inModalLoop_; }

 protected:
  // The modal loop over an already created dialog: disables the owner until the dialog ends.
  INT_PTR RunLoop(HWND owner);
  // Return true to swallow a message before the dialog manager sees it.
  virtual bool PreTranslateMessage(MSG& message) { return false; }
  virtual MessageResult OnMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;

 private:
  static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  static bool ReturnsResultDirectly(UINT message);
  bool PreTranslateInChildDialog(MSG& message);

  HWND hwnd_ = nullptr;
  bool inModalLoop_ = false;
  INT_PTR modalResult_ = 0;
};

// Enter and Escape never end one of our windows: the dialog manager would turn them into IDOK / IDCANCEL.
// A child that asks for every key (an in-place editor) still gets them. Returns whether `message` was
// such a key for `dialog` or one of its children, and so is taken.
bool KeepEnterAndEscapeFromDialogManager(HWND dialog, MSG& message);

// Handler tables. A dialog class lists its handlers once:
//   std::span<const MessageEntry<MyDlg>> MyDlg::Messages() { static const MessageEntry<MyDlg> t[] = {...}; }
// and, when it has them, Commands() (menu items, buttons) and Notifications() (control id + code).
template <class Derived>
class MessageTableDialog : public DialogWindow {
 protected:
  MessageResult OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    return DispatchMessageTable(*static_cast<Derived*>(this), message, wParam, lParam);
  }
};

}  // namespace quendar::win32
