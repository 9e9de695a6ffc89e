// The skinned dialog for screen readers and the keyboard: its accessible object, the default actions a
// screen reader posts, and the focus ring that Tab moves in the dialogs that do not capture keys.
#include <algorithm>

#include "win32/ui/skinned_dialog.h"

namespace quendar::win32 {

namespace {

bool EditsText(HWND control, const MSG& message) {
  const LRESULT wants =
      ::SendMessageW(control, WM_GETDLGCODE, message.wParam, reinterpret_cast<LPARAM>(&message));
  return (wants & (DLGC_WANTALLKEYS | DLGC_WANTCHARS | DLGC_HASSETSEL)) != 0;
}

}  // namespace

ui::access::Tree SkinnedDialog::Accessible() {
  return ui::DescribeSkinnedDialog(layout_.buttons, backgroundLoaded_ ? DescribeParts().nodes : ui::access::Tree{},
                                   BuildDrawList(ui::Rect::At({0, 0}, clientSize_)), skin_.settings().language,
                                   focus_);
}

void SkinnedDialog::NameControls() {
  if (!controlNames_) {
    apartment_.emplace();
    controlNames_.emplace();
  }
  for (const ui::ControlName& control : DescribeParts().controls)
    controlNames_->Name(::GetDlgItem(hwnd(), control.control), control.name);
}

LRESULT SkinnedDialog::OnGetObject(WPARAM wParam, LPARAM lParam) {
  if (static_cast<DWORD>(lParam) != static_cast<DWORD>(OBJID_CLIENT)) return 0;
  if (!accessible_) {
    if (!apartment_) apartment_.emplace();
    accessible_ = AccessibleWindow::Create(
        {hwnd(), [this] { return Accessible(); }, skin_.settings().language, kDialogAccessibleActionMessage,
         [this] { return scale_; }});
  }
  return accessible_->Answer(wParam, lParam);
}

template <class Input>
void SkinnedDialog::Announcing(Input input) {
  const HWND window = hwnd();
  const ui::access::Tree before = Accessible();
  input();
  // The press may have closed the dialog.
  if (hwnd() == window && ::IsWindow(window)) AnnounceChanges(window, before, Accessible());
}

void SkinnedDialog::Activate(int id) {
  const ui::access::Tree tree = Accessible();
  const ui::access::Node* node = ui::access::Find(tree, id);
  if (node == nullptr || node->state.unavailable || node->action == ui::access::Action::None) return;
  const ui::Point press = node->press;
  Announcing([&] {
    if (MovesFocusRing()) MoveFocus(id);
    PressAt(press);
  });
}

void SkinnedDialog::PressAt(ui::Point point) {
  const ui::Point device = scale_.ToDevice(point);
  OnMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(device.x, device.y));
}

bool SkinnedDialog::TakeFocusKey(const MSG& message) {
  if (!MovesFocusRing() || !backgroundLoaded_) return false;
  if (message.hwnd != hwnd() && !::IsChild(hwnd(), message.hwnd)) return false;
  if (message.wParam != VK_TAB) {
    const bool own = message.wParam == VK_SPACE || (message.wParam >= VK_LEFT && message.wParam <= VK_DOWN);
    // A child control that has the keyboard keeps its keys (a list box's selection, a typed space); on the
    // window itself they are the ring's, and never reach a window this one lies in.
    if (!own || message.hwnd != hwnd()) return false;
    if (message.wParam == VK_SPACE && focus_ != 0) Activate(focus_);
    return true;
  }
  // An open in-place editor keeps its keys; it ends when it loses the keyboard.
  const std::vector<HWND> controls = TabControls();
  if (message.hwnd != hwnd() && EditsText(message.hwnd, message) && std::ranges::count(controls, message.hwnd) == 0)
    return false;
  std::vector<ui::ControlPlace> places;
  ui::FocusStop from{focus_, 0};
  for (HWND control : controls) {
    if (control == nullptr || !::IsWindowVisible(control) || !::IsWindowEnabled(control)) continue;
    RECT box{};
    ::GetWindowRect(control, &box);
    ::MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&box), 2);
    const int id = ::GetDlgCtrlID(control);
    places.push_back({id, scale_.CoveringLogical(ui::Rect{box.left, box.top, box.right, box.bottom})});
    if (::GetFocus() == control) from = {0, id};
  }
  const bool forward = ::GetKeyState(VK_SHIFT) >= 0;
  Announcing([&] {
    const ui::FocusStop to = ui::NextFocusStop(Accessible(), places, from, forward);
    if (to.control != 0) {
      MoveFocus(0);
      ::SetFocus(::GetDlgItem(hwnd(), to.control));
    } else if (to.node != 0) {
      MoveFocus(to.node);
      ::SetFocus(hwnd());
    }
  });
  return true;
}

void SkinnedDialog::MoveFocus(int id) {
  if (id == focus_) return;
  const ui::access::Tree tree = Accessible();
  for (const int changed : {focus_, id}) {
    if (const ui::access::Node* node = ui::access::Find(tree, changed)) Repaint(node->location);
  }
  focus_ = id;
}

void SkinnedDialog::TakeKeyboard() {
  if (hwnd() != nullptr) ::SetFocus(hwnd());
}

HWND SkinnedDialog::KeyboardReturnsTo() const {
  const HWND focus = ::GetFocus();
  const bool child = (::GetWindowLongPtrW(hwnd(), GWL_STYLE) & WS_CHILD) != 0;
  if (!child || focus == nullptr || (focus != hwnd() && !::IsChild(hwnd(), focus))) return nullptr;
  return ::GetParent(hwnd());
}

void SkinnedDialog::AppendFocusRing(ui::DrawList& list) {
  if (focus_ == 0) return;
  std::optional<ui::Rect> place;
  for (const ui::ImageButton& button : layout_.buttons)
    if (button.id == focus_) place = button.rect;
  if (!place && backgroundLoaded_) {
    const ui::DialogParts parts = DescribeParts();
    if (const ui::access::Node* node = ui::access::Find(parts.nodes, focus_)) place = node->location;
  }
  if (place) {
    for (const ui::Rect& edge : ui::access::FocusRingEdges(*place)) list.Fill(edge, skin_.settings().textColor);
  }
}

}  // namespace quendar::win32
