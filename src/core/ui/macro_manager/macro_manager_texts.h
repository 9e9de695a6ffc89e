#pragma once
// The macro manager's own texts in the three interface languages.
#include <cstddef>
#include <string_view>

#include "core/ui/interface_language.h"

namespace quendar::ui {

enum class MacroText : std::size_t {
  Ok, Cancel, Title, MacroListLabel, SequenceLabel, OptionsLabel, DelayOption, LoopLabel, New, Delete,
  NewMacroBaseName, StartRecording, StopRecording, RecordingWindowText, InsertLeftButton,
  InsertMiddleButton, InsertRightButton, InsertDelay, WarningCaption, TooManyMacros, NameBlank,
  NameExists, MacrosCut,
  Count
};

std::wstring_view MacroManagerText(LanguageClass language, MacroText text);

}  // namespace quendar::ui
