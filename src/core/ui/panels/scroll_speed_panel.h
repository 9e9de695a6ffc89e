#pragma once
// The scroll-speed panel of the right column's sixth section: "The number of rows" with a number box
// (a child edit control) and its arrows, or "Scroll one screen".
#include <optional>

#include "core/profiles/profile_record.h"
#include "core/ui/main/panel.h"

namespace quendar::ui::panels {

inline constexpr int kNumberBoxId = 121;
// The notification an edit control sends its parent when its text changed (the platform's EN_CHANGE).
inline constexpr int kEditChangedNotice = 0x0300;

Rect ScrollLinesChoiceRect(const main::PanelFrame& frame);
Rect ScrollScreenChoiceRect(const main::PanelFrame& frame);
Rect NumberBoxRect(const main::PanelFrame& frame);      // the frame image
Rect NumberBoxEditRect(const main::PanelFrame& frame);  // the edit control on it
Rect ScrollUpArrowRect(const main::PanelFrame& frame);
Rect ScrollDownArrowRect(const main::PanelFrame& frame);

class ScrollSpeedPanel final : public main::Panel {
 public:
  ScrollSpeedPanel(profiles::ProfileRecord& record, main::PanelPlatform& platform)
      : record_(record), platform_(platform) {}

  void Draw(const main::PanelFrame& frame, DrawList& list) const override;
  void Describe(const main::PanelFrame& frame, access::Tree& out) const override;
  void OnPress(main::DispatchStage stage, Point point, const main::PanelFrame& frame, main::Effects& out) override;
  void OnPlaced(const std::optional<main::PanelFrame>& frame) override;
  void OnRecordChanged() override;
  bool OnControlNotice(int id, int code, main::Effects& out) override;

 private:
  // The wheel scrolls a screen for any stored value but 0, as the host setting is applied.
  bool OneScreen() const { return record_.ScrollOneScreen() != 0; }
  void Choose(bool oneScreen, const main::PanelFrame& frame, main::Effects& out);
  void StepLines(int lines);
  // Writes the number box's text without taking the change notice that writing raises for a change of
  // the user's.
  void WriteNumber(int lines);

  profiles::ProfileRecord& record_;
  main::PanelPlatform& platform_;
  bool numberBoxShown_ = false;
  bool writingNumber_ = false;
};

}  // namespace quendar::ui::panels
