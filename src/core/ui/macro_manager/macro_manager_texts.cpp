#include "core/ui/macro_manager/macro_manager_texts.h"

#include "core/text/translated.h"

namespace quendar::ui {
namespace {

struct Row {
  MacroText text;  // checked against the position at compile time
  text::Translated texts;
};

constexpr Row kTable[] = {
    {MacroText::Ok, text::kOkCapitalCaption},
    {MacroText::Cancel, text::kCancelCaption},
    {MacroText::Title, L"Macro Manager", L"宏管理器", L"巨集管理器"},
    {MacroText::MacroListLabel, L"Select Macro", L"选择宏", L"選擇巨集"},
    {MacroText::SequenceLabel, L"Key Press Sequence", L"按鍵序列", L"按鍵序列"},
    {MacroText::OptionsLabel, L"Record Option", L"录制选项", L"錄製選項"},
    {MacroText::DelayOption, L"Record delays between key commands", L"记录按键动作间的延迟", L"記錄按鍵動作間的延遲"},
    {MacroText::LoopLabel, L"Loop Times", L"循环次数", L"迴圈次數"},
    {MacroText::New, L"New", L"新建", L"新建"},
    {MacroText::Delete, L"Delete", L"刪除", L"刪除"},
    {MacroText::NewMacroBaseName, L"Macro", L"宏", L"巨集"},
    {MacroText::StartRecording, L"Start Recording", L"开始录制", L"開始錄製"},
    {MacroText::StopRecording, L"Stop Recording", L"停止录制", L"停止錄製"},
    {MacroText::RecordingWindowText, L"Press Ctrl+Break key to stop recording", L"按 Ctrl+Break 停止录制",
     L"按Ctrl+Break 停止錄製"},
    {MacroText::InsertLeftButton, L"Insert the left Button", L"插入鼠标左键", L"插入滑鼠左鍵"},
    {MacroText::InsertMiddleButton, L"Insert the middle Button", L"插入鼠标中键", L"插入滑鼠中鍵"},
    {MacroText::InsertRightButton, L"Insert the right button", L"插入鼠标右键", L"插入滑鼠右鍵"},
    {MacroText::InsertDelay, L"Insert Delay", L"插入延时", L"插入延時"},
    {MacroText::WarningCaption, L"Warning", L"警告", L"警告"},
    {MacroText::TooManyMacros, L"Macro numbers up to 12.", L"最多可以新建12个宏。", L"最多可以新建12個巨集。"},
    {MacroText::NameBlank, L"Macro name is blank", L"宏名称为空", L"巨集名稱為空"},
    {MacroText::NameExists, L"Macro name already exists", L"宏名称已存在", L"巨集名稱已存在"},
    {MacroText::MacrosCut, L"Too long for the mouse, events left out: ", L"宏过长，超出部分未写入鼠标：",
     L"巨集過長，超出部分未寫入滑鼠："},
};
static_assert(std::size(kTable) == static_cast<std::size_t>(MacroText::Count));

constexpr bool RowsInOrder() {
  for (std::size_t i = 0; i < std::size(kTable); ++i) {
    if (static_cast<std::size_t>(kTable[i].text) != i) return false;
  }
  return true;
}
static_assert(RowsInOrder());

}  // namespace

std::wstring_view MacroManagerText(LanguageClass language, MacroText text) {
  return kTable[static_cast<std::size_t>(text)].texts.In(language);
}

}  // namespace quendar::ui
