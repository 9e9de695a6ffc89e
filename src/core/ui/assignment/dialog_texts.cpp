#include "core/ui/assignment/dialog_texts.h"

#include <array>

#include "core/text/translated.h"

namespace quendar::ui::assignment {

namespace {

using Texts = text::Translated;

constexpr const Texts& kOk = text::kOkCaption;
constexpr const Texts& kComboOk = text::kOkCapitalCaption;
constexpr const Texts& kCancel = text::kCancelCaption;
constexpr Texts kPrompt{L"Please enter a key", L"请输入一个按键", L"請輸入一個按鍵"};
// The label reads the same in every language.
constexpr Texts kSelectMacro{L"Please select a macro", L"Please select a macro", L"Please select a macro"};
constexpr std::array<Texts, 3> kRepeatModes{{
    {L"Repeat a specified number of times or press any key to end", L"重复指定次数或按任意键结束",
     L"重複指定次數或按任意鍵結束"},
    {L"Repeat until press any  mouse button to end", L"重复直到按任意键结束", L"重複直到按任意鍵結束"},
    {L"Repeat until the key is released", L"重复直到该按键松开结束", L"重複直到該按鍵鬆開結束"},
}};
constexpr Texts kDeadKey{L" cannot be sent by the mouse. Please press another key.",
                         L" 无法由鼠标发送，请按其他按键。", L" 無法由滑鼠送出，請按其他按鍵。"};
constexpr Texts kNoMacroChosen{L"Please select a macro first.", L"请先选择一个宏。", L"請先選擇一個巨集。"};
constexpr Texts kEmptyStore{L"There is no macro yet. Record one in the Macro Manager first.",
                            L"还没有宏，请先在宏管理器中录制。", L"還沒有巨集，請先在宏管理器中錄製。"};

}  // namespace

std::wstring_view OkText(CaptureDialog dialog, LanguageClass language) {
  return (dialog == CaptureDialog::ComboKey ? kComboOk : kOk).In(language);
}
std::wstring_view CancelText(LanguageClass language) { return kCancel.In(language); }
std::wstring_view SingleKeyPrompt(LanguageClass language) { return kPrompt.In(language); }
std::wstring_view MacroSelectLabel(LanguageClass language) { return kSelectMacro.In(language); }

std::wstring_view RepeatModeText(LanguageClass language, int mode) {
  if (mode < 0 || mode >= static_cast<int>(kRepeatModes.size())) return {};
  return kRepeatModes[static_cast<std::size_t>(mode)].In(language);
}

std::wstring DeadKeyWarning(LanguageClass language, std::wstring_view keyName) {
  return L"\"" + std::wstring(keyName) + L"\"" + std::wstring(kDeadKey.In(language));
}
std::wstring_view NoMacroChosenWarning(LanguageClass language) { return kNoMacroChosen.In(language); }
std::wstring_view EmptyMacroStoreWarning(LanguageClass language) { return kEmptyStore.In(language); }

std::wstring HookInstallErrorText(CaptureDialog dialog, unsigned long systemError) {
  const std::wstring_view head = dialog == CaptureDialog::ComboKey ? L"KeyboardHook_ComboDlg Install error code :"
                                                                    : L"KeyboardHook_SingleDlgKey Install error code :";
  return std::wstring(head) + std::to_wstring(systemError) + L"\n";
}

std::wstring_view BackgroundErrorCaption(CaptureDialog dialog) {
  switch (dialog) {
    case CaptureDialog::SingleKey: return L"Single Key Dialog Load background image failed!!!";
    case CaptureDialog::ComboKey: return L"Combo Dialog Load background image failed!!!";
    case CaptureDialog::MacroKey: return L"Macro Key Dialog Load background image failed!!!";
  }
  return {};
}

}  // namespace quendar::ui::assignment
