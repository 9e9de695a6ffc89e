#include "win32/framework/window.h"

namespace quendar::win32 {

namespace {

constexpr wchar_t kClassName[] = L"QuendarWindow";

HINSTANCE ThisModule() {
  HMODULE module = nullptr;
  ::GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&ThisModule), &module);
  return module;
}

}  // namespace

Window::~Window() { Destroy(); }

void Window::Destroy() {
  if (hwnd_ == nullptr) return;
  HWND window = hwnd_;
  ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);  // no handler runs on a half-destroyed object
  hwnd_ = nullptr;
  ::DestroyWindow(window);
}

HWND Window::CreateChild(HWND parent, const ui::Rect& rect, int id, DWORD style, DWORD exStyle) {
  return Create(parent, rect, style | WS_CHILD, exStyle, L"", reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)));
}

HWND Window::CreatePopup(HWND owner, const ui::Rect& rect, DWORD style, DWORD exStyle, const wchar_t* title) {
  return Create(owner, rect, (style | WS_POPUP) & ~WS_CHILD, exStyle, title, nullptr);
}

HWND Window::Create(HWND parent, const ui::Rect& rect, DWORD style, DWORD exStyle, const wchar_t* title,
                    HMENU idOrMenu) {
  if (hwnd_ != nullptr) return nullptr;
  HINSTANCE module = ThisModule();
  WNDCLASSEXW existing{sizeof(existing)};
  if (!::GetClassInfoExW(module, kClassName, &existing)) {
    // Registered once per module; double clicks arrive as such and follow the program's double-click rule.
    WNDCLASSEXW windowClass{sizeof(windowClass)};
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = &WindowProc;
    windowClass.hInstance = module;
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kClassName;
    if (::RegisterClassExW(&windowClass) == 0 && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return nullptr;
  }
  return ::CreateWindowExW(exStyle, kClassName, title, style, rect.left, rect.top, rect.Width(), rect.Height(), parent,
                           idOrMenu, module, this);
}

LRESULT CALLBACK Window::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<Window*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (message == WM_NCCREATE) {
    self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    self->hwnd_ = hwnd;
  }
  if (self == nullptr) return ::DefWindowProcW(hwnd, message, wParam, lParam);
  const MessageResult result = self->OnMessage(message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
  }
  return result ? static_cast<LRESULT>(*result) : ::DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace quendar::win32
