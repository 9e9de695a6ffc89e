#pragma once
// What a skinned dialog shows: its background image, its image buttons (the normal or, while pointed at,
// the "over" image, with a caption centred in the button), then the dialog's own texts.
#include <cstddef>
#include <string>
#include <vector>

#include "core/ui/draw/draw_list.h"
#include "core/ui/geometry.h"

namespace quendar::ui {

struct ImageButton {
  int id = 0;           // handed back when the button is clicked
  Rect rect;            // client pixels
  std::string normal;   // skin image names
  std::string over;
  std::wstring caption; // drawn centred in the dialog font and the skin text colour; may be empty
  friend bool operator==(const ImageButton&, const ImageButton&) = default;
};

// Shown instead of a missing background, so the window keeps a visible, working surface.
inline constexpr Color kMissingBackgroundFill{24, 24, 28};

struct SkinnedDialogLook {
  std::string background;   // skin image name; drawn at (0, 0)
  bool backgroundLoaded = true;
  Size client;              // the window's client size (the background's, or the fallback)
  Color textColor;          // the skin's text colour
};

// The dialog's paint over `area` (its whole client area for a full paint, one button for a hover repaint).
// `hot` holds a flag per button (missing flags count as not hot).
DrawList BuildSkinnedDialogList(const SkinnedDialogLook& look, const std::vector<ImageButton>& buttons,
                                const std::vector<bool>& hot, Rect area);

// The client size of a dialog whose background is missing: large enough for all its buttons (so close
// and Cancel can still be clicked) with a margin, and never smaller than `minimum`.
Size FallbackDialogSize(const std::vector<ImageButton>& buttons, Size minimum = {160, 80});

}  // namespace quendar::ui
