#pragma once
// The parts of the assignment dialogs that are drawn, not windows, for screen readers: each with the
// click a mouse user makes on it.
#include <vector>

#include "core/ui/assignment/capture_dialogs.h"
#include "core/ui/assignment/dialog_texts.h"
#include "core/ui/draw/skinned_dialog_access.h"

namespace quendar::ui::assignment {

// The three dialogs' image buttons: OK and Cancel (ids 1 and 2, the platform's own answers) with their
// captions in the language, and the close cross.
inline constexpr int kOkButtonId = 1, kCancelButtonId = 2, kCloseButtonId = 3;
std::vector<ImageButton> AssignmentDialogButtons(CaptureDialog dialog, LanguageClass language);

// The macro box (a drop-down whose value is the chosen macro) and the three repeat modes (a radio row).
DialogParts MacroAssignmentParts(const MacroAssignment& assignment, LanguageClass language);

// The modifier box (a drop-down whose value is the chosen modifier).
DialogParts ComboKeyParts(const ComboKeyCapture& capture, LanguageClass language);

}  // namespace quendar::ui::assignment
