#pragma once
// What the macro manager draws itself besides its image buttons, which the skinned dialog base draws
// with their pointer-over images.
#include <vector>

#include "core/ui/draw/draw_list.h"
#include "core/ui/draw/skinned_dialog_access.h"
#include "core/ui/draw/skinned_dialog_view.h"
#include "core/ui/interface_language.h"
#include "core/ui/macro_manager/macro_manager_layout.h"

namespace quendar::ui::macro_manager {

// Ids of the image buttons.
enum ButtonId : int { kCloseButton = 1, kNewButton, kDeleteButton, kOkButton, kCancelButton };

std::vector<ImageButton> MacroManagerButtons(LanguageClass language);

struct MacroManagerLook {
  bool recording = false;
  bool recordDelays = false;
  bool useLoopCount = false;
};

// The title, the labels, the record button and the two tick boxes.
void AppendMacroManagerElements(DrawList& list, const MacroManagerLook& look, LanguageClass language,
                                Color textColor);

// The record button and the two tick boxes (each with its label) for screen readers and the keyboard,
// and the names of the two lists and the loop-times field (their drawn labels).
DialogParts MacroManagerParts(const MacroManagerLook& look, LanguageClass language);

// The rectangle a button id stands for.
Rect ButtonRect(int id);

}  // namespace quendar::ui::macro_manager
