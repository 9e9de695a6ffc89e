#include "win32/framework/accessible_window.h"

#include <memory>
#include <string_view>

#include "win32/framework/win32_conversions.h"

namespace quendar::win32 {

namespace {

using ui::access::Node;
using ui::access::Role;
using ui::access::Tree;

// MinGW's import library gives IID_IAccessible a wrong value; the header's declaration is right.
const IID& AccessibleIid() { return __uuidof(IAccessible); }

LONG RoleOf(Role role) {
  switch (role) {
    case Role::PushButton: return ROLE_SYSTEM_PUSHBUTTON;
    case Role::CheckBox: return ROLE_SYSTEM_CHECKBUTTON;
    case Role::RadioButton: return ROLE_SYSTEM_RADIOBUTTON;
    case Role::Slider: return ROLE_SYSTEM_SLIDER;
    case Role::ComboBox: return ROLE_SYSTEM_COMBOBOX;
    case Role::List: return ROLE_SYSTEM_LIST;
    case Role::OutlineItem: return ROLE_SYSTEM_OUTLINEITEM;
    case Role::StaticText: return ROLE_SYSTEM_STATICTEXT;
    case Role::Link: return ROLE_SYSTEM_LINK;
  }
  return ROLE_SYSTEM_CLIENT;
}

LONG StateOf(const Node& node) {
  LONG state = 0;
  if (node.role != Role::StaticText && !node.state.unavailable) state |= STATE_SYSTEM_FOCUSABLE;
  if (node.state.expanded) state |= STATE_SYSTEM_EXPANDED;
  if (node.state.collapsed) state |= STATE_SYSTEM_COLLAPSED;
  if (node.state.checked) state |= node.role == Role::PushButton ? STATE_SYSTEM_PRESSED : STATE_SYSTEM_CHECKED;
  if (node.state.selected) state |= STATE_SYSTEM_SELECTED;
  if (node.state.focused) state |= STATE_SYSTEM_FOCUSED;
  if (node.state.unavailable) state |= STATE_SYSTEM_UNAVAILABLE;
  return state;
}

void SetChild(VARIANT* out, LONG child) {
  ::VariantInit(out);
  out->vt = VT_I4;
  out->lVal = child;
}

HRESULT Text(std::wstring_view text, BSTR* out) {
  if (out == nullptr) return E_POINTER;
  *out = nullptr;
  if (text.empty()) return S_FALSE;
  *out = ::SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
  return *out != nullptr ? S_OK : E_OUTOFMEMORY;
}

LONG ChildIdOf(const Tree& tree, const Node& node) { return static_cast<LONG>(&node - tree.data()) + 1; }

bool HasKeyboard(HWND window) {
  const HWND focus = ::GetFocus();
  return focus != nullptr && (focus == window || ::IsChild(window, focus));
}

}  // namespace

ComPtr<AccessibleWindow> AccessibleWindow::Create(AccessibleSource source) {
  // The object's first reference goes to the holder; the last Release deletes it.
  std::unique_ptr<AccessibleWindow> object(new AccessibleWindow(std::move(source)));
  return ComPtr<AccessibleWindow>::Adopt(object.release());
}

AccessibleWindow::AccessibleWindow(AccessibleSource source)
    : source_(std::move(source)), library_(LoadFromSystemFolder(L"oleacc.dll")) {
  if (!library_.valid() || !BindExport(library_.get(), "LresultFromObject", oleacc_.lresultFromObject) ||
      !BindExport(library_.get(), "AccessibleObjectFromWindow", oleacc_.objectFromWindow)) {
    oleacc_ = {};
  }
}

LRESULT AccessibleWindow::Answer(WPARAM wParam, LPARAM lParam) {
  if (static_cast<DWORD>(lParam) != static_cast<DWORD>(OBJID_CLIENT) || oleacc_.lresultFromObject == nullptr) return 0;
  const LRESULT result = oleacc_.lresultFromObject(AccessibleIid(), wParam, static_cast<IAccessible*>(this));
  return result > 0 ? result : 0;
}

void AnnounceChanges(HWND window, const Tree& before, const Tree& after) {
  using Kind = ui::access::Change::Kind;
  for (const ui::access::Change& change : ui::access::Changes(before, after)) {
    const LONG child = change.index + 1;
    switch (change.kind) {
      case Kind::Children: ::NotifyWinEvent(EVENT_OBJECT_REORDER, window, OBJID_CLIENT, CHILDID_SELF); break;
      case Kind::State: ::NotifyWinEvent(EVENT_OBJECT_STATECHANGE, window, OBJID_CLIENT, child); break;
      case Kind::Value: ::NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, window, OBJID_CLIENT, child); break;
      case Kind::Focus:
        if (HasKeyboard(window)) ::NotifyWinEvent(EVENT_OBJECT_FOCUS, window, OBJID_CLIENT, child);
        break;
    }
  }
}

HRESULT AccessibleWindow::Resolve(const VARIANT& child, Tree& tree, const Node*& node) const {
  node = nullptr;
  if (!source_.tree || !::IsWindow(source_.window)) return CO_E_OBJNOTCONNECTED;
  if (child.vt != VT_I4) return E_INVALIDARG;
  tree = source_.tree();
  if (child.lVal == CHILDID_SELF) return S_OK;
  if (child.lVal < 1 || static_cast<std::size_t>(child.lVal) > tree.size()) return E_INVALIDARG;
  node = &tree[static_cast<std::size_t>(child.lVal - 1)];
  return S_OK;
}

HRESULT AccessibleWindow::Nothing(BSTR* text) {
  if (text == nullptr) return E_POINTER;
  *text = nullptr;
  return S_FALSE;
}

// --- IUnknown -----------------------------------------------------------------------------------

HRESULT AccessibleWindow::QueryInterface(REFIID riid, void** object) {
  if (object == nullptr) return E_POINTER;
  if (riid == IID_IUnknown || riid == IID_IDispatch || riid == AccessibleIid()) {
    *object = static_cast<IAccessible*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG AccessibleWindow::AddRef() { return ++references_; }

ULONG AccessibleWindow::Release() {
  const ULONG left = --references_;
  if (left == 0) std::unique_ptr<AccessibleWindow> last(this);  // the last reference deletes the object
  return left;
}

HRESULT AccessibleWindow::GetTypeInfoCount(UINT* count) {
  if (count == nullptr) return E_POINTER;
  *count = 0;
  return S_OK;
}

// --- IAccessible --------------------------------------------------------------------------------

HRESULT AccessibleWindow::get_accParent(IDispatch** parent) {
  if (parent == nullptr) return E_POINTER;
  *parent = nullptr;
  if (!source_.tree) return CO_E_OBJNOTCONNECTED;
  if (oleacc_.objectFromWindow == nullptr) return S_FALSE;
  return oleacc_.objectFromWindow(source_.window, static_cast<DWORD>(OBJID_WINDOW), IID_IDispatch,
                                  reinterpret_cast<void**>(parent));
}

HRESULT AccessibleWindow::get_accChildCount(LONG* count) {
  if (count == nullptr) return E_POINTER;
  if (!source_.tree) return CO_E_OBJNOTCONNECTED;
  *count = static_cast<LONG>(source_.tree().size());
  return S_OK;
}

HRESULT AccessibleWindow::get_accChild(VARIANT child, IDispatch** object) {
  if (object == nullptr) return E_POINTER;
  *object = nullptr;
  Tree tree;
  const Node* node = nullptr;
  const HRESULT hr = Resolve(child, tree, node);
  if (FAILED(hr)) return hr;
  if (node == nullptr) {
    AddRef();
    *object = static_cast<IAccessible*>(this);
    return S_OK;
  }
  return S_FALSE;  // a simple element: its parent answers for it
}

HRESULT AccessibleWindow::get_accName(VARIANT child, BSTR* name) {
  Tree tree;
  const Node* node = nullptr;
  if (const HRESULT hr = Resolve(child, tree, node); FAILED(hr)) return hr;
  if (node != nullptr) return Text(node->name, name);
  return Text(WindowText(source_.window), name);
}

HRESULT AccessibleWindow::get_accValue(VARIANT child, BSTR* value) {
  Tree tree;
  const Node* node = nullptr;
  if (const HRESULT hr = Resolve(child, tree, node); FAILED(hr)) return hr;
  return node != nullptr ? Text(node->value, value) : Nothing(value);
}

HRESULT AccessibleWindow::get_accRole(VARIANT child, VARIANT* role) {
  if (role == nullptr) return E_POINTER;
  Tree tree;
  const Node* node = nullptr;
  if (const HRESULT hr = Resolve(child, tree, node); FAILED(hr)) return hr;
  SetChild(role, node != nullptr ? RoleOf(node->role) : ROLE_SYSTEM_CLIENT);
  return S_OK;
}

HRESULT AccessibleWindow::get_accState(VARIANT child, VARIANT* state) {
  if (state == nullptr) return E_POINTER;
  Tree tree;
  const Node* node = nullptr;
  if (const HRESULT hr = Resolve(child, tree, node); FAILED(hr)) return hr;
  if (node != nullptr) {
    LONG flags = StateOf(*node);
    if (!HasKeyboard(source_.window)) flags &= ~STATE_SYSTEM_FOCUSED;
    SetChild(state, flags);
  } else {
    SetChild(state, STATE_SYSTEM_FOCUSABLE | (::GetFocus() == source_.window ? STATE_SYSTEM_FOCUSED : 0));
  }
  return S_OK;
}

HRESULT AccessibleWindow::get_accHelpTopic(BSTR* file, VARIANT, LONG* topic) {
  if (topic != nullptr) *topic = 0;
  return Nothing(file);
}

HRESULT AccessibleWindow::get_accFocus(VARIANT* child) {
  if (child == nullptr) return E_POINTER;
  ::VariantInit(child);
  if (!source_.tree) return CO_E_OBJNOTCONNECTED;
  if (!HasKeyboard(source_.window)) return S_FALSE;
  const Tree tree = source_.tree();
  for (const Node& node : tree) {
    if (node.state.focused) {
      SetChild(child, ChildIdOf(tree, node));
      return S_OK;
    }
  }
  SetChild(child, CHILDID_SELF);
  return S_OK;
}

HRESULT AccessibleWindow::get_accSelection(VARIANT* children) {
  if (children == nullptr) return E_POINTER;
  ::VariantInit(children);
  return source_.tree ? S_FALSE : CO_E_OBJNOTCONNECTED;
}

HRESULT AccessibleWindow::get_accDefaultAction(VARIANT child, BSTR* action) {
  Tree tree;
  const Node* node = nullptr;
  if (const HRESULT hr = Resolve(child, tree, node); FAILED(hr)) return hr;
  if (node == nullptr) return Nothing(action);
  return Text(ui::access::ActionText(source_.language, node->action), action);
}

HRESULT AccessibleWindow::accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) {
  if (left == nullptr || top == nullptr || width == nullptr || height == nullptr) return E_POINTER;
  Tree tree;
  const Node* node = nullptr;
  if (const HRESULT hr = Resolve(child, tree, node); FAILED(hr)) return hr;
  RECT box{};
  if (node != nullptr) {
    box = ToRect(source_.scale ? source_.scale().ToDevice(node->location) : node->location);
  } else {
    ::GetClientRect(source_.window, &box);
  }
  ::MapWindowPoints(source_.window, nullptr, reinterpret_cast<POINT*>(&box), 2);
  *left = box.left;
  *top = box.top;
  *width = box.right - box.left;
  *height = box.bottom - box.top;
  return S_OK;
}

HRESULT AccessibleWindow::accNavigate(LONG direction, VARIANT start, VARIANT* end) {
  if (end == nullptr) return E_POINTER;
  ::VariantInit(end);
  Tree tree;
  const Node* node = nullptr;
  if (const HRESULT hr = Resolve(start, tree, node); FAILED(hr)) return hr;
  const auto count = static_cast<LONG>(tree.size());
  LONG to = 0;
  if (node == nullptr) {
    if (direction == NAVDIR_FIRSTCHILD) to = 1;
    else if (direction == NAVDIR_LASTCHILD) to = count;
    else return S_FALSE;  // the window object beside the client answers for its siblings
  } else if (direction == NAVDIR_NEXT || direction == NAVDIR_DOWN || direction == NAVDIR_RIGHT) {
    to = ChildIdOf(tree, *node) + 1;
  } else if (direction == NAVDIR_PREVIOUS || direction == NAVDIR_UP || direction == NAVDIR_LEFT) {
    to = ChildIdOf(tree, *node) - 1;
  } else {
    return E_INVALIDARG;  // a simple element has no children
  }
  if (to < 1 || to > count) return S_FALSE;
  SetChild(end, to);
  return S_OK;
}

HRESULT AccessibleWindow::accHitTest(LONG left, LONG top, VARIANT* child) {
  if (child == nullptr) return E_POINTER;
  ::VariantInit(child);
  if (!source_.tree) return CO_E_OBJNOTCONNECTED;
  POINT point{left, top};
  ::ScreenToClient(source_.window, &point);
  RECT client{};
  ::GetClientRect(source_.window, &client);
  if (!::PtInRect(&client, point)) return S_FALSE;
  const Tree tree = source_.tree();
  const ui::Point device{point.x, point.y};
  const int id = ui::access::NodeAt(tree, source_.scale ? source_.scale().ToLogical(device) : device);
  const Node* node = ui::access::Find(tree, id);
  SetChild(child, node != nullptr ? ChildIdOf(tree, *node) : CHILDID_SELF);
  return S_OK;
}

HRESULT AccessibleWindow::accDoDefaultAction(VARIANT child) {
  Tree tree;
  const Node* node = nullptr;
  if (const HRESULT hr = Resolve(child, tree, node); FAILED(hr)) return hr;
  if (node == nullptr || node->action == ui::access::Action::None) return DISP_E_MEMBERNOTFOUND;
  if (node->state.unavailable) return E_FAIL;
  return ::PostMessageW(source_.window, source_.activateMessage, static_cast<WPARAM>(node->id), 0) ? S_OK : E_FAIL;
}

}  // namespace quendar::win32
