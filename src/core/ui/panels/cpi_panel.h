#pragma once
// The CPI panel of the right column's first section: seven stages, each with a level slider, its CPI
// value, an enable switch and a colour box (a child control, so that it shows the exact stage colour).
#include <optional>

#include "core/profiles/profile_record.h"
#include "core/ui/main/panel.h"

namespace quendar::ui::panels {

inline constexpr int kCpiStages = protocol::kCpiStageCount;
inline constexpr int kFirstColourBoxId = 71;  // stage 1; stage 7 is 77

// Element rectangles of stage 0..6 in a panel placed at `frame`.
Rect StageSliderRect(const main::PanelFrame& frame, int stage);
Rect StageValueRect(const main::PanelFrame& frame, int stage);
Rect StageSwitchRect(const main::PanelFrame& frame, int stage);
Rect StageColourRect(const main::PanelFrame& frame, int stage);

class CpiPanel final : public main::Panel {
 public:
  CpiPanel(profiles::ProfileRecord& record, main::PanelPlatform& platform) : record_(record), platform_(platform) {}

  void Draw(const main::PanelFrame& frame, DrawList& list) const override;
  void Describe(const main::PanelFrame& frame, access::Tree& out) const override;
  void OnPress(main::DispatchStage stage, Point point, const main::PanelFrame& frame, main::Effects& out) override;
  void OnPlaced(const std::optional<main::PanelFrame>& frame) override;
  void OnRecordChanged() override;
  // The colour box of stage s is target kFirstColourBoxId + s.
  bool OnColourChosen(int target, Color colour, main::Effects& out) override;

 private:
  void ShowColourBox(const main::PanelFrame& frame, int stage);
  void DestroyColourBoxes();

  profiles::ProfileRecord& record_;
  main::PanelPlatform& platform_;
  std::optional<main::PanelFrame> boxesAt_;  // where the colour boxes are, while they exist
};

}  // namespace quendar::ui::panels
