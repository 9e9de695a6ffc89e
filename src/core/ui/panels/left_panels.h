#pragma once
// The two panels of the left column: X/Y sensitivity (two horizontal sliders with their scales) and the
// M1-M5 light button ("ON" / "OFF").
#include "core/profiles/profile_record.h"
#include "core/ui/main/panel.h"

namespace quendar::ui::panels {

enum class Axis { X, Y };

Rect SensitivitySliderRect(const main::PanelFrame& frame, Axis axis);
Rect LightOnBoxRect(const main::PanelFrame& frame);
Rect LightOffBoxRect(const main::PanelFrame& frame);

class SensitivityPanel final : public main::Panel {
 public:
  explicit SensitivityPanel(profiles::ProfileRecord& record) : record_(record) {}
  void Draw(const main::PanelFrame& frame, DrawList& list) const override;
  void Describe(const main::PanelFrame& frame, access::Tree& out) const override;
  void OnPress(main::DispatchStage stage, Point point, const main::PanelFrame& frame, main::Effects& out) override;

 private:
  profiles::ProfileRecord& record_;
};

class LightButtonPanel final : public main::Panel {
 public:
  explicit LightButtonPanel(profiles::ProfileRecord& record) : record_(record) {}
  void Draw(const main::PanelFrame& frame, DrawList& list) const override;
  void Describe(const main::PanelFrame& frame, access::Tree& out) const override;
  void OnPress(main::DispatchStage stage, Point point, const main::PanelFrame& frame, main::Effects& out) override;

 private:
  profiles::ProfileRecord& record_;
};

}  // namespace quendar::ui::panels
