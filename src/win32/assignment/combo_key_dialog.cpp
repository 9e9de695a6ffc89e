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
    : SkinnedDialog(skin, Layout(language)), language_(language), boxBrush_(::CreateSolidBrush(kBoxBackground)) {}

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

MessageResult CComboDialog::OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case kComboKeyMessage:
      OnKey(lParam);
      return 0;
    case kHookFailedMessage:
      ::MessageBoxW(hwnd(), ua::HookInstallErrorText(ua::CaptureDialog::ComboKey, static_cast<DWORD>(wParam)).c_str(),
                    nullptr, MB_OK);
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (IsLeftPress(message, ui::ClickTarget::Surface)) OnLeftPress(lParam);
      return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC: {  // read-only edit boxes ask for the static colours
      const auto dc = reinterpret_cast<HDC>(wParam);
      ::SetTextColor(dc, kBoxText);
      ::SetBkColor(dc, kBoxBackground);
      return reinterpret_cast<INT_PTR>(boxBrush_.get());
    }
    case WM_DESTROY:
      hook_.reset();
      modifierList_.reset();
      return std::nullopt;
    default:
      return std::nullopt;
  }
}

bool CComboDialog::OnCommand(WPARAM wParam, LPARAM) {
  if (LOWORD(wParam) != kModifierListId) return false;
  const WORD code = HIWORD(wParam);
  if ((code == LBN_SELCHANGE || code == LBN_DBLCLK) && modifierList_) {
    capture_.ChooseModifier(modifierList_->selected());
    SyncModifierList();
  }
  return true;
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
