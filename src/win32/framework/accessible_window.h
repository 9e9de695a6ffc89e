#pragma once
// A window's client area for screen readers: the platform's IAccessible over the nodes a core view
// builds, asked afresh on every call so it always says what the window shows. Children are simple
// elements (child id = the node's place + 1). A default action is posted to the window as
// `activateMessage` with the node's id, so a screen reader's call never runs the window's work inside it.
// oleacc.dll is loaded from the system folder while the object lives.
#include <windows.h>
#include <oleacc.h>

#include <atomic>
#include <functional>
#include <memory>

#include "core/ui/access/accessible.h"
#include "core/ui/display_scale.h"
#include "win32/framework/com_ptr.h"
#include "win32/framework/system_library.h"

namespace quendar::win32 {

struct AccessibleSource {
  HWND window = nullptr;
  std::function<ui::access::Tree()> tree;
  ui::LanguageClass language = ui::LanguageClass::English;
  UINT activateMessage = 0;
  // The window's display scale (the nodes' locations are its logical pixels); none: 100 %.
  std::function<ui::DisplayScale()> scale;
};

// Tells screen readers what changed in `window`'s client area between two builds of its nodes.
void AnnounceChanges(HWND window, const ui::access::Tree& before, const ui::access::Tree& after);

class AccessibleWindow final : public IAccessible {
 public:
  static ComPtr<AccessibleWindow> Create(AccessibleSource source);

  // The answer to WM_GETOBJECT: this object for OBJID_CLIENT, nothing (0: the platform's own) otherwise.
  LRESULT Answer(WPARAM wParam, LPARAM lParam);
  // The window is going: every later call fails as the platform's disconnected objects do.
  void Disconnect() { source_.tree = nullptr; }

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  // IDispatch: not offered (clients use the vtable).
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
    return E_NOTIMPL;
  }
  // IAccessible
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override;
  HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override;
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override;
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override;
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT, BSTR* text) override { return Nothing(text); }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override;
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT, BSTR* text) override { return Nothing(text); }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT, LONG* topic) override;
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT, BSTR* text) override { return Nothing(text); }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override;
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override;
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override;
  HRESULT STDMETHODCALLTYPE accSelect(LONG, VARIANT) override { return DISP_E_MEMBERNOTFOUND; }
  HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) override;
  HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override;
  HRESULT STDMETHODCALLTYPE accHitTest(LONG left, LONG top, VARIANT* child) override;
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override;
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

 private:
  struct Oleacc {
    decltype(&::LresultFromObject) lresultFromObject = nullptr;
    decltype(&::AccessibleObjectFromWindow) objectFromWindow = nullptr;
  };

  // Only the last Release deletes it.
  friend struct std::default_delete<AccessibleWindow>;
  explicit AccessibleWindow(AccessibleSource source);
  ~AccessibleWindow() = default;

  // The nodes now, and the one a child id names (null for CHILDID_SELF); E_INVALIDARG for a child id
  // that names nothing, CO_E_OBJNOTCONNECTED once the window is gone.
  HRESULT Resolve(const VARIANT& child, ui::access::Tree& tree, const ui::access::Node*& node) const;
  static HRESULT Nothing(BSTR* text);

  std::atomic<ULONG> references_{1};
  AccessibleSource source_;
  UniqueLibrary library_;
  Oleacc oleacc_;
};

}  // namespace quendar::win32
