#pragma once
// The texts of the single-key, combination and macro assignment dialogs in the three languages, and the
// fixed English texts of their failures.
#include <string>
#include <string_view>

#include "core/ui/interface_language.h"

namespace quendar::ui::assignment {

enum class CaptureDialog { SingleKey, ComboKey, MacroKey };

std::wstring_view OkText(CaptureDialog dialog, LanguageClass language);  // "Ok", "OK" in the combination dialog
std::wstring_view CancelText(LanguageClass language);
std::wstring_view SingleKeyPrompt(LanguageClass language);
std::wstring_view MacroSelectLabel(LanguageClass language);
// Repeat mode 0..2; empty for any other mode.
std::wstring_view RepeatModeText(LanguageClass language, int mode);

// Refusals of OK, shown with the caption "Warning".
std::wstring DeadKeyWarning(LanguageClass language, std::wstring_view keyName);
std::wstring_view NoMacroChosenWarning(LanguageClass language);
std::wstring_view EmptyMacroStoreWarning(LanguageClass language);

// "KeyboardHook_SingleDlgKey Install error code :%d\n" and its combination twin, filled in.
std::wstring HookInstallErrorText(CaptureDialog dialog, unsigned long systemError);

// The text "error" with this caption: the dialog's background image could not be loaded.
inline constexpr std::wstring_view kBackgroundErrorText = L"error";
std::wstring_view BackgroundErrorCaption(CaptureDialog dialog);

}  // namespace quendar::ui::assignment
