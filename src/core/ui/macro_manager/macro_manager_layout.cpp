#include "core/ui/macro_manager/macro_manager_layout.h"

#include <utility>

namespace quendar::ui::macro_manager {

std::optional<Hit> HitTest(Point point) {
  static constexpr std::pair<Hit, Rect> kOrder[] = {
      {Hit::Ok, kOkRect},         {Hit::Cancel, kCancelRect},       {Hit::Close, kCloseRect},
      {Hit::Record, kRecordRect}, {Hit::DelayTick, kDelayTickRect}, {Hit::LoopTick, kLoopTickRect},
      {Hit::New, kNewRect},       {Hit::Delete, kDeleteRect},
  };
  for (const auto& [hit, rect] : kOrder) {
    if (rect.Contains(point)) return hit;
  }
  return std::nullopt;
}

Rect HoverButtonRect(HoverButton button) {
  switch (button) {
    case HoverButton::Close: return kCloseRect;
    case HoverButton::New: return kNewRect;
    case HoverButton::Delete: return kDeleteRect;
    case HoverButton::Ok: return kOkRect;
    case HoverButton::Cancel: return kCancelRect;
  }
  return {};
}

std::optional<HoverButton> HoverTest(Point point) {
  for (HoverButton button : {HoverButton::Close, HoverButton::New, HoverButton::Delete, HoverButton::Ok,
                             HoverButton::Cancel}) {
    if (HoverButtonRect(button).Contains(point)) return button;
  }
  return std::nullopt;
}

}  // namespace quendar::ui::macro_manager
