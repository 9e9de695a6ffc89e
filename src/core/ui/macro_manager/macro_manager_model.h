#pragma once
// The macro manager as a model: window events in, the changed parts and the things to do out. The shell
// keeps its lists, tick boxes and fields in step with the state after each event; the store is written
// as the user edits, as the dialog always has.

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/macros/macro_block.h"
#include "core/macros/macro_store.h"
#include "core/macros/recorder.h"
#include "core/ui/geometry.h"
#include "core/ui/interface_language.h"
#include "core/ui/list_edit.h"
#include "core/ui/macro_manager/macro_manager_layout.h"
#include "core/ui/macro_manager/macro_manager_texts.h"

namespace quendar::ui::macro_manager {

// The keyboard hook that feeds a recording, installed on the user-interface thread.
class RecordingHook {
 public:
  virtual ~RecordingHook() = default;
  // Nothing on success, or the platform's error code.
  virtual std::optional<std::uint32_t> Install() = 0;
  virtual void Remove() = 0;
};

// A message box to show once the event is handled.
struct Notice {
  std::wstring text;
  std::wstring caption;
  friend bool operator==(const Notice&, const Notice&) = default;
};

enum class EditedList { Macros, Sequence };
struct EditorRequest {
  EditedList list = EditedList::Sequence;
  std::size_t index = 0;
  EditTarget target = EditTarget::None;
  friend bool operator==(const EditorRequest&, const EditorRequest&) = default;
};

enum class DialogEnd { Ok, Cancel };

// The parts of the dialog the shell shows afresh from the model's state.
enum class Part {
  MacroList,  // names and selection
  Sequence,   // items, selection (scrolled into view)
  Options,    // tick boxes, loop-times field text and whether it is enabled
  Recording,  // record button text, window text
};
struct Refresh {
  Part part = Part::MacroList;
  friend bool operator==(const Refresh&, const Refresh&) = default;
};
struct FocusSequence {
  friend bool operator==(const FocusSequence&, const FocusSequence&) = default;
};
// Start moving the window, as a press on a caption would.
struct DragWindow {
  friend bool operator==(const DragWindow&, const DragWindow&) = default;
};

// What an event asks of the shell, as every model of the program answers: a list of typed effects. The
// shell refreshes the named parts, then shows the notice (at once when the dialog ends with it), opens the
// editor, ends the dialog or starts moving the window.
using Effect = std::variant<Refresh, FocusSequence, Notice, EditorRequest, DialogEnd, DragWindow>;
using Effects = std::vector<Effect>;

// The first effect of its kind in `effects`, if any.
template <class Kind>
std::optional<Kind> Find(const Effects& effects) {
  for (const Effect& effect : effects) {
    if (const auto* found = std::get_if<Kind>(&effect)) return *found;
  }
  return std::nullopt;
}
inline bool Refreshes(const Effects& effects, Part part) {
  return std::find(effects.begin(), effects.end(), Effect{Refresh{part}}) != effects.end();
}

// The keyboard filter's verdict on a message before the dialog sees it.
enum class KeyVerdict { Pass, Consume, ActAsOk };
enum class KeyMessageKind { KeyDown, OtherKey };

// "Macro" + "_" + a number that no listed macro has: one more than the number after the first "_" of
// the last name, or the count of names.
std::wstring NewMacroName(const std::vector<std::wstring>& names, std::wstring_view baseName);

class MacroManagerModel {
 public:
  MacroManagerModel(macros::MacroStore& store, macros::MacroSession& session, RecordingHook& hook,
                    LanguageClass language);

  // Fills the lists from the store and shows the first macro.
  Effects Open();

  Effects Click(Point point);
  Effects SelectMacro(std::optional<std::size_t> index);
  Effects DoubleClickMacro(std::size_t index);
  Effects SelectSequenceItem(std::optional<std::size_t> index);
  Effects LoopTimesChanged(std::wstring text);
  Effects Command(MenuCommand command);
  Effects KeyEvent(macros::KeyEventKind kind, std::uint32_t nowTick);
  Effects EditEnded(const ListEditEnd& end);
  // The OK button, and Enter where it stands for it: saves the selected macro and builds the table.
  Effects Ok();
  // The dialog goes away without OK: an installed hook is removed, a recording ends unsaved.
  void Close();

  KeyVerdict FilterKey(KeyMessageKind kind, std::uint32_t virtualKey, bool editorOpen) const;
  // Lines to scroll the sequence list by for a wheel turn (positive: down).
  static int WheelLines(int wheelDelta) { return wheelDelta < 0 ? 3 : -3; }

  const macros::MacroEditorState& state() const { return state_; }
  std::optional<std::size_t> sequenceSelection() const { return sequenceSelection_; }
  bool loopFieldEnabled() const { return loopFieldEnabled_; }
  bool recording() const { return session_.recorder.recording(); }
  const std::wstring& windowText() const { return windowText_; }
  const macros::MacroTable& table() const { return table_; }
  std::wstring_view text(MacroText which) const;

 private:
  Effects StartRecording();
  Effects StopRecording();
  Effects NewMacro();
  Effects DeleteMacro();
  Effects DeleteItem();
  Effects InsertClick(std::wstring_view clickLabel);
  Effects InsertDelay();
  Effects RenameMacro(std::size_t index, std::wstring text);
  Effects CommitDelay(std::size_t index, std::wstring_view text);
  void SetFlags(bool recordDelays, bool useLoopCount);
  void SetLoopTimes(std::wstring text, Effects& effects);
  // False, with the failure as the notice, when a store write failed.
  bool Check(const files::WriteResult& written, Effects& effects) const;
  // Saves the selected macro; a change that makes it too long for its block is reported once.
  void SaveAfterChange(bool wasCut, Effects& effects);
  bool SelectedMacroCut() const;
  Notice CutNotice(const std::vector<std::wstring>& names) const;
  Notice Warning(MacroText which) const;

  macros::MacroStore& store_;
  macros::MacroSession& session_;
  RecordingHook& hook_;
  LanguageClass language_;
  macros::MacroEditorState state_;
  std::optional<std::size_t> sequenceSelection_;
  std::optional<std::size_t> lastClickedDelay_;
  std::optional<std::size_t> lastDoubleClickedMacro_;
  bool loopFieldEnabled_ = false;
  bool hookInstalled_ = false;
  std::wstring windowText_;
  macros::MacroTable table_{};
};

}  // namespace quendar::ui::macro_manager
