#include "win32/framework/dialog_window.h"

namespace quendar::win32 {

DialogWindow::~DialogWindow() {
  if (hwnd_ != nullptr) {
    ::SetWindowLongPtrW(hwnd_, DWLP_USER, 0);
    ::DestroyWindow(hwnd_);
  }
}

HWND DialogWindow::CreateModeless(HINSTANCE instance, int templateId, HWND owner) {
  return ::CreateDialogParamW(instance, MAKEINTRESOURCEW(templateId), owner, &DialogProc,
                              reinterpret_cast<LPARAM>(this));
}

HWND DialogWindow::CreateModeless(HINSTANCE instance, const DLGTEMPLATE* dialogTemplate, HWND owner) {
  return ::CreateDialogIndirectParamW(instance, dialogTemplate, owner, &DialogProc, reinterpret_cast<LPARAM>(this));
}

INT_PTR DialogWindow::RunModal(HINSTANCE instance, int templateId, HWND owner) {
  if (CreateModeless(instance, templateId, owner) == nullptr) return -1;
  return RunLoop(owner);
}

INT_PTR DialogWindow::RunModal(HINSTANCE instance, const DLGTEMPLATE* dialogTemplate, HWND owner) {
  if (CreateModeless(instance, dialogTemplate, owner) == nullptr) return -1;
  return RunLoop(owner);
}

INT_PTR DialogWindow::RunLoop(HWND owner) {
  const bool ownerWasEnabled = owner != nullptr && !::EnableWindow(owner, FALSE);
  inModalLoop_ = true;
  modalResult_ = 0;

  MSG message;
  bool quit = false;
  while (inModalLoop_ && hwnd_ != nullptr) {
    const BOOL got = ::GetMessageW(&message, nullptr, 0, 0);
    if (got == 0) {
      quit = true;
      break;
    }
    if (got < 0) break;
    if (PreTranslateInChildDialog(message) || PreTranslateMessage(message)) continue;
    if (hwnd_ != nullptr && ::IsDialogMessageW(hwnd_, &message)) continue;
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
  inModalLoop_ = false;

  if (ownerWasEnabled) ::EnableWindow(owner, TRUE);
  if (hwnd_ != nullptr) ::DestroyWindow(hwnd_);
  if (quit) ::PostQuitMessage(static_cast<int>(message.wParam));  // the outer loop must see it too
  return modalResult_;
}

void DialogWindow::EndModal(INT_PTR result) {
  modalResult_ = result;
  inModalLoop_ = false;
  if (hwnd_ != nullptr) ::PostMessageW(hwnd_, WM_NULL, 0, 0);  // wake the loop
}

// A child dialog inside this one (a panel over part of the window) sees its own keys first, as its own
// loop would show them to it if it had one.
bool DialogWindow::PreTranslateInChildDialog(MSG& message) {
  if (hwnd_ == nullptr || message.hwnd == nullptr || !::IsChild(hwnd_, message.hwnd)) return false;
  for (HWND window = message.hwnd; window != nullptr && window != hwnd_; window = ::GetParent(window)) {
    if (::GetWindowLongPtrW(window, DWLP_DLGPROC) != reinterpret_cast<LONG_PTR>(&DialogProc)) continue;
    auto* child = reinterpret_cast<DialogWindow*>(::GetWindowLongPtrW(window, DWLP_USER));
    return child != nullptr && child != this && child->PreTranslateMessage(message);
  }
  return false;
}

bool DialogWindow::ReturnsResultDirectly(UINT message) {
  switch (message) {
    case WM_INITDIALOG:
    case WM_QUERYDRAGICON:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
      return true;
    default:
      return false;
  }
}

INT_PTR CALLBACK DialogWindow::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<DialogWindow*>(::GetWindowLongPtrW(hwnd, DWLP_USER));
  if (message == WM_INITDIALOG) {
    self = reinterpret_cast<DialogWindow*>(lParam);
    ::SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
    self->hwnd_ = hwnd;
  }
  if (self == nullptr) return FALSE;

  const std::optional<INT_PTR> result = self->OnMessage(message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    ::SetWindowLongPtrW(hwnd, DWLP_USER, 0);
    self->hwnd_ = nullptr;
    if (self->inModalLoop_) {
      self->inModalLoop_ = false;
      ::PostThreadMessageW(::GetCurrentThreadId(), WM_NULL, 0, 0);  // wake the loop
    }
  }
  if (!result) return FALSE;
  if (ReturnsResultDirectly(message)) return *result;
  ::SetWindowLongPtrW(hwnd, DWLP_MSGRESULT, *result);
  return TRUE;
}

bool KeepEnterAndEscapeFromDialogManager(HWND dialog, MSG& message) {
  if (message.message != WM_KEYDOWN || (message.wParam != VK_RETURN && message.wParam != VK_ESCAPE)) return false;
  if (message.hwnd == dialog) return true;
  if (!::IsChild(dialog, message.hwnd)) return false;
  const LRESULT wants =
      ::SendMessageW(message.hwnd, WM_GETDLGCODE, message.wParam, reinterpret_cast<LPARAM>(&message));
  if ((wants & DLGC_WANTALLKEYS) != 0) {
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
  return true;
}

}  // namespace quendar::win32
