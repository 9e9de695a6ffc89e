#include "core/ui/macro_manager/macro_manager_view.h"

#include <string>

#include "core/ui/macro_manager/macro_manager_texts.h"

namespace quendar::ui::macro_manager {
namespace {

constexpr const char* kTickSet = "/MacroManagement/PaneMakingTick.png";
constexpr const char* kTickClear = "/MacroManagement/Pane.png";
constexpr const char* kNewNormal = "/MacroManagement/button-new-normal.png";
constexpr const char* kNewOver = "/MacroManagement/button-new-over.png";
constexpr const char* kCancelNormal = "/MacroManagement/button-cancel-normal.png";
constexpr const char* kCancelOver = "/MacroManagement/button-cancel-over.png";

}  // namespace

std::vector<ImageButton> MacroManagerButtons(LanguageClass language) {
  const auto text = [&](MacroText which) { return std::wstring(MacroManagerText(language, which)); };
  return {
      {kCloseButton, kCloseRect, "/macro-button-close-normal.png", "/macro-button-close-over.png", L""},
      {kNewButton, kNewRect, kNewNormal, kNewOver, text(MacroText::New)},
      {kDeleteButton, kDeleteRect, kNewNormal, kNewOver, text(MacroText::Delete)},
      {kOkButton, kOkRect, kCancelNormal, kCancelOver, text(MacroText::Ok)},
      {kCancelButton, kCancelRect, kCancelNormal, kCancelOver, text(MacroText::Cancel)},
  };
}

DialogParts MacroManagerParts(const MacroManagerLook& look, LanguageClass language) {
  const auto text = [&](MacroText which) { return std::wstring(MacroManagerText(language, which)); };
  const auto tick = [&](int id, MacroText label, Rect box, Rect labelBox, bool set) {
    access::Node node = access::MakeNode(id, text(label), access::Role::CheckBox, box.Union(labelBox),
                                         set ? access::Action::Uncheck : access::Action::Check);
    node.press = box.Centre();
    node.state.checked = set;
    return node;
  };
  DialogParts parts;
  parts.nodes.push_back(access::MakeNode(kDialogPartNodes, text(look.recording ? MacroText::StopRecording
                                                                               : MacroText::StartRecording),
                                         access::Role::PushButton, kRecordRect));
  parts.nodes.push_back(tick(kDialogPartNodes + 1, MacroText::DelayOption, kDelayTickRect, kDelayOptionRect,
                             look.recordDelays));
  parts.nodes.push_back(tick(kDialogPartNodes + 2, MacroText::LoopLabel, kLoopTickRect, kLoopLabelRect,
                             look.useLoopCount));
  parts.controls = {{kMacroListId, text(MacroText::MacroListLabel)},
                    {kSequenceListId, text(MacroText::SequenceLabel)},
                    {kLoopTimesFieldId, text(MacroText::LoopLabel)}};
  return parts;
}

Rect ButtonRect(int id) {
  switch (id) {
    case kCloseButton: return kCloseRect;
    case kNewButton: return kNewRect;
    case kDeleteButton: return kDeleteRect;
    case kOkButton: return kOkRect;
    case kCancelButton: return kCancelRect;
    default: return {};
  }
}

void AppendMacroManagerElements(DrawList& list, const MacroManagerLook& look, LanguageClass language,
                                Color textColor) {
  const auto text = [&](MacroText which) { return std::wstring(MacroManagerText(language, which)); };
  list.Text(text(MacroText::Title), kTitleRect, FontRole::Dialog, textColor, TextAlign::Left);
  list.Text(text(MacroText::MacroListLabel), kMacroListLabelRect, FontRole::Dialog, textColor);
  list.Text(text(MacroText::SequenceLabel), kSequenceLabelRect, FontRole::Dialog, textColor);
  list.Text(text(MacroText::OptionsLabel), kOptionsLabelRect, FontRole::Dialog, textColor);
  list.Image("/MacroManagement/Record-normal.png", kRecordRect.TopLeft());
  list.Text(text(look.recording ? MacroText::StopRecording : MacroText::StartRecording), kRecordRect,
            FontRole::Dialog, textColor);
  list.WrappedText(text(MacroText::DelayOption), kDelayOptionRect, FontRole::Dialog, textColor);
  list.Image(look.recordDelays ? kTickSet : kTickClear, kDelayTickRect.TopLeft());
  list.Image(look.useLoopCount ? kTickSet : kTickClear, kLoopTickRect.TopLeft());
  list.Text(text(MacroText::LoopLabel), kLoopLabelRect, FontRole::Dialog, textColor, TextAlign::Left);
}

}  // namespace quendar::ui::macro_manager
