#pragma once
// What the single-key, combination and macro assignment dialogs share: their three image buttons, their
// private hook messages and the dark colours of their lists and key boxes.
#include <windows.h>

#include <string_view>
#include <vector>

#include "core/ui/assignment/dialog_texts.h"
#include "core/ui/draw/skinned_dialog_view.h"
#include "win32/assignment/popup_list_box.h"

namespace quendar::win32 {

// Sent by the keyboard hook of each capture dialog; LPARAM carries the keystroke flags.
inline constexpr UINT kSingleKeyMessage = WM_USER + 0x704;
inline constexpr UINT kComboKeyMessage = WM_USER + 0x705;

inline constexpr int kCloseButtonId = 3;
// Posted to a capture dialog to report that its keyboard hook could not be installed (WPARAM: the error).
inline constexpr UINT kHookFailedMessage = WM_APP + 0x3A3;

// OK and Cancel with their captions in the language, and the close button.
std::vector<ui::ImageButton> AssignmentDialogButtons(ui::assignment::CaptureDialog dialog, ui::LanguageClass language);

// White text on dark grey: the key boxes and the lists of the dialogs.
inline constexpr COLORREF kBoxText = RGB(255, 255, 255);
inline constexpr COLORREF kBoxBackground = RGB(0x28, 0x28, 0x28);

// The "Warning" box of a refused OK.
void ShowRefusal(HWND owner, std::wstring_view text);

}  // namespace quendar::win32
