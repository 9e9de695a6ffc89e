#include "win32/assignment/macro_key_dialog.h"

#include <windowsx.h>

#include "win32/framework/left_press.h"

#include "win32/assignment/assignment_dialog_parts.h"

namespace quendar::win32 {

namespace ua = ui::assignment;
using Macro = ua::MacroAssignment;

namespace {

constexpr ui::Color kWhite{255, 255, 255};

SkinnedDialogLayout Layout(ui::LanguageClass language) {
  return {ui::DialogKind::MacroKey,
          L"Macro Key",
          0,
          "/macro-key.png",
          std::wstring(ua::BackgroundErrorCaption(ua::CaptureDialog::MacroKey)),
          ua::AssignmentDialogButtons(ua::CaptureDialog::MacroKey, language),
          {}};
}

ui::Rect TickColumn() { return Macro::kTickRects.front().Union(Macro::kTickRects.back()); }

// The part of `box` in which the wrapped text sits centred vertically (wrapped texts are laid out from
// the top of their box).
// The font is the window's, at its scale: the text is measured in device pixels.
ui::Rect CentredWrappedBox(HWND window, HFONT font, ui::DisplayScale scale, const std::wstring& text, const ui::Rect& box) {
  WindowDc dc(window);
  if (!dc) return box;
  ScopedSelectObject selected(dc.get(), font);
  RECT measured{0, 0, scale.ToDevice(box).Width(), 0};
  ::DrawTextW(dc.get(), text.c_str(), static_cast<int>(text.size()), &measured, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
  const int height = scale.CoveringLogical({0, 0, 1, measured.bottom - measured.top}).Height();
  if (height <= 0 || height >= box.Height()) return box;
  const int top = box.top + (box.Height() - height) / 2;
  return {box.left, top, box.right, top + height};
}

}  // namespace

CMacroDialog::CMacroDialog(Skin& skin, ui::LanguageClass language, std::vector<std::wstring> macroNames)
    : SkinnedTableDialog(skin, Layout(language)), language_(language), assignment_(std::move(macroNames)) {}

void CMacroDialog::AppendTexts(ui::DrawList& list) {
  list.Text(std::wstring(ua::MacroSelectLabel(language_)), Macro::kLabelRect, ui::FontRole::Dialog, kWhite);
  list.Text(std::wstring(assignment_.chosenName()), Macro::kMacroBoxRect.Offset(3, 0), ui::FontRole::Dialog, kWhite,
            ui::TextAlign::Left);
  for (int mode = 0; mode < Macro::kRepeatModeCount; ++mode) {
    const auto at = static_cast<std::size_t>(mode);
    list.Image(mode == assignment_.repeatMode() ? "/PaneMakingTick.png" : "/Pane.png", Macro::kTickRects[at].TopLeft());
    const std::wstring text(ua::RepeatModeText(language_, mode));
    list.WrappedText(text, CentredWrappedBox(hwnd(), font(), scale(), text, Macro::kModeTextRects[at]), ui::FontRole::Dialog,
                     kWhite);
  }
}

std::span<const MessageEntry<CMacroDialog>> CMacroDialog::Messages() {
  static const MessageEntry<CMacroDialog> table[] = {
      {WM_LBUTTONDOWN, &CMacroDialog::OnLeftButtonDown},
      {WM_LBUTTONDBLCLK, &CMacroDialog::OnLeftButtonDoubleClick},
      {WM_MOUSEWHEEL, &CMacroDialog::OnMouseWheel},
      {WM_DESTROY, &CMacroDialog::OnDestroy},
  };
  return table;
}

std::span<const NotificationEntry<CMacroDialog>> CMacroDialog::Notifications() {
  static const NotificationEntry<CMacroDialog> table[] = {
      {static_cast<WORD>(kMacroListId), LBN_SELCHANGE, &CMacroDialog::OnMacroChosen},
      {static_cast<WORD>(kMacroListId), LBN_DBLCLK, &CMacroDialog::OnMacroChosen},
  };
  return table;
}

MessageResult CMacroDialog::OnLeftButtonDown(WPARAM, LPARAM point) {
  OnLeftPress(point);
  return 0;
}

MessageResult CMacroDialog::OnLeftButtonDoubleClick(WPARAM, LPARAM point) {
  if (IsLeftPress(WM_LBUTTONDBLCLK, ui::ClickTarget::Surface)) OnLeftPress(point);
  return 0;
}

MessageResult CMacroDialog::OnMouseWheel(WPARAM wheel, LPARAM) {
  if (list_) list_->SetTopLine(assignment_.ScrolledTopLine(list_->topLine(), GET_WHEEL_DELTA_WPARAM(wheel)));
  return 0;
}

MessageResult CMacroDialog::OnDestroy(WPARAM, LPARAM) {
  list_.reset();
  return std::nullopt;
}

void CMacroDialog::OnMacroChosen(HWND) {
  if (!list_) return;
  assignment_.Choose(list_->selected());
  SyncList();
  Repaint(Macro::kMacroBoxRect);
}

void CMacroDialog::OnLeftPress(LPARAM lParam) {
  const std::uint8_t modeBefore = assignment_.repeatMode();
  const ua::PressResult result = assignment_.OnPress(LogicalPoint(lParam));
  SyncList();
  if (assignment_.repeatMode() != modeBefore) Repaint(TickColumn());
  if (result == ua::PressResult::Cancel) {
    Close(IDCANCEL);
  } else if (result == ua::PressResult::Ok) {
    choice_ = AcceptOrShowRefusal(hwnd(), assignment_.Confirm(language_));
    if (choice_) Close(IDOK);
  }
}

void CMacroDialog::SyncList() {
  if (assignment_.listOpen() && !list_) {
    DWORD error = 0;
    list_ = PopupListBox::Create(hwnd(), kMacroListId, scale().ToDevice(Macro::kMacroListRect),
                                 {font(), kBoxText, kBoxBackground}, assignment_.offered(), error);
    if (list_) list_->SetWheelTarget(hwnd());
    NameControls();
  } else if (!assignment_.listOpen() && list_) {
    list_.reset();
  }
}

}  // namespace quendar::win32
