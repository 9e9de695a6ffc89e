#pragma once
// Where the macro manager's elements lie, in client pixels, and the ids of its controls and commands.
#include <optional>
#include <string_view>

#include "core/ui/geometry.h"

namespace quendar::ui::macro_manager {

inline constexpr std::string_view kBackgroundImage = "/MacroManagement/MacroManagement.png";

// The three real child controls.
inline constexpr int kMacroListId = 151;
inline constexpr int kSequenceListId = 152;
inline constexpr int kLoopTimesFieldId = 149;
inline constexpr Rect kMacroListRect{21, 82, 130, 353};
inline constexpr Rect kSequenceListRect{153, 82, 262, 353};
inline constexpr Rect kLoopTimesFieldRect{298, 333, 379, 345};

// The context menu of the sequence list (menu resource 180, popup "MacroList"), in menu order.
inline constexpr int kContextMenuResource = 180;
enum class MenuCommand : int {
  DeleteItem = 32772,
  InsertLeftButton = 32784,
  InsertMiddleButton = 32785,
  InsertRightButton = 32786,
  InsertDelay = 32794,
};
inline constexpr MenuCommand kMenuOrder[] = {MenuCommand::DeleteItem, MenuCommand::InsertLeftButton,
                                            MenuCommand::InsertMiddleButton, MenuCommand::InsertRightButton,
                                            MenuCommand::InsertDelay};

inline constexpr Rect kTitleRect{15, 0, 414, 31};
inline constexpr Rect kCloseRect{427, 17, 478, 41};
inline constexpr Rect kMacroListLabelRect{16, 60, 134, 78};
inline constexpr Rect kSequenceLabelRect{148, 60, 266, 78};
inline constexpr Rect kOptionsLabelRect{279, 60, 397, 78};
inline constexpr Rect kRecordRect{295, 87, 384, 111};
inline constexpr Rect kDelayOptionRect{290, 136, 370, 166};
inline constexpr Rect kDelayTickRect{370, 144, 384, 158};
inline constexpr Rect kLoopTickRect{296, 314, 310, 328};
inline constexpr Rect kLoopLabelRect{315, 314, 390, 328};
inline constexpr Rect kNewRect{17, 367, 75, 392};
inline constexpr Rect kDeleteRect{77, 367, 135, 392};
inline constexpr Rect kOkRect{298, 394, 352, 422};
inline constexpr Rect kCancelRect{354, 394, 408, 422};

// What a left click hits, tested in this order.
enum class Hit { Ok, Cancel, Close, Record, DelayTick, LoopTick, New, Delete };
std::optional<Hit> HitTest(Point point);

}  // namespace quendar::ui::macro_manager
