#pragma once
// A window's client object read as a screen reader reads it: asked for through the platform from the
// test process, so every answer went through the window's WM_GETOBJECT and the marshalled interface.
#include <windows.h>
#include <oleacc.h>

#include <string>

#include "wine/harness/input.h"
#include "wine/harness/program.h"
#include "win32/framework/com_ptr.h"
#include "win32/framework/system_library.h"

namespace quendar::test {

// The program's client object, read as a screen reader reads it.
class Reader {
 public:
  explicit Reader(HWND window) : window_(window), oleacc_(win32::LoadFromSystemFolder(L"oleacc.dll")) {
    decltype(&::AccessibleObjectFromWindow) fromWindow = nullptr;
    if (!oleacc_.valid() || !win32::BindExport(oleacc_.get(), "AccessibleObjectFromWindow", fromWindow)) return;
    // The header's interface id: MinGW's import library spells it wrong.
    fromWindow(window, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
               reinterpret_cast<void**>(client_.put()));
  }
  bool ok() const { return static_cast<bool>(client_); }

  long Count() const {
    long count = 0;
    client_->get_accChildCount(&count);
    return count;
  }
  std::wstring Name(long child) const { return Text(&IAccessible::get_accName, child); }
  std::wstring Value(long child) const { return Text(&IAccessible::get_accValue, child); }
  std::wstring DefaultAction(long child) const { return Text(&IAccessible::get_accDefaultAction, child); }
  long Role(long child) const { return Long(&IAccessible::get_accRole, child); }
  long State(long child) const { return Long(&IAccessible::get_accState, child); }
  // In client pixels.
  RECT Location(long child) const {
    long left = 0, top = 0, width = 0, height = 0;
    client_->accLocation(&left, &top, &width, &height, Child(child));
    POINT origin{0, 0};
    ::ClientToScreen(window_, &origin);
    return {left - origin.x, top - origin.y, left - origin.x + width, top - origin.y + height};
  }
  // The child id of the first child with `name`, or 0.
  long Find(const std::wstring& name) const {
    for (long child = 1, n = Count(); child <= n; ++child)
      if (Name(child) == name) return child;
    return 0;
  }
  HRESULT DoDefaultAction(long child) const { return client_->accDoDefaultAction(Child(child)); }
  long Focus() const {
    VARIANT focus;
    ::VariantInit(&focus);
    client_->get_accFocus(&focus);
    return focus.vt == VT_I4 ? focus.lVal : -1;
  }

 private:
  static VARIANT Child(long child) {
    VARIANT v;
    ::VariantInit(&v);
    v.vt = VT_I4;
    v.lVal = child;
    return v;
  }
  std::wstring Text(HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR*), long child) const {
    BSTR text = nullptr;
    if ((client_.get()->*get)(Child(child), &text) != S_OK || text == nullptr) return {};
    std::wstring result(text, ::SysStringLen(text));
    ::SysFreeString(text);
    return result;
  }
  long Long(HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, VARIANT*), long child) const {
    VARIANT out;
    ::VariantInit(&out);
    if ((client_.get()->*get)(Child(child), &out) != S_OK || out.vt != VT_I4) return -1;
    return out.lVal;
  }

  HWND window_;
  win32::ComApartment apartment_;
  win32::UniqueLibrary oleacc_;
  win32::ComPtr<IAccessible> client_;
};

// The window that has the keyboard in `window`'s thread (another process's too), or null.
inline HWND KeyboardFocus(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof(info);
  return ::GetGUIThreadInfo(::GetWindowThreadProcessId(window, nullptr), &info) ? info.hwndFocus : nullptr;
}

// Presses Tab until the node named `name` has the focus; each press is waited for (the focus moves to
// another node, or to another window when it passes a child control).
inline bool TabTo(const Reader& reader, HWND window, const std::wstring& name) {
  for (long round = 0, n = reader.Count() + 8; round <= n; ++round) {
    const long before = reader.Focus();
    const HWND keyboard = KeyboardFocus(window);
    PressKey(VK_TAB);
    if (!WaitFor([&] { return reader.Focus() != before || KeyboardFocus(window) != keyboard; }, 5s)) return false;
    if (reader.Name(reader.Focus()) == name) return true;
  }
  return false;
}

}  // namespace quendar::test
