#pragma once
// The panels of the right column's sections 2 to 5: lighting (three effect rows with a slider each), the
// USB report-rate dial, and the two speed dials (mouse speed, double-click speed).
#include <cstdint>

#include "core/profiles/profile_record.h"
#include "core/ui/main/panel.h"

namespace quendar::ui::panels {

inline constexpr int kLightingRows = 3;

Rect LightingSelectorRect(const main::PanelFrame& frame, int row);
Rect LightingSliderRect(const main::PanelFrame& frame, int row);
Rect ReportRateDialRect(const main::PanelFrame& frame);
Point ReportRateDialCentre(const main::PanelFrame& frame);
Rect SpeedDialRect(const main::PanelFrame& frame);
Point SpeedDialCentre(const main::PanelFrame& frame);

class LightingPanel final : public main::Panel {
 public:
  explicit LightingPanel(profiles::ProfileRecord& record) : record_(record) {}
  void Draw(const main::PanelFrame& frame, DrawList& list) const override;
  void Describe(const main::PanelFrame& frame, access::Tree& out) const override;
  void OnPress(main::DispatchStage stage, Point point, const main::PanelFrame& frame, main::Effects& out) override;

 private:
  profiles::ProfileRecord& record_;
};

class ReportRatePanel final : public main::Panel {
 public:
  explicit ReportRatePanel(profiles::ProfileRecord& record) : record_(record) {}
  void Draw(const main::PanelFrame& frame, DrawList& list) const override;
  void Describe(const main::PanelFrame& frame, access::Tree& out) const override;
  void OnPress(main::DispatchStage stage, Point point, const main::PanelFrame& frame, main::Effects& out) override;

 private:
  profiles::ProfileRecord& record_;
};

// One speed dial; the mouse-speed and double-click panels differ only in the record byte they edit.
class SpeedPanel final : public main::Panel {
 public:
  SpeedPanel(profiles::ProfileRecord& record, profiles::RecordField field) : record_(record), field_(field) {}
  void Draw(const main::PanelFrame& frame, DrawList& list) const override;
  void Describe(const main::PanelFrame& frame, access::Tree& out) const override;
  void OnPress(main::DispatchStage stage, Point point, const main::PanelFrame& frame, main::Effects& out) override;

 private:
  std::uint8_t& Level() { return record_.Field(field_)[0]; }
  std::uint8_t Level() const { return record_.Field(field_)[0]; }

  profiles::ProfileRecord& record_;
  profiles::RecordField field_;
};

}  // namespace quendar::ui::panels
