#include "core/ui/panels/scroll_speed_panel.h"

#include <string>

#include "core/ui/panels/click_rules.h"
#include "core/ui/panels/panel_access.h"
#include "core/ui/panels/panel_common.h"

namespace quendar::ui::panels {

Rect ScrollLinesChoiceRect(const main::PanelFrame& frame) { return At(frame, 10, 15, 22, 27); }
Rect ScrollScreenChoiceRect(const main::PanelFrame& frame) { return At(frame, 10, 50, 22, 62); }
Rect NumberBoxRect(const main::PanelFrame& frame) { return At(frame, 150, 15, 186, 29); }
// Inside the frame's side borders and as tall as the frame, so a line of the 13-pixel font fits.
Rect NumberBoxEditRect(const main::PanelFrame& frame) { return At(frame, 151, 15, 185, 29); }
Rect ScrollUpArrowRect(const main::PanelFrame& frame) { return At(frame, 190, 15, 200, 21); }
Rect ScrollDownArrowRect(const main::PanelFrame& frame) { return At(frame, 190, 23, 200, 29); }

void ScrollSpeedPanel::Draw(const main::PanelFrame& frame, DrawList& list) const {
  const bool oneScreen = OneScreen();
  list.Image(ScrollChoiceImage(!oneScreen), ScrollLinesChoiceRect(frame).TopLeft());
  list.Text(std::wstring(Text(frame.language, TextSlot::NumberOfRows)), At(frame, 27, 15, 142, 27), FontRole::Label,
            frame.textColor, TextAlign::Left);
  list.Image(ScrollChoiceImage(oneScreen), ScrollScreenChoiceRect(frame).TopLeft());
  list.Text(std::wstring(Text(frame.language, TextSlot::ScrollOneScreen)), At(frame, 27, 50, 142, 62),
            FontRole::Label, frame.textColor, TextAlign::Left);
  list.Image(std::string(skin::kScrollLinesFrame.name), NumberBoxRect(frame).TopLeft());
}

void ScrollSpeedPanel::Describe(const main::PanelFrame& frame, access::Tree& out) const {
  const std::size_t first = out.size();
  out.push_back(Radio(1, Text(frame.language, TextSlot::NumberOfRows), ScrollLinesChoiceRect(frame), !OneScreen()));
  out.push_back(Radio(2, Text(frame.language, TextSlot::ScrollOneScreen), ScrollScreenChoiceRect(frame), OneScreen()));
  LinkRadioRow(out, first);
  // The number box's arrows as one spin: the box itself is a child control the platform names.
  access::Node lines = access::MakeNode(3, std::wstring(Text(frame.language, TextSlot::NumberOfRows)),
                                        access::Role::Slider, NumberBoxRect(frame), access::Action::None);
  const int value = record_.ScrollLines();
  lines.value = std::to_wstring(value);
  if (numberBoxShown_ && ScrollLinesUp(value) != value) lines.up = access::Step{ScrollUpArrowRect(frame).Centre()};
  if (numberBoxShown_ && ScrollLinesDown(value) != value)
    lines.down = access::Step{ScrollDownArrowRect(frame).Centre()};
  out.push_back(std::move(lines));
}

void ScrollSpeedPanel::OnPress(main::DispatchStage stage, Point point, const main::PanelFrame& frame,
                               main::Effects& out) {
  if (stage != main::DispatchStage::AfterRows) return;
  if (ScrollLinesChoiceRect(frame).Contains(point)) {
    Choose(false, frame, out);
  } else if (ScrollScreenChoiceRect(frame).Contains(point)) {
    Choose(true, frame, out);
  } else if (ScrollUpArrowRect(frame).Contains(point)) {
    StepLines(ScrollLinesUp(record_.ScrollLines()));
  } else if (ScrollDownArrowRect(frame).Contains(point)) {
    StepLines(ScrollLinesDown(record_.ScrollLines()));
  }
}

void ScrollSpeedPanel::Choose(bool oneScreen, const main::PanelFrame& frame, main::Effects& out) {
  const std::uint8_t chosen = oneScreen ? 1 : 0;
  if (record_.ScrollOneScreen() == chosen) return;
  record_.ScrollOneScreen() = chosen;
  if (numberBoxShown_) platform_.EnableChild(kNumberBoxId, !oneScreen);
  Repaint(out, ScrollLinesChoiceRect(frame));
  Repaint(out, ScrollScreenChoiceRect(frame));
}

void ScrollSpeedPanel::StepLines(int lines) {
  if (!numberBoxShown_ || lines == record_.ScrollLines()) return;
  record_.ScrollLines() = static_cast<std::uint8_t>(lines);
  WriteNumber(lines);
}

void ScrollSpeedPanel::WriteNumber(int lines) {
  writingNumber_ = true;
  platform_.SetChildText(kNumberBoxId, std::to_wstring(lines));
  writingNumber_ = false;
}

void ScrollSpeedPanel::OnPlaced(const std::optional<main::PanelFrame>& frame) {
  if (!frame) {
    if (numberBoxShown_) platform_.DestroyChild(kNumberBoxId);
    numberBoxShown_ = false;
    return;
  }
  main::ChildControl box;
  box.id = kNumberBoxId;
  box.kind = main::ChildKind::NumberBox;
  box.box = NumberBoxEditRect(*frame);
  box.text = std::to_wstring(record_.ScrollLines());
  box.enabled = !OneScreen();
  platform_.ShowChild(box);
  numberBoxShown_ = true;
}

void ScrollSpeedPanel::OnRecordChanged() {
  if (!numberBoxShown_) return;
  WriteNumber(record_.ScrollLines());
  platform_.EnableChild(kNumberBoxId, !OneScreen());
}

bool ScrollSpeedPanel::OnControlNotice(int id, int code, main::Effects& out) {
  if (id != kNumberBoxId) return false;
  if (code != kEditChangedNotice || writingNumber_ || !numberBoxShown_) return true;
  if (const std::optional<int> lines = ScrollLinesFromText(platform_.ChildText(kNumberBoxId))) {
    record_.ScrollLines() = static_cast<std::uint8_t>(*lines);
  } else {
    record_.ScrollLines() = kScrollLinesMin;
    WriteNumber(kScrollLinesMin);
  }
  return true;
}

}  // namespace quendar::ui::panels
