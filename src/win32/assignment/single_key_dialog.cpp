#include "win32/assignment/single_key_dialog.h"

#include <windowsx.h>

#include "win32/framework/left_press.h"

#include <string>

#include "core/keys/scan_code_names.h"
#include "win32/assignment/assignment_dialog_parts.h"

namespace quendar::win32 {

namespace ua = ui::assignment;

namespace {

constexpr ui::Color kBlack{0, 0, 0};
constexpr ui::Color kWhite{255, 255, 255};

bool IsKeyMessage(UINT message) {
  return message == WM_KEYDOWN || message == WM_KEYUP || message == WM_SYSKEYDOWN || message == WM_SYSKEYUP;
}

SkinnedDialogLayout Layout(ui::LanguageClass language) {
  return {ui::DialogKind::SingleKeyCapture,
          L"Single Key",
          0,
          "/single-key.png",
          std::wstring(ua::BackgroundErrorCaption(ua::CaptureDialog::SingleKey)),
          ua::AssignmentDialogButtons(ua::CaptureDialog::SingleKey, language),
          {kWholeWindow}};
}

}  // namespace

CSingleDialog::CSingleDialog(Skin& skin, ui::LanguageClass language)
    : SkinnedTableDialog(skin, Layout(language)), language_(language) {}

std::span<const MessageEntry<CSingleDialog>> CSingleDialog::Messages() {
  static const MessageEntry<CSingleDialog> table[] = {
      {kSingleKeyMessage, &CSingleDialog::OnKeyMessage},
      {kHookFailedMessage, &CSingleDialog::OnHookFailed},
      {WM_LBUTTONDOWN, &CSingleDialog::OnLeftButtonDown},
      {WM_LBUTTONDBLCLK, &CSingleDialog::OnLeftButtonDoubleClick},
      {WM_DESTROY, &CSingleDialog::OnDestroy},
  };
  return table;
}

void CSingleDialog::OnSkinnedInit() {
  hook_ = InstallCaptureHook(hwnd(), kSingleKeyMessage);
}

void CSingleDialog::AppendTexts(ui::DrawList& list) {
  list.Fill(ua::SingleKeyCapture::kPromptRect, kWhite)
      .Text(std::wstring(ua::SingleKeyPrompt(language_)), ua::SingleKeyCapture::kPromptRect, ui::FontRole::Dialog, kBlack)
      .Fill(ua::SingleKeyCapture::kKeyNameRect, kWhite)
      .Text(capture_.keyName(), ua::SingleKeyCapture::kKeyNameRect, ui::FontRole::Dialog, kBlack);
}

MessageResult CSingleDialog::OnKeyMessage(WPARAM, LPARAM keystrokeFlags) {
  capture_.OnKey(keys::ScanCodeFromKeystrokeFlags(static_cast<std::uint32_t>(keystrokeFlags)));
  Repaint(ua::SingleKeyCapture::kKeyNameRect);
  return 0;
}

MessageResult CSingleDialog::OnHookFailed(WPARAM error, LPARAM) {
  ShowHookFailure(hwnd(), ua::CaptureDialog::SingleKey, error);
  return 0;
}

MessageResult CSingleDialog::OnLeftButtonDown(WPARAM, LPARAM point) {
  OnLeftPress(point);
  return 0;
}

MessageResult CSingleDialog::OnLeftButtonDoubleClick(WPARAM, LPARAM point) {
  if (IsLeftPress(WM_LBUTTONDBLCLK, ui::ClickTarget::Surface)) OnLeftPress(point);
  return 0;
}

MessageResult CSingleDialog::OnDestroy(WPARAM, LPARAM) {
  hook_.reset();
  return std::nullopt;
}

bool CSingleDialog::PreTranslateMessage(MSG& message) {
  // The Windows keys' own messages stop here (their names were captured by the hook already); other
  // messages whose first parameter happens to be 0x5B or 0x5C go on.
  if (IsKeyMessage(message.message) && (message.wParam == VK_LWIN || message.wParam == VK_RWIN)) return true;
  return SkinnedDialog::PreTranslateMessage(message);
}

void CSingleDialog::OnLeftPress(LPARAM lParam) {
  const ua::PressResult result = capture_.OnPress(LogicalPoint(lParam));
  if (result == ua::PressResult::Drag) {
    ::ReleaseCapture();
    ::SendMessageW(hwnd(), WM_NCLBUTTONDOWN, HTCAPTION, 0);
    return;
  }
  Finish(result);
}

void CSingleDialog::Finish(ua::PressResult result) {
  if (result == ua::PressResult::Cancel) {
    Close(IDCANCEL);
  } else if (result == ua::PressResult::Ok) {
    choice_ = AcceptOrShowRefusal(hwnd(), capture_.Confirm(language_));
    if (choice_) Close(IDOK);
  }
}

}  // namespace quendar::win32
