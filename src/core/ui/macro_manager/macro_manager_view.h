#pragma once
// What the macro manager draws itself (everything but its three child controls), as a draw list.
#include <optional>

#include "core/ui/draw/draw_list.h"
#include "core/ui/interface_language.h"
#include "core/ui/macro_manager/macro_manager_layout.h"

namespace quendar::ui::macro_manager {

struct MacroManagerLook {
  bool recording = false;
  bool recordDelays = false;
  bool useLoopCount = false;
  std::optional<HoverButton> hovered;
};

// The whole window.
DrawList BuildMacroManagerDrawList(const MacroManagerLook& look, LanguageClass language, Color textColor);

// Only what lies in `area` (a tick box, the record button, a hovered button), over the background.
DrawList BuildMacroManagerRegion(const MacroManagerLook& look, LanguageClass language, Color textColor, Rect area);

}  // namespace quendar::ui::macro_manager
