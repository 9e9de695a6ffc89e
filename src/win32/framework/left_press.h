#pragma once
// The program's double-click rule (core/ui/double_click.h) applied to left-button messages.
#include <windows.h>

#include "core/ui/double_click.h"

namespace quendar::win32 {

// Whether a left-button message is a press a control of kind `target` acts on: every first press, and
// the second press of a double click only where the rule makes it a press.
inline bool IsLeftPress(UINT message, ui::ClickTarget target) {
  if (message == WM_LBUTTONDOWN) return true;
  return message == WM_LBUTTONDBLCLK && ui::SecondPressOn(target) == ui::SecondPress::Press;
}

}  // namespace quendar::win32
