#pragma once
// The base of every skinned dialog (profile manager, key capture, macro manager, macro assignment, help).
// The dialog supplies what it looks like (a SkinnedDialogLayout), overrides the hooks it needs and lists
// its own message handlers in tables (SkinnedTableDialog, below):
//
//   class CSingleDialog : public SkinnedTableDialog<CSingleDialog> {
//    public:
//     explicit CSingleDialog(Skin& skin) : SkinnedTableDialog(skin, Layout()) {}
//     static std::span<const MessageEntry<CSingleDialog>> Messages();   // {kSingleKeyMessage, &OnKey}, ...
//    private:
//     static SkinnedDialogLayout Layout();                        // kind, background, buttons, drag areas
//     void OnSkinnedInit() override;                          // controls, the keyboard hook
//     void AppendTexts(ui::DrawList& list) override;          // the captured key name
//     void OnImageButton(int id) override { Close(id == kOk ? IDOK : IDCANCEL); }
//   };
//   INT_PTR result = CSingleDialog(skin).RunModal(instance, owner);
//
// The base paints through one back buffer (background, buttons with their captions, then the dialog's own
// texts), lights the image buttons under the pointer, drags the window by its drag areas and keeps Enter
// and Escape from ending it. Dialogs work in the skin's logical pixels; the base maps them to the window's
// display scale (its size, painting, pointer positions, the controls made by CreateControl). When the
// background is missing it shows "error" with the dialog's caption once, skips OnSkinnedInit (no
// controls, no hook), and keeps a small surface on which the buttons work.
#include <windows.h>

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/ui/display_scale.h"
#include "core/ui/draw/image_button_hover.h"
#include "core/ui/draw/missing_images.h"
#include "core/ui/draw/skinned_dialog_access.h"
#include "core/ui/draw/skinned_dialog_view.h"
#include "core/ui/language_fonts.h"
#include "win32/framework/accessible_window.h"
#include "win32/framework/com_ptr.h"
#include "win32/framework/control_names.h"
#include "win32/framework/command_routing.h"
#include "win32/framework/dialog_template.h"
#include "win32/framework/dialog_window.h"
#include "win32/framework/unique_handle.h"
#include "win32/ui/fonts.h"
#include "win32/ui/skin.h"

namespace quendar::win32 {

struct SkinnedDialogLayout {
  ui::DialogKind kind = ui::DialogKind::Help;
  std::wstring title;                    // the window's text (task switchers, tests)
  int templateId = 0;                    // a dialog resource, or 0 for a built-in template without controls
  std::string background;                // skin image name, e.g. "/single-key.png"
  std::wstring backgroundErrorCaption;   // e.g. L"Combo Dialog Load background image failed!!!"
  std::vector<ui::ImageButton> buttons;
  std::vector<ui::Rect> dragAreas;       // a press here (off the buttons) drags the window
};

// A drag area covering the whole window.
inline constexpr ui::Rect kWholeWindow{0, 0, 0x7FFF, 0x7FFF};

// Posted by the base to show its message boxes after the paint or initialisation that found the fault.
inline constexpr UINT kBackgroundMissingMessage = WM_APP + 0x3A2;
// Posted by the dialog's accessible object: a screen reader's default action on node WPARAM.
inline constexpr UINT kDialogAccessibleActionMessage = WM_APP + 0x3A4;

class SkinnedDialog : public DialogWindow {
 public:
  SkinnedDialog(Skin& skin, SkinnedDialogLayout layout);

  // Nested modal loops work: a dialog opened from another modal dialog's handler runs its own loop.
  INT_PTR RunModal(HINSTANCE instance, HWND owner);
  HWND CreateModeless(HINSTANCE instance, HWND owner);
  // Ends a modal dialog with `result`; destroys a modeless one.
  void Close(INT_PTR result);

  bool backgroundLoaded() const { return backgroundLoaded_; }
  // Logical pixels.
  ui::Size clientSize() const { return clientSize_; }
  ui::DisplayScale scale() const { return scale_; }
  const SkinnedDialogLayout& layout() const { return layout_; }

 protected:
  Skin& skin() { return skin_; }
  HFONT font() const { return font_.get(); }
  ui::Color textColor() const { return skin_.settings().textColor; }
  // Repaints part of the window (through the next WM_PAINT).
  void Repaint(const ui::Rect& area);
  // A visible child control at a logical place, in the dialog font, kept at its place when the scale
  // changes. Null when the platform refuses it.
  HWND CreateControl(const wchar_t* className, DWORD style, const ui::Rect& rect, int id);
  // A pointer message's position in logical pixels.
  ui::Point LogicalPoint(LPARAM lParam) const;
  void RepaintAll();
  // The draw list of the whole window as painted now (also what tests compare).
  ui::DrawList BuildDrawList(const ui::Rect& area);

  // --- Hooks for the concrete dialog ---
  // Called during WM_INITDIALOG once the background is known to be there.
  virtual void OnSkinnedInit() {}
  // The dialog's own texts and images, drawn after the buttons.
  virtual void AppendTexts(ui::DrawList& list) {}
  // A left press on an image button (the second press of a double click is no press: see double_click.h).
  virtual void OnImageButton(int id) {}
  // A left press elsewhere that does not drag the window.
  virtual void OnPress(ui::Point point) {}
  // First look at every message (SkinnedTableDialog routes it through the dialog's tables); an answer
  // ends its handling.
  virtual MessageResult OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam) { return std::nullopt; }
  // The system's close request (Alt+F4, the task switcher). Cancels by default.
  virtual void OnCloseRequest() { Close(IDCANCEL); }

  // --- Screen readers and the keyboard (skinned_dialog_access.cpp) ---
  // The parts the dialog draws and acts on itself beyond its image buttons, and its child controls' names.
  virtual ui::DialogParts DescribeParts() { return {}; }
  // Dialogs that do not capture keys: Tab and Shift+Tab move a focus ring through the nodes and these
  // child controls in reading order, Space presses the focused node. Capture dialogs keep every key.
  virtual bool MovesFocusRing() const { return false; }
  virtual std::vector<HWND> TabControls() { return {}; }
  // Gives the child controls their names again (call after creating one).
  void NameControls();
  // A panel inside another window takes the keyboard when it opens (a keyboard user could not reach it
  // otherwise) and hands it back to that window when it goes.
  void TakeKeyboard();
  // What the window says to screen readers now.
  ui::access::Tree Accessible();

  bool PreTranslateMessage(MSG& message) override;

 private:
  LRESULT OnGetObject(WPARAM wParam, LPARAM lParam);
  // A default action or Space: the focus moves there and the node is pressed where the mouse would press.
  void Activate(int id);
  // Exactly what a left press at `point` does.
  void PressAt(ui::Point point);
  bool TakeFocusKey(const MSG& message);
  void MoveFocus(int id);
  void AppendFocusRing(ui::DrawList& list);
  // The window a panel that has the keyboard hands it back to when it closes (null: none). Given once the
  // panel is gone: the parent, a dialog too, would hand it straight back to the panel it remembers.
  HWND KeyboardReturnsTo() const;
  // Runs `input` and tells screen readers what it changed.
  template <class Input>
  void Announcing(Input input);

  MessageResult OnMessage(UINT message, WPARAM wParam, LPARAM lParam) final;
  // The base's own handlers, after the dialog's.
  static std::span<const MessageEntry<SkinnedDialog>> Messages();
  friend MessageResult DispatchMessageTable<SkinnedDialog>(SkinnedDialog&, UINT, WPARAM, LPARAM);
  MessageResult OnInitDialogMessage(WPARAM wParam, LPARAM lParam);
  MessageResult OnEraseBackground(WPARAM, LPARAM) { return TRUE; }  // the paint covers everything
  MessageResult OnPaintMessage(WPARAM, LPARAM);
  MessageResult OnPrintClient(WPARAM dc, LPARAM);
  MessageResult OnMouseMove(WPARAM, LPARAM point);
  MessageResult OnMouseHover(WPARAM, LPARAM point);
  MessageResult OnMouseLeave(WPARAM, LPARAM);
  MessageResult OnLeftButtonDown(WPARAM, LPARAM point);
  MessageResult OnLeftButtonDoubleClick(WPARAM, LPARAM point);
  MessageResult OnCommandMessage(WPARAM command, LPARAM control);
  MessageResult OnCloseMessage(WPARAM, LPARAM);
  MessageResult OnGetObjectMessage(WPARAM wParam, LPARAM lParam);
  MessageResult OnAccessibleAction(WPARAM id, LPARAM);
  MessageResult OnSetFocus(WPARAM, LPARAM);
  MessageResult OnDestroy(WPARAM, LPARAM);
  MessageResult OnDpiChangedMessage(WPARAM dpi, LPARAM suggested);
  MessageResult OnDpiChangedAfterParent(WPARAM, LPARAM);
  MessageResult OnLoadImageFailed(WPARAM, LPARAM);
  MessageResult OnBackgroundMissing(WPARAM, LPARAM);
  void OnInitDialog();
  void OnPaint();
  void OnLeftPress(ui::Point point);
  void ApplyHover(const ui::HoverStep& step);
  void ResizeClient(ui::Size size);
  void CenterOnOwner();
  void MakeFont();
  // `suggested`: the platform's new window rectangle, null for a child window (it keeps its place).
  void OnDpiChanged(ui::DisplayScale scale, const RECT* suggested);

  Skin& skin_;
  SkinnedDialogLayout layout_;
  std::vector<ui::Rect> buttonRects_;
  std::vector<bool>& hot_;
  ui::ImageButtonHover hover_;
  DialogTemplate builtInTemplate_;
  struct Control {
    HWND window;
    ui::Rect rect;  // logical
  };

  ui::DisplayScale scale_;
  std::vector<Control> controls_;
  UniqueFont font_;
  FontTable fonts_;
  ui::MissingImageNotices missingImages_;
  bool backgroundLoaded_ = false;
  ui::Size clientSize_;
  std::optional<ComApartment> apartment_;
  std::optional<ControlNames> controlNames_;
  ComPtr<AccessibleWindow> accessible_;
  int focus_ = 0;  // the focused node; 0: none, or a child control has the keyboard
};

// A skinned dialog whose own messages go through its handler tables, as every window's do: Messages(),
// and Commands() / Notifications() (control id and code) when it has them, looked at before the base's.
//   class CSingleDialog final : public SkinnedTableDialog<CSingleDialog> {
//     friend SkinnedTableDialog;
//     static std::span<const MessageEntry<CSingleDialog>> Messages();
//     MessageResult OnKeyMessage(WPARAM, LPARAM flags);
//   };
template <class Derived>
class SkinnedTableDialog : public SkinnedDialog {
 protected:
  using SkinnedDialog::SkinnedDialog;

 private:
  MessageResult OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam) final {
    return DispatchMessageTable(*static_cast<Derived*>(this), message, wParam, lParam);
  }
};

}  // namespace quendar::win32
