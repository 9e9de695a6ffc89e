#include "win32/framework/list_box.h"
#include "win32/assignment/popup_list_box.h"

#include <windowsx.h>

namespace quendar::win32 {

namespace {

constexpr wchar_t kHostClass[] = L"QuendarPopupListHost";

bool IsEnterOrEscape(WPARAM key) { return key == VK_RETURN || key == VK_ESCAPE; }

}  // namespace

std::unique_ptr<PopupListBox> PopupListBox::Create(HWND parent, int id, const ui::Rect& rect, const PopupListLook& look,
                                                   const std::vector<std::wstring>& items, DWORD& error) {
  const auto instance = reinterpret_cast<HINSTANCE>(::GetWindowLongPtrW(parent, GWLP_HINSTANCE));
  WNDCLASSEXW cls{};
  cls.cbSize = sizeof(cls);
  cls.lpfnWndProc = HostProc;
  cls.hInstance = instance;
  cls.lpszClassName = kHostClass;
  cls.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  if (::RegisterClassExW(&cls) == 0 && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
    error = ::GetLastError();
    return nullptr;
  }

  std::unique_ptr<PopupListBox> box(new PopupListBox(look));
  box->id_ = id;
  box->brush_.reset(::CreateSolidBrush(look.background));
  box->host_.reset(::CreateWindowExW(0, kHostClass, L"", WS_CHILD | WS_CLIPCHILDREN, rect.left, rect.top,
                                     rect.Width(), rect.Height(), parent,
                                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, box.get()));
  if (!box->host_) {
    error = ::GetLastError();
    return nullptr;
  }
  box->list_ = ::CreateWindowExW(0, L"LISTBOX", L"", WS_CHILD | WS_VISIBLE | WS_BORDER | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                                 0, 0, rect.Width(), rect.Height(), box->host_.get(),
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
  if (box->list_ == nullptr) {
    error = ::GetLastError();
    return nullptr;  // the destructor takes the host down
  }
  if (look.font != nullptr) ::SendMessageW(box->list_, WM_SETFONT, reinterpret_cast<WPARAM>(look.font), FALSE);
  FillListBox(box->list_, items);
  ::SetWindowLongPtrW(box->list_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(box.get()));
  box->listProc_ = reinterpret_cast<WNDPROC>(
      ::SetWindowLongPtrW(box->list_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&PopupListBox::ListProc)));
  // Above the parent's other children (colour boxes, the scroll thumb), without taking the focus.
  ::SetWindowPos(box->host_.get(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  return box;
}

PopupListBox::~PopupListBox() {
  if (list_ != nullptr && listProc_ != nullptr) {
    ::SetWindowLongPtrW(list_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(listProc_));
    ::SetWindowLongPtrW(list_, GWLP_USERDATA, 0);
  }
}

int PopupListBox::selected() const {
  const LRESULT item = ::SendMessageW(list_, LB_GETCURSEL, 0, 0);
  return item == LB_ERR ? -1 : static_cast<int>(item);
}

void PopupListBox::Select(int item) { ::SendMessageW(list_, LB_SETCURSEL, static_cast<WPARAM>(item), 0); }

int PopupListBox::topLine() const { return static_cast<int>(::SendMessageW(list_, LB_GETTOPINDEX, 0, 0)); }

void PopupListBox::SetTopLine(int line) { ::SendMessageW(list_, LB_SETTOPINDEX, static_cast<WPARAM>(line), 0); }

LRESULT CALLBACK PopupListBox::HostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<PopupListBox*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self == nullptr) return ::DefWindowProcW(window, message, wParam, lParam);
  switch (message) {
    case WM_CTLCOLORLISTBOX: {
      const auto dc = reinterpret_cast<HDC>(wParam);
      ::SetTextColor(dc, self->look_.text);
      ::SetBkColor(dc, self->look_.background);
      ::SetBkMode(dc, TRANSPARENT);
      return reinterpret_cast<LRESULT>(self->brush_.get());
    }
    case WM_COMMAND: {
      const WORD code = HIWORD(wParam);
      // Posted, so the list has finished its own click handling before its owner closes it.
      if (code == LBN_SELCHANGE || code == LBN_DBLCLK) {
        ::PostMessageW(::GetParent(window), WM_COMMAND, MAKEWPARAM(self->id_, code), reinterpret_cast<LPARAM>(self->list_));
      }
      return 0;
    }
    default:
      return ::DefWindowProcW(window, message, wParam, lParam);
  }
}

LRESULT CALLBACK PopupListBox::ListProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<PopupListBox*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
  return self->OnListMessage(message, wParam, lParam);
}

LRESULT PopupListBox::OnListMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CHAR:
      if (IsEnterOrEscape(wParam)) return 0;
      break;
    case WM_MOUSEMOVE: {
      const LRESULT hit = ::CallWindowProcW(listProc_, list_, LB_ITEMFROMPOINT, 0, lParam);
      const int item = LOWORD(hit);
      if (HIWORD(hit) == 0 && item != hovered_) {
        hovered_ = item;
        Select(item);
        RECT r{};
        ::CallWindowProcW(listProc_, list_, LB_GETITEMRECT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&r));
        if (onHover_) onHover_(item, ui::Rect{r.left, r.top, r.right, r.bottom});
      }
      break;
    }
    case WM_MOUSEWHEEL:
      if (wheelTarget_ != nullptr) {
        ::SendMessageW(wheelTarget_, WM_MOUSEWHEEL, wParam, lParam);
        return 0;
      }
      break;
    default:
      break;
  }
  return ::CallWindowProcW(listProc_, list_, message, wParam, lParam);
}

}  // namespace quendar::win32
