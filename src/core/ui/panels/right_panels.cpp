#include "core/ui/panels/right_panels.h"

#include <array>
#include <cmath>
#include <numbers>
#include <string>

#include "core/ui/panels/click_rules.h"
#include "core/ui/panels/panel_access.h"
#include "core/ui/panels/panel_common.h"
#include "core/ui/panels/panel_images.h"

namespace quendar::ui::panels {

namespace {

constexpr int kRowPitch = 29;

struct ScaleLabel {
  const wchar_t* text;
  int offset;
};
// The scale under each lighting slider: brightness, then the two effects' cycle times.
constexpr std::array<std::array<ScaleLabel, 5>, kLightingRows> kLightingScales{{
    {{{L"0%", 0}, {L"25%", 25}, {L"50%", 55}, {L"75%", 85}, {L"100%", 115}}},
    {{{L"4S", 0}, {L"5S", 30}, {L"6S", 60}, {L"7S", 90}, {L"8S", 120}}},
    {{{L"3S", 0}, {L"6S", 30}, {L"9S", 60}, {L"12S", 90}, {L"15S", 120}}},
}};
constexpr int kScaleLabelWidth = 34;  // "100%" in the panels' 13-pixel Arial

constexpr TextSlot kEffectCaptions[kLightingRows] = {TextSlot::SingleColor, TextSlot::Pulsating,
                                                     TextSlot::MultiColor};

std::size_t Index(int row) { return static_cast<std::size_t>(row); }

int HalfWidth(const main::PanelFrame& frame) { return frame.area.Width() / 2; }

}  // namespace

Rect LightingSelectorRect(const main::PanelFrame& frame, int row) {
  const int y = kRowPitch * row;
  return At(frame, 10, 20 + y, 20, 29 + y);
}
Rect LightingSliderRect(const main::PanelFrame& frame, int row) {
  const int y = kRowPitch * row;
  return At(frame, 100, 20 + y, 228, 28 + y);
}

Rect ReportRateDialRect(const main::PanelFrame& frame) {
  const int w2 = HalfWidth(frame);
  return At(frame, w2 - 64, 5, w2 + 64, 133);
}
Point ReportRateDialCentre(const main::PanelFrame& frame) {
  return {frame.area.left + HalfWidth(frame), frame.area.top + 69};
}

Rect SpeedDialRect(const main::PanelFrame& frame) {
  const int w2 = HalfWidth(frame);
  return At(frame, w2 - 71, 20, w2 + 71, 103);
}
Point SpeedDialCentre(const main::PanelFrame& frame) { return {frame.area.left + HalfWidth(frame), frame.area.top + 91}; }

void LightingPanel::Draw(const main::PanelFrame& frame, DrawList& list) const {
  for (int row = 0; row < kLightingRows; ++row) {
    const int y = kRowPitch * row;
    list.Image(SwitchImage(record_.LightingEffect() == row + 1), LightingSelectorRect(frame, row).TopLeft());
    // The caption may use the room up to its slider.
    list.Text(std::wstring(Text(frame.language, kEffectCaptions[row])), At(frame, 25, 15 + y, 98, 34 + y),
              FontRole::Label, frame.textColor, TextAlign::Left);
    const Rect slider = LightingSliderRect(frame, row);
    list.Image(LightingSliderImage(record_.LightingSlider(Index(row))), slider.TopLeft());
    for (const ScaleLabel& label : kLightingScales[Index(row)]) {
      const int x = slider.left + label.offset;
      list.Text(label.text, {x, slider.bottom + 5, x + kScaleLabelWidth, slider.bottom + 20}, FontRole::Arial,
                frame.textColor, TextAlign::Left);
    }
  }
}

void LightingPanel::Describe(const main::PanelFrame& frame, access::Tree& out) const {
  if (frame.page != main::RightPage::Upper) return;
  const std::size_t first = out.size();
  for (int row = 0; row < kLightingRows; ++row)
    out.push_back(Radio(1 + row, Text(frame.language, kEffectCaptions[row]), LightingSelectorRect(frame, row),
                        record_.LightingEffect() == row + 1));
  LinkRadioRow(out, first);
  for (int row = 0; row < kLightingRows; ++row) {
    const Rect slider = LightingSliderRect(frame, row);
    const int value = record_.LightingSlider(Index(row));
    const std::wstring_view effect = Text(frame.language, kEffectCaptions[row]);
    access::Node node =
        access::MakeNode(11 + row, access::NameText(frame.language, access::Name::LightingLevel, effect),
                         access::Role::Slider, slider, access::Action::None);
    node.value = std::to_wstring(value);
    SetSteps(node, ScanPoints({slider.left, node.press.y}, {1, 0}, slider.Width(),
                              [&](Point p) { return std::optional<int>(LightingValueAt(p.x, slider.left)); }),
             value);
    out.push_back(std::move(node));
  }
}

void LightingPanel::OnPress(main::DispatchStage stage, Point point, const main::PanelFrame& frame,
                            main::Effects& out) {
  if (stage != main::DispatchStage::AfterRows || frame.page != main::RightPage::Upper) return;
  for (int row = 0; row < kLightingRows; ++row) {
    if (LightingSelectorRect(frame, row).Contains(point)) {
      if (record_.LightingEffect() == row + 1) return;
      record_.LightingEffect() = static_cast<std::uint8_t>(row + 1);
      for (int r = 0; r < kLightingRows; ++r) Repaint(out, LightingSelectorRect(frame, r));
      return;
    }
    const Rect slider = LightingSliderRect(frame, row);
    if (slider.Contains(point)) {
      std::uint8_t& value = record_.LightingSlider(Index(row));
      const auto chosen = static_cast<std::uint8_t>(LightingValueAt(point.x, slider.left));
      if (chosen == value) return;
      value = chosen;
      Repaint(out, slider);
      return;
    }
  }
}

void ReportRatePanel::Draw(const main::PanelFrame& frame, DrawList& list) const {
  list.Image(ReportRateDialImage(record_.ReportRateCode()), ReportRateDialRect(frame).TopLeft());
}

void ReportRatePanel::Describe(const main::PanelFrame& frame, access::Tree& out) const {
  if (frame.page != main::RightPage::Upper) return;
  const Point centre = ReportRateDialCentre(frame);
  access::Node node = access::MakeNode(1, std::wstring(Text(frame.language, TextSlot::ReportRateTitle)),
                                       access::Role::Slider, ReportRateDialRect(frame), access::Action::None);
  const int hz = ReportRateHz(record_.ReportRateCode());
  node.value = std::to_wstring(hz) + L" Hz";
  // One point inside the ring of each quadrant; the values are the rates, so the steps go up and down
  // in rate.
  ValuePoints points;
  for (const Point d : {Point{45, -45}, Point{-45, -45}, Point{45, 45}, Point{-45, 45}}) {
    const Point p{centre.x + d.x, centre.y + d.y};
    if (const std::optional<std::uint8_t> code = ReportRateCodeAt(p, centre)) points.emplace(ReportRateHz(*code), p);
  }
  SetSteps(node, points, hz);
  out.push_back(std::move(node));
}

void ReportRatePanel::OnPress(main::DispatchStage stage, Point point, const main::PanelFrame& frame,
                              main::Effects& out) {
  if (stage != main::DispatchStage::AfterRows || frame.page != main::RightPage::Upper) return;
  const Rect dial = ReportRateDialRect(frame);
  if (!dial.Contains(point)) return;
  const std::optional<std::uint8_t> code = ReportRateCodeAt(point, ReportRateDialCentre(frame));
  if (!code || *code == record_.ReportRateCode()) return;
  record_.ReportRateCode() = *code;
  Repaint(out, dial);
}

void SpeedPanel::Draw(const main::PanelFrame& frame, DrawList& list) const {
  const Rect dial = SpeedDialRect(frame);
  list.Image(SpeedDialImage(Level()), dial.TopLeft());
  list.Text(std::wstring(Text(frame.language, TextSlot::Slow)),
            {dial.left - 30, dial.bottom - 30, dial.left, dial.bottom}, FontRole::Label, frame.textColor,
            TextAlign::Center);
  list.Text(std::wstring(Text(frame.language, TextSlot::Fast)),
            {dial.right, dial.bottom - 30, dial.right + 30, dial.bottom}, FontRole::Label, frame.textColor,
            TextAlign::Center);
}

void SpeedPanel::Describe(const main::PanelFrame& frame, access::Tree& out) const {
  const bool pointer = field_.offset == profiles::field::kPointerSpeed.offset;
  const TextSlot title = pointer ? TextSlot::MouseSpeedTitle : TextSlot::DoubleClickSpeedTitle;
  access::Node node = access::MakeNode(1, std::wstring(Text(frame.language, title)), access::Role::Slider,
                                       SpeedDialRect(frame), access::Action::None);
  node.value = std::to_wstring(Level());
  // Along the middle of the ring, a degree at a time from the right end (fastest) to the left.
  const Point centre = SpeedDialCentre(frame);
  ValuePoints points;
  constexpr int kRadius = 57;
  for (int degree = 0; degree <= 180; ++degree) {
    const double angle = degree * std::numbers::pi / 180.0;
    const Point p{centre.x + static_cast<int>(std::lround(kRadius * std::cos(angle))),
                  centre.y - static_cast<int>(std::lround(kRadius * std::sin(angle)))};
    if (const std::optional<int> level = SpeedLevelAt(p, centre)) points.emplace(*level, p);
  }
  SetSteps(node, points, Level());
  out.push_back(std::move(node));
}

void SpeedPanel::OnPress(main::DispatchStage stage, Point point, const main::PanelFrame& frame, main::Effects& out) {
  if (stage != main::DispatchStage::AfterRows) return;
  const Rect dial = SpeedDialRect(frame);
  if (!dial.Contains(point)) return;
  const std::optional<int> level = SpeedLevelAt(point, SpeedDialCentre(frame));
  if (!level || *level == Level()) return;
  Level() = static_cast<std::uint8_t>(*level);
  Repaint(out, dial);
}

}  // namespace quendar::ui::panels
