#pragma once
// The three command buttons at the bottom right of the main window and the operation each starts.
#include <array>

namespace quendar::app {

enum class CommandButton { None, Reset, Cancel, Save };

struct ButtonRect {
  int left, top, right, bottom;  // client coordinates; right and bottom lie outside
  bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
};

struct CommandButtonArea {
  CommandButton button;
  ButtonRect rect;
};

inline constexpr std::array<CommandButtonArea, 3> kCommandButtons{{
    {CommandButton::Reset, {798, 604, 855, 634}},
    {CommandButton::Cancel, {860, 604, 917, 634}},
    {CommandButton::Save, {923, 604, 980, 634}},
}};

constexpr CommandButton HitCommandButton(int x, int y) {
  for (const auto& area : kCommandButtons) {
    if (area.rect.Contains(x, y)) return area.button;
  }
  return CommandButton::None;
}

}  // namespace quendar::app
