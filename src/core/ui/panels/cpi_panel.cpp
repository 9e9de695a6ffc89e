#include "core/ui/panels/cpi_panel.h"

#include "core/profiles/cpi_levels.h"
#include "core/ui/panels/click_rules.h"
#include "core/ui/panels/panel_access.h"
#include "core/ui/panels/panel_common.h"
#include "core/ui/panels/panel_images.h"

namespace quendar::ui::panels {

namespace {
constexpr int kStagePitch = 35;

std::size_t Index(int stage) { return static_cast<std::size_t>(stage); }
}  // namespace

Rect StageSliderRect(const main::PanelFrame& frame, int stage) {
  const int x = kStagePitch * stage;
  return At(frame, 11 + x, 13, 20 + x, 161);
}
Rect StageValueRect(const main::PanelFrame& frame, int stage) {
  const int x = kStagePitch * stage;
  return At(frame, 1 + x, 183, 31 + x, 193);
}
Rect StageSwitchRect(const main::PanelFrame& frame, int stage) {
  const int x = kStagePitch * stage;
  return At(frame, 8 + x, 198, 18 + x, 207);
}
Rect StageColourRect(const main::PanelFrame& frame, int stage) {
  const int x = kStagePitch * stage;
  return At(frame, 8 + x, 213, 18 + x, 223);
}

void CpiPanel::Draw(const main::PanelFrame& frame, DrawList& list) const {
  for (int stage = 0; stage < kCpiStages; ++stage) {
    const int level = record_.CpiStageLevel(Index(stage));
    list.Image(CpiStageSliderImage(level), StageSliderRect(frame, stage).TopLeft());
    const Rect value = StageValueRect(frame, stage);
    list.Image(std::string(skin::kCpiValueBox.name), value.TopLeft());
    list.Text(profiles::CpiLevelText(level), value, FontRole::Arial, frame.textColor, TextAlign::Center);
    list.Image(SwitchImage(record_.CpiStageEnabled(Index(stage)) != 0), StageSwitchRect(frame, stage).TopLeft());
  }
}

void CpiPanel::Describe(const main::PanelFrame& frame, access::Tree& out) const {
  if (frame.page != main::RightPage::Upper) return;  // the panel takes no press on the lower page
  for (int stage = 0; stage < kCpiStages; ++stage) {
    const int level = record_.CpiStageLevel(Index(stage));
    const Rect slider = StageSliderRect(frame, stage);
    const auto name = [&](access::Name n) { return access::NameText(frame.language, n, stage + 1); };
    access::Node node = access::MakeNode(10 + stage, name(access::Name::CpiStageLevel), access::Role::Slider, slider,
                                         access::Action::None);
    node.value = profiles::CpiLevelText(level);
    // Upward from the slider's lowest pixel row, one pixel column inside it.
    SetSteps(node, ScanPoints({slider.left + slider.Width() / 2, slider.bottom - 1}, {0, -1}, slider.Height(),
                              [&](Point p) { return std::optional<int>(StageLevelAt(p.y, slider.bottom)); }),
             level);
    out.push_back(std::move(node));

    const bool on = record_.CpiStageEnabled(Index(stage)) != 0;
    node = access::MakeNode(20 + stage, name(access::Name::CpiStageSwitch),
                            access::Role::CheckBox, StageSwitchRect(frame, stage),
                            on ? access::Action::Uncheck : access::Action::Check);
    node.state.checked = on;
    out.push_back(std::move(node));

    out.push_back(access::MakeNode(30 + stage, name(access::Name::CpiStageColour), access::Role::PushButton,
                                   StageColourRect(frame, stage)));
  }
}

void CpiPanel::OnPress(main::DispatchStage stage, Point point, const main::PanelFrame& frame, main::Effects& out) {
  if (frame.page != main::RightPage::Upper) return;
  for (int i = 0; i < kCpiStages; ++i) {
    if (stage == main::DispatchStage::AfterRows) {
      const Rect slider = StageSliderRect(frame, i);
      if (!slider.Contains(point)) continue;
      std::uint8_t& level = record_.CpiStageLevel(Index(i));
      const auto chosen = static_cast<std::uint8_t>(StageLevelAt(point.y, slider.bottom));
      if (chosen == level) return;
      level = chosen;
      Repaint(out, slider);
      Repaint(out, StageValueRect(frame, i));
      return;
    }
    if (const Rect box = StageSwitchRect(frame, i); box.Contains(point)) {
      std::uint8_t& enabled = record_.CpiStageEnabled(Index(i));
      enabled = enabled != 0 ? 0 : 1;
      Repaint(out, box);
      return;
    }
    if (StageColourRect(frame, i).Contains(point)) {
      out.push_back(main::ChooseColour{kFirstColourBoxId + i});
      return;
    }
  }
}

bool CpiPanel::OnColourChosen(int target, Color colour, main::Effects&) {
  const int stage = target - kFirstColourBoxId;
  if (stage < 0 || stage >= kCpiStages) return false;
  record_.CpiStageColor(Index(stage), 0) = colour.red;
  record_.CpiStageColor(Index(stage), 1) = colour.green;
  record_.CpiStageColor(Index(stage), 2) = colour.blue;
  if (boxesAt_) ShowColourBox(*boxesAt_, stage);
  return true;
}

void CpiPanel::OnPlaced(const std::optional<main::PanelFrame>& frame) {
  DestroyColourBoxes();
  if (!frame || frame->page != main::RightPage::Upper) return;
  boxesAt_ = frame;
  for (int stage = 0; stage < kCpiStages; ++stage) ShowColourBox(*frame, stage);
}

void CpiPanel::OnRecordChanged() {
  if (!boxesAt_) return;
  for (int stage = 0; stage < kCpiStages; ++stage) ShowColourBox(*boxesAt_, stage);
}

void CpiPanel::ShowColourBox(const main::PanelFrame& frame, int stage) {
  main::ChildControl box;
  box.id = kFirstColourBoxId + stage;
  box.kind = main::ChildKind::ColourBox;
  box.box = StageColourRect(frame, stage);
  box.colour = {record_.CpiStageColor(Index(stage), 0), record_.CpiStageColor(Index(stage), 1),
                record_.CpiStageColor(Index(stage), 2)};
  platform_.ShowChild(box);
}

void CpiPanel::DestroyColourBoxes() {
  if (!boxesAt_) return;
  for (int stage = 0; stage < kCpiStages; ++stage) platform_.DestroyChild(kFirstColourBoxId + stage);
  boxesAt_.reset();
}

}  // namespace quendar::ui::panels
