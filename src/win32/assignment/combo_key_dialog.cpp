#include "win32/assignment/combo_key_dialog.h"

#include <windowsx.h>

#include "win32/framework/left_press.h"

#include <string>

#include "core/keys/scan_code_names.h"
#include "win32/assignment/assignment_dialog_parts.h"

namespace quendar::win32 {

namespace ua = ui::assignment;

namespace {

constexpr ui::Color kWhite{255, 255, 255};

SkinnedDialogLayout Layout(ui::LanguageClass language) {
  return {ui::DialogKind::ComboKeyCapture,
          L"Combo Key",
          0,
          "/combo-key.png",
          std::wstring(ua::BackgroundErrorCaption(ua::CaptureDialog::ComboKey)),
          ua::AssignmentDialogButtons(ua::CaptureDialog::ComboKey, language),
          {}};
}

}  // namespace

CComboDialog::CComboDialog(Skin& skin, ui::LanguageClass language)
    : SkinnedTableDialog(skin, Layout(language)), language_(language), boxBrush_(::CreateSolidBrush(kBoxBackground)) {}

void CComboDialog::OnSkinnedInit() {
  // Read-only, so that a typed character never lands in a box: it shows the captured key name only.
  key1_ = CreateControl(L"EDIT", ES_AUTOHSCROLL | ES_READONLY, ua::ComboKeyCapture::kKey1Rect, kKey1BoxId);
  key2_ = CreateControl(L"EDIT", ES_AUTOHSCROLL | ES_READONLY, ua::ComboKeyCapture::kKey2Rect, kKey2BoxId);
  hook_ = InstallCaptureHook(hwnd(), kComboKeyMessage);
}

void CComboDialog::AppendTexts(ui::DrawList& list) {
  list.Text(capture_.names().modifier, ua::ComboKeyCapture::kModifierTextRect, ui::FontRole::Dialog, kWhite,
            ui::TextAlign::Left);
}

std::span<const MessageEntry<CComboDialog>> CComboDialog::Messages() {
  static const MessageEntry<CComboDialog> table[] = {
      {kComboKeyMessage, &CComboDialog::OnKeyMessage},
      {kHookFailedMessage, &CComboDialog::OnHookFailed},
      {WM_LBUTTONDOWN, &CComboDialog::OnLeftButtonDown},
      {WM_LBUTTONDBLCLK, &CComboDialog::OnLeftButtonDoubleClick},
      {WM_CTLCOLOREDIT, &CComboDialog::OnBoxColour},
      {WM_CTLCOLORSTATIC, &CComboDialog::OnBoxColour},  // read-only edit boxes ask for the static colours
      {WM_DESTROY, &CComboDialog::OnDestroy},
  };
  return table;
}

std::span<const NotificationEntry<CComboDialog>> CComboDialog::Notifications() {
  static const NotificationEntry<CComboDialog> table[] = {
      {static_cast<WORD>(kModifierListId), LBN_SELCHANGE, &CComboDialog::OnModifierChosen},
      {static_cast<WORD>(kModifierListId), LBN_DBLCLK, &CComboDialog::OnModifierChosen},
  };
  return table;
}

MessageResult CComboDialog::OnKeyMessage(WPARAM, LPARAM keystrokeFlags) {
  OnKey(keystrokeFlags);
  return 0;
}

MessageResult CComboDialog::OnHookFailed(WPARAM error, LPARAM) {
  ShowHookFailure(hwnd(), ua::CaptureDialog::ComboKey, error);
  return 0;
}

MessageResult CComboDialog::OnLeftButtonDown(WPARAM, LPARAM point) {
  OnLeftPress(point);
  return 0;
}

MessageResult CComboDialog::OnLeftButtonDoubleClick(WPARAM, LPARAM point) {
  if (IsLeftPress(WM_LBUTTONDBLCLK, ui::ClickTarget::Surface)) OnLeftPress(point);
  return 0;
}

MessageResult CComboDialog::OnBoxColour(WPARAM dc, LPARAM) {
  ::SetTextColor(reinterpret_cast<HDC>(dc), kBoxText);
  ::SetBkColor(reinterpret_cast<HDC>(dc), kBoxBackground);
  return reinterpret_cast<INT_PTR>(boxBrush_.get());
}

MessageResult CComboDialog::OnDestroy(WPARAM, LPARAM) {
  hook_.reset();
  modifierList_.reset();
  return std::nullopt;
}

void CComboDialog::OnModifierChosen(HWND) {
  if (!modifierList_) return;
  capture_.ChooseModifier(modifierList_->selected());
  SyncModifierList();
}

void CComboDialog::OnKey(LPARAM keystrokeFlags) {
  const HWND focus = ::GetFocus();
  const auto field = focus == key1_   ? ua::ComboKeyCapture::Field::Key1
                     : focus == key2_ ? ua::ComboKeyCapture::Field::Key2
                                      : ua::ComboKeyCapture::Field::None;
  capture_.OnKey(keys::ScanCodeFromKeystrokeFlags(static_cast<std::uint32_t>(keystrokeFlags)), field);
  if (field == ua::ComboKeyCapture::Field::Key1) ::SetWindowTextW(key1_, capture_.names().key1.c_str());
  if (field == ua::ComboKeyCapture::Field::Key2) ::SetWindowTextW(key2_, capture_.names().key2.c_str());
}

void CComboDialog::OnLeftPress(LPARAM lParam) {
  const ua::PressResult result = capture_.OnPress(LogicalPoint(lParam));
  SyncModifierList();
  if (result == ua::PressResult::Cancel) {
    Close(IDCANCEL);
  } else if (result == ua::PressResult::Ok) {
    choice_ = AcceptOrShowRefusal(hwnd(), capture_.Confirm(language_));
    if (choice_) Close(IDOK);
  }
}

void CComboDialog::SyncModifierList() {
  const bool open = capture_.modifierListOpen();
  if (open && !modifierList_) {
    for (HWND box : {key1_, key2_}) ::ShowWindow(box, SW_HIDE);
    ::SetFocus(hwnd());
    std::vector<std::wstring> names;
    for (auto name : ua::ModifierListTexts()) names.emplace_back(name);
    DWORD error = 0;
    modifierList_ = PopupListBox::Create(hwnd(), kModifierListId, scale().ToDevice(ua::ComboKeyCapture::kModifierListRect),
                                         {font(), kBoxText, kBoxBackground}, names, error);
    NameControls();
  } else if (!open && modifierList_) {
    modifierList_.reset();
    for (HWND box : {key1_, key2_}) ::ShowWindow(box, SW_SHOW);
  }
  Repaint(ua::ComboKeyCapture::kModifierTextRect);
}

}  // namespace quendar::win32
