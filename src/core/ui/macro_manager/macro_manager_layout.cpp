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

}  // namespace quendar::ui::macro_manager
