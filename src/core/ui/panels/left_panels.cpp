#include "core/ui/panels/left_panels.h"

#include <string>

#include "core/ui/panels/click_rules.h"
#include "core/ui/panels/panel_access.h"
#include "core/ui/panels/panel_common.h"
#include "core/ui/panels/panel_images.h"

namespace quendar::ui::panels {

namespace {

// The Y row lies 60 pixels below the X row.
int RowOffset(Axis axis) { return axis == Axis::X ? 0 : 60; }

std::uint8_t& Sensitivity(profiles::ProfileRecord& record, Axis axis) {
  return axis == Axis::X ? record.SensitivityX() : record.SensitivityY();
}

constexpr int kScaleLabels = 10;
constexpr int kScalePitch = 21;

}  // namespace

Rect SensitivitySliderRect(const main::PanelFrame& frame, Axis axis) {
  return At(frame, 17, 40 + RowOffset(axis), 225, 49 + RowOffset(axis));
}

Rect LightOnBoxRect(const main::PanelFrame& frame) { return At(frame, 10, 15, 20, 24); }
Rect LightOffBoxRect(const main::PanelFrame& frame) { return At(frame, 131, 15, 141, 24); }

void SensitivityPanel::Draw(const main::PanelFrame& frame, DrawList& list) const {
  for (Axis axis : {Axis::X, Axis::Y}) {
    const int row = RowOffset(axis);
    const TextSlot caption = axis == Axis::X ? TextSlot::XAxis : TextSlot::YAxis;
    list.Text(std::wstring(Text(frame.language, caption)), At(frame, 17, 20 + row, 242, 40 + row), FontRole::Label,
              frame.textColor, TextAlign::Left);
    list.Image(SensitivitySliderImage(Sensitivity(record_, axis)), SensitivitySliderRect(frame, axis).TopLeft());
    for (int k = 1; k <= kScaleLabels; ++k) {
      const int x = 24 + kScalePitch * (k - 1);
      list.Text(std::to_wstring(k), At(frame, x, 57 + row, x + kScalePitch, 77 + row), FontRole::Arial,
                frame.textColor, TextAlign::Left);
    }
  }
}

void SensitivityPanel::Describe(const main::PanelFrame& frame, access::Tree& out) const {
  for (Axis axis : {Axis::X, Axis::Y}) {
    const Rect slider = SensitivitySliderRect(frame, axis);
    const int value = axis == Axis::X ? record_.SensitivityX() : record_.SensitivityY();
    const TextSlot caption = axis == Axis::X ? TextSlot::XAxis : TextSlot::YAxis;
    access::Node node = access::MakeNode(axis == Axis::X ? 1 : 2, std::wstring(Text(frame.language, caption)),
                                         access::Role::Slider, slider, access::Action::None);
    node.value = std::to_wstring(value);
    SetSteps(node, ScanPoints({slider.left, node.press.y}, {1, 0}, slider.Width(),
                              [&](Point p) { return std::optional<int>(SensitivityValueAt(p.x, slider.left)); }),
             value);
    out.push_back(std::move(node));
  }
}

void SensitivityPanel::OnPress(main::DispatchStage stage, Point point, const main::PanelFrame& frame,
                               main::Effects& out) {
  if (stage != main::DispatchStage::BeforeRows) return;
  for (Axis axis : {Axis::X, Axis::Y}) {
    const Rect slider = SensitivitySliderRect(frame, axis);
    if (!slider.Contains(point)) continue;
    std::uint8_t& value = Sensitivity(record_, axis);
    const auto chosen = static_cast<std::uint8_t>(SensitivityValueAt(point.x, slider.left));
    if (chosen != value) {
      value = chosen;
      Repaint(out, slider);
    }
    return;
  }
}

void LightButtonPanel::Draw(const main::PanelFrame& frame, DrawList& list) const {
  const bool on = record_.ButtonLightOn() == 1;
  list.Image(SwitchImage(on), LightOnBoxRect(frame).TopLeft());
  list.Text(std::wstring(Text(frame.language, TextSlot::On)), At(frame, 23, 10, 90, 29), FontRole::Label,
            frame.textColor, TextAlign::Left);
  list.Image(SwitchImage(!on), LightOffBoxRect(frame).TopLeft());
  list.Text(std::wstring(Text(frame.language, TextSlot::Off)), At(frame, 144, 10, 211, 29), FontRole::Label,
            frame.textColor, TextAlign::Left);
}

void LightButtonPanel::Describe(const main::PanelFrame& frame, access::Tree& out) const {
  const bool on = record_.ButtonLightOn() == 1;
  const std::size_t first = out.size();
  out.push_back(Radio(1, Text(frame.language, TextSlot::On), LightOnBoxRect(frame), on));
  out.push_back(Radio(2, Text(frame.language, TextSlot::Off), LightOffBoxRect(frame), !on));
  LinkRadioRow(out, first);
}

void LightButtonPanel::OnPress(main::DispatchStage stage, Point point, const main::PanelFrame& frame,
                               main::Effects& out) {
  if (stage != main::DispatchStage::BeforeRows) return;
  std::uint8_t chosen;
  if (LightOnBoxRect(frame).Contains(point)) {
    chosen = 1;
  } else if (LightOffBoxRect(frame).Contains(point)) {
    chosen = 0;
  } else {
    return;
  }
  if (record_.ButtonLightOn() == chosen) return;
  record_.ButtonLightOn() = chosen;
  Repaint(out, LightOnBoxRect(frame));
  Repaint(out, LightOffBoxRect(frame));
}

}  // namespace quendar::ui::panels
