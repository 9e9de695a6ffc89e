#include "win32/framework/list_box_editor.h"
#include "win32/framework/win32_conversions.h"

#include <commctrl.h>

#include <string>
#include <utility>

namespace quendar::win32 {
namespace {

constexpr UINT_PTR kSubclassId = 1;
constexpr int kEditControlId = 1;

}  // namespace

ListBoxEditor::ListBoxEditor(Key, int index, ui::EditTarget target, HWND owner, UINT notifyMessage)
    : session_(static_cast<std::size_t>(index), target), owner_(owner), notifyMessage_(notifyMessage) {}

std::unique_ptr<ListBoxEditor> ListBoxEditor::Begin(HWND listBox, int index, ui::EditTarget target, HWND owner,
                                                    UINT notifyMessage) {
  const LRESULT count = ::SendMessageW(listBox, LB_GETCOUNT, 0, 0);
  if (index < 0 || count == LB_ERR || index >= count) return nullptr;
  RECT item{};
  if (::SendMessageW(listBox, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)) == LB_ERR) {
    return nullptr;
  }
  ::InflateRect(&item, 1, 1);
  const LRESULT length = ::SendMessageW(listBox, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
  std::wstring text(length == LB_ERR ? 0 : static_cast<std::size_t>(length) + 1, L'\0');
  if (!text.empty()) {
    text.resize(static_cast<std::size_t>(
        ::SendMessageW(listBox, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()))));
  }

  auto editor = std::make_unique<ListBoxEditor>(Key{}, index, target, owner, notifyMessage);
  // No ES_AUTOHSCROLL: a text is as long as the item is wide.
  editor->edit_ = ::CreateWindowExW(0, L"EDIT", text.c_str(), WS_CHILD | WS_VISIBLE | WS_BORDER | ES_LEFT, item.left,
                                    item.top, item.right - item.left, item.bottom - item.top, listBox,
                                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(kEditControlId)),
                                    reinterpret_cast<HINSTANCE>(::GetWindowLongPtrW(listBox, GWLP_HINSTANCE)),
                                    nullptr);
  if (editor->edit_ == nullptr) return nullptr;
  ::SetWindowSubclass(editor->edit_, &EditProc, kSubclassId, reinterpret_cast<DWORD_PTR>(editor.get()));
  ::SendMessageW(editor->edit_, WM_SETFONT, ::SendMessageW(listBox, WM_GETFONT, 0, 0), TRUE);
  ::SendMessageW(editor->edit_, EM_SETSEL, 0, -1);
  ::SetFocus(editor->edit_);
  ::SetCapture(editor->edit_);
  return editor;
}

ListBoxEditor::~ListBoxEditor() {
  session_.End(false, {});
  Close(false);
}

void ListBoxEditor::End(bool commit) {
  if (edit_ == nullptr) return;
  auto end = session_.End(commit, WindowText(edit_));
  if (!end) return;
  end_ = std::move(end);
  Close(true);
}

void ListBoxEditor::Close(bool notify) {
  const HWND edit = std::exchange(edit_, nullptr);
  if (edit == nullptr) return;
  if (::GetCapture() == edit) ::ReleaseCapture();
  // Input and posted messages the editor still had queued belong to an edit that is over. (Paint
  // requests are not queued messages: they would be handed out again and again.)
  MSG pending;
  for (int dropped = 0; dropped < 256 && ::PeekMessageW(&pending, edit, 0, 0, PM_REMOVE | PM_QS_INPUT | PM_QS_POSTMESSAGE);
       ++dropped) {
  }
  ::RemoveWindowSubclass(edit, &EditProc, kSubclassId);
  ::DestroyWindow(edit);
  if (notify) ::PostMessageW(owner_, notifyMessage_, 0, 0);
}

LRESULT CALLBACK ListBoxEditor::EditProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                         DWORD_PTR self) {
  auto* editor = reinterpret_cast<ListBoxEditor*>(self);
  if (editor->edit_ != hwnd) return ::DefSubclassProc(hwnd, message, wParam, lParam);
  return editor->OnMessage(message, wParam, lParam);
}

LRESULT ListBoxEditor::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  const HWND edit = edit_;
  switch (message) {
    case WM_GETDLGCODE:
      return ::DefSubclassProc(edit, message, wParam, lParam) | DLGC_WANTALLKEYS;
    case WM_KEYDOWN:
      if (wParam == VK_TAB || wParam == VK_RETURN) {
        End(true);
        return 0;
      }
      if (wParam == VK_ESCAPE) {
        End(false);
        return 0;
      }
      break;
    case WM_CHAR:
      if (wParam == L'\t' || wParam == L'\r' || wParam == 0x1B) return 0;  // no beep for the keys above
      break;
    case WM_KILLFOCUS:
      End(true);
      return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: {
      RECT client{};
      ::GetClientRect(edit, &client);
      const POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
      if (!::PtInRect(&client, point)) {
        End(true);
        return 0;
      }
      break;
    }
    case WM_LBUTTONUP: {
      // The edit control lets the capture go after its own selection drag; the editor keeps it.
      const LRESULT result = ::DefSubclassProc(edit, message, wParam, lParam);
      if (edit_ != nullptr && ::GetCapture() != edit_) ::SetCapture(edit_);
      return result;
    }
    default:
      break;
  }
  return ::DefSubclassProc(edit, message, wParam, lParam);
}

}  // namespace quendar::win32
