#include "core/ui/macro_manager/macro_manager_view.h"

#include <string>

#include "core/ui/macro_manager/macro_manager_texts.h"

namespace quendar::ui::macro_manager {
namespace {

constexpr const char* kTickSet = "/MacroManagement/PaneMakingTick.png";
constexpr const char* kTickClear = "/MacroManagement/Pane.png";

struct ButtonLook {
  HoverButton button;
  const char* normal;
  const char* over;
  std::optional<MacroText> text;
};

constexpr ButtonLook kButtons[] = {
    {HoverButton::Close, "/macro-button-close-normal.png", "/macro-button-close-over.png", std::nullopt},
    {HoverButton::New, "/MacroManagement/button-new-normal.png", "/MacroManagement/button-new-over.png", MacroText::New},
    {HoverButton::Delete, "/MacroManagement/button-new-normal.png", "/MacroManagement/button-new-over.png",
     MacroText::Delete},
    {HoverButton::Ok, "/MacroManagement/button-cancel-normal.png", "/MacroManagement/button-cancel-over.png",
     MacroText::Ok},
    {HoverButton::Cancel, "/MacroManagement/button-cancel-normal.png", "/MacroManagement/button-cancel-over.png",
     MacroText::Cancel},
};

}  // namespace

DrawList BuildMacroManagerDrawList(const MacroManagerLook& look, LanguageClass language, Color textColor) {
  return BuildMacroManagerRegion(look, language, textColor, Rect{0, 0, 1 << 15, 1 << 15});
}

DrawList BuildMacroManagerRegion(const MacroManagerLook& look, LanguageClass language, Color textColor, Rect area) {
  DrawList list(area);
  const auto text = [&](MacroText which) { return std::wstring(MacroManagerText(language, which)); };
  const auto label = [&](MacroText which, Rect box, TextAlign align) {
    if (box.Intersects(area)) list.Text(text(which), box, FontRole::Dialog, textColor, align);
  };
  list.PushClip(area);
  list.Image(std::string(kBackgroundImage), {0, 0});
  label(MacroText::Title, kTitleRect, TextAlign::Left);
  label(MacroText::MacroListLabel, kMacroListLabelRect, TextAlign::Center);
  label(MacroText::SequenceLabel, kSequenceLabelRect, TextAlign::Center);
  label(MacroText::OptionsLabel, kOptionsLabelRect, TextAlign::Center);
  if (kRecordRect.Intersects(area)) {
    list.Image("/MacroManagement/Record-normal.png", kRecordRect.TopLeft());
    label(look.recording ? MacroText::StopRecording : MacroText::StartRecording, kRecordRect, TextAlign::Center);
  }
  if (kDelayOptionRect.Intersects(area)) {
    list.WrappedText(text(MacroText::DelayOption), kDelayOptionRect, FontRole::Dialog, textColor, TextAlign::Left);
  }
  if (kDelayTickRect.Intersects(area)) list.Image(look.recordDelays ? kTickSet : kTickClear, kDelayTickRect.TopLeft());
  if (kLoopTickRect.Intersects(area)) list.Image(look.useLoopCount ? kTickSet : kTickClear, kLoopTickRect.TopLeft());
  label(MacroText::LoopLabel, kLoopLabelRect, TextAlign::Left);
  for (const ButtonLook& button : kButtons) {
    const Rect box = HoverButtonRect(button.button);
    if (!box.Intersects(area)) continue;
    list.Image(look.hovered == button.button ? button.over : button.normal, box.TopLeft());
    if (button.text) label(*button.text, box, TextAlign::Center);
  }
  list.PopClip();
  return list;
}

}  // namespace quendar::ui::macro_manager
