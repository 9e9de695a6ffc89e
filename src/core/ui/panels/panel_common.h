#pragma once
// What the settings panels share: the images of a two-state switch and the repaint a changed element asks for.
#include <string>
#include <string_view>

#include "core/ui/geometry.h"
#include "core/ui/main/panel.h"
#include "core/ui/skin_manifest.h"

namespace quendar::ui::panels {

// The "/Enable.png" / "/Disable.png" pair of the stage switches, the light button and the lighting rows.
inline std::string SwitchImage(bool on) { return std::string(on ? skin::kSwitchOn.name : skin::kSwitchOff.name); }

// The pair of the scroll panel's two choice boxes.
inline std::string ScrollChoiceImage(bool on) {
  return std::string(on ? skin::kScrollChoiceOn.name : skin::kScrollChoiceOff.name);
}

inline void Repaint(main::Effects& out, Rect area) { out.emplace_back(main::Repaint{area}); }

// An element rectangle given as offsets from the panel's top-left corner.
inline Rect At(const main::PanelFrame& frame, int left, int top, int right, int bottom) {
  return Rect{left, top, right, bottom}.Offset(frame.area.left, frame.area.top);
}

}  // namespace quendar::ui::panels
