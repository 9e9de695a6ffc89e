#pragma once
// What the single-key, combination and macro assignment dialogs share besides their image buttons (in the
// core): their private hook messages and the dark colours of their lists and key boxes.
#include <windows.h>

#include <memory>
#include <optional>
#include <string_view>
#include <variant>
#include <vector>

#include "core/ui/assignment/assignment_access.h"
#include "core/ui/assignment/capture_dialogs.h"
#include "core/ui/assignment/dialog_texts.h"
#include "core/ui/draw/skinned_dialog_view.h"
#include "win32/assignment/popup_list_box.h"
#include "win32/framework/keyboard_hook.h"

namespace quendar::win32 {

// Sent by the keyboard hook of each capture dialog; LPARAM carries the keystroke flags.
inline constexpr UINT kSingleKeyMessage = WM_USER + 0x704;
inline constexpr UINT kComboKeyMessage = WM_USER + 0x705;

// Posted to a capture dialog to report that its keyboard hook could not be installed (WPARAM: the error).
inline constexpr UINT kHookFailedMessage = WM_APP + 0x3A3;

// The capture dialog's keyboard hook, reporting every keystroke to `dialog` as `keyMessage`. When the
// platform refuses it, kHookFailedMessage is posted to the dialog (shown once it is up; without the hook
// it stays open and captures nothing).
std::unique_ptr<KeyboardHook> InstallCaptureHook(HWND dialog, UINT keyMessage);
// The box that says the hook could not be installed (`error`: the platform's).
void ShowHookFailure(HWND dialog, ui::assignment::CaptureDialog which, WPARAM error);

// White text on dark grey: the key boxes and the lists of the dialogs.
inline constexpr COLORREF kBoxText = RGB(255, 255, 255);
inline constexpr COLORREF kBoxBackground = RGB(0x28, 0x28, 0x28);

// The "Warning" box of a refused OK.
void ShowRefusal(HWND owner, std::wstring_view text);

// An OK press's answer: the choice to keep, or nothing after the refusal was shown and the dialog stays.
template <class Choice>
std::optional<Choice> AcceptOrShowRefusal(HWND owner, ui::assignment::Confirmation<Choice> confirmation) {
  if (const auto* refusal = std::get_if<ui::assignment::Refusal>(&confirmation)) {
    ShowRefusal(owner, refusal->text);
    return std::nullopt;
  }
  return std::get<Choice>(std::move(confirmation));
}

}  // namespace quendar::win32
