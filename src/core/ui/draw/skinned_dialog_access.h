#pragma once
// A skinned dialog for screen readers and the keyboard: its image buttons, the parts the dialog draws and
// acts on itself (a record button, tick boxes, a link, a drop-down box) and its drawn texts as plain text,
// in reading order (top to bottom, then left to right). Built from the same button list and draw list the
// dialog paints, so what is heard is what is shown. The dialog's real child controls (list boxes, edit
// boxes) stay the platform's own objects; the dialog only names them and puts them in the Tab order.
#include <string>
#include <vector>

#include "core/ui/access/accessible.h"
#include "core/ui/draw/draw_list.h"
#include "core/ui/draw/skinned_dialog_view.h"

namespace quendar::ui {

// Image buttons keep their own ids (all below kDialogPartNodes); a dialog's own parts take ids from
// kDialogPartNodes on; a drawn text is kDialogTextNodes + its place in the draw list.
inline constexpr int kDialogPartNodes = 100;
inline constexpr int kDialogTextNodes = 1000;

// A real child control and what a screen reader calls it.
struct ControlName {
  int control = 0;
  std::wstring name;
  friend bool operator==(const ControlName&, const ControlName&) = default;
};

// What a dialog adds to its image buttons. A part's place holds the drawn texts that name it (a tick box
// and its label), so those texts are not said twice.
struct DialogParts {
  access::Tree nodes;
  std::vector<ControlName> controls;
};

// A button without a caption is the close cross, the one picture-only button the skins have: "Close".
access::Tree DescribeSkinnedDialog(const std::vector<ImageButton>& buttons, access::Tree parts,
                                   const DrawList& drawn, LanguageClass language, int focus);

// Where Tab rests in a dialog: one of its nodes, or one of its child controls (by control id).
struct FocusStop {
  int node = 0;
  int control = 0;
  friend bool operator==(const FocusStop&, const FocusStop&) = default;
};
struct ControlPlace {
  int control = 0;
  Rect place;
};

// The stop Tab (forward) or Shift+Tab reaches from `from`: the nodes that take the focus and the controls,
// merged in reading order, wrapping at the ends. From nowhere (or a stop that is gone) the first step lands
// on the first (backwards: the last) stop. {} when there is none.
FocusStop NextFocusStop(const access::Tree& tree, const std::vector<ControlPlace>& controls, FocusStop from,
                        bool forward);

}  // namespace quendar::ui
