#include "core/ui/macro_manager/macro_manager_model.h"

#include <algorithm>

#include "core/profiles/file_problem_texts.h"
#include "core/ini/ini_store.h"
#include "core/macros/macro_item.h"
#include "core/text/case_fold.h"

namespace quendar::ui::macro_manager {
namespace {

// Adds the refreshes of `parts` that `effects` does not hold yet.
void Show(Effects& effects, std::initializer_list<Part> parts) {
  for (const Part part : parts) {
    if (!Refreshes(effects, part)) effects.push_back(Refresh{part});
  }
}

// One notice per event: a later one (a failed store write) takes the place of an earlier one.
void SetNotice(Effects& effects, Notice notice) {
  for (Effect& effect : effects) {
    if (std::holds_alternative<Notice>(effect)) {
      effect = std::move(notice);
      return;
    }
  }
  effects.push_back(std::move(notice));
}

using macros::MacroEventKind;

// Section names are compared without regard to case, so macro names are too.
bool SameName(std::wstring_view a, std::wstring_view b) { return text::EqualsIgnoringCase(a, b); }

// The store drops blanks around a section name; a name is kept the way it will read back.
std::wstring TrimBlanks(std::wstring_view text) {
  const auto first = text.find_first_not_of(L" \t");
  if (first == std::wstring_view::npos) return {};
  const auto last = text.find_last_not_of(L" \t");
  return std::wstring(text.substr(first, last - first + 1));
}

bool HoldsMs(std::wstring_view item) { return item.find(L"ms") != std::wstring_view::npos; }

constexpr std::uint32_t kVirtualKeyEnter = 0x0D;
constexpr std::uint32_t kVirtualKeyEscape = 0x1B;
constexpr std::uint32_t kVirtualKeyLeftWindows = 0x5B;
constexpr std::uint32_t kVirtualKeyRightWindows = 0x5C;

}  // namespace

std::wstring NewMacroName(const std::vector<std::wstring>& names, std::wstring_view baseName) {
  // 64 bits: one more than the largest stored number cannot overflow.
  long long number = static_cast<long long>(names.size());
  if (!names.empty()) {
    const std::wstring& last = names.back();
    if (const auto underscore = last.find(L'_'); underscore != std::wstring::npos) {
      number = static_cast<long long>(ini::ParseDecimal(std::wstring_view(last).substr(underscore + 1))) + 1;
    }
  }
  const auto make = [&](long long n) { return std::wstring(baseName) + L"_" + std::to_wstring(n); };
  while (std::ranges::any_of(names, [&](const std::wstring& name) { return SameName(name, make(number)); })) {
    ++number;
  }
  return make(number);
}

MacroManagerModel::MacroManagerModel(macros::MacroStore& store, macros::MacroSession& session, RecordingHook& hook,
                                     LanguageClass language)
    : store_(store), session_(session), hook_(hook), language_(language) {
  state_.recordDelays = session_.options.recordDelays;
  state_.useLoopCount = session_.options.useLoopCount;
}

std::wstring_view MacroManagerModel::text(MacroText which) const { return MacroManagerText(language_, which); }

Notice MacroManagerModel::Warning(MacroText which) const {
  return Notice{std::wstring(text(which)), std::wstring(text(MacroText::WarningCaption))};
}

Notice MacroManagerModel::CutNotice(const std::vector<std::wstring>& names) const {
  Notice notice = Warning(MacroText::MacrosCut);
  for (std::size_t i = 0; i < names.size(); ++i) notice.text.append(i == 0 ? L"" : L", ").append(names[i]);
  return notice;
}

void MacroManagerModel::SetFlags(bool recordDelays, bool useLoopCount) {
  state_.recordDelays = session_.options.recordDelays = recordDelays;
  state_.useLoopCount = session_.options.useLoopCount = useLoopCount;
}

void MacroManagerModel::SetLoopTimes(std::wstring text, Effects& effects) {
  state_.loopTimesText = std::move(text);
  Check(store_.StoreLoopCount(state_), effects);
}

bool MacroManagerModel::Check(const files::WriteResult& written, Effects& effects) const {
  if (!written.failed()) return true;
  // A failed store write outweighs any other notice: the user must know the macro was not kept.
  files::FileSystem& files = store_.fileSystem();
  SetNotice(effects, Notice{profiles::FailureText(written.failure(), language_,
                                                   [&files](int error) { return files.DescribeError(error); }),
                             std::wstring(text(MacroText::WarningCaption))});
  return false;
}

Effects MacroManagerModel::Open() {
  windowText_ = L"Macro Manager";
  state_.macroNames = store_.ListMacroNames();
  Effects effects{Refresh{Part::MacroList}, Refresh{Part::Sequence}, Refresh{Part::Options}, Refresh{Part::Recording}};
  if (!Check(store_.CheckReadable(), effects)) return effects;
  loopFieldEnabled_ = state_.useLoopCount;
  if (state_.macroNames.empty()) {
    SetLoopTimes(L"1", effects);
    return effects;
  }
  const macros::LoadedMacro loaded = store_.LoadMacro(state_.macroNames.front());
  SetFlags(loaded.recordDelays, loaded.useLoopCount);
  loopFieldEnabled_ = loaded.useLoopCount;
  state_.sequence = loaded.items;
  // Selected before the loop count is taken, so that the macro keeps its count when it is saved.
  state_.selected = 0;
  SetLoopTimes(loaded.loopCountText, effects);
  return effects;
}

Effects MacroManagerModel::Click(Point point) {
  const auto hit = HitTest(point);
  Effects effects;
  if (hit) {
    switch (*hit) {
      case Hit::Ok: effects = Ok(); break;
      case Hit::Cancel:
      case Hit::Close:
        Close();
        effects.push_back(DialogEnd::Cancel);
        break;
      case Hit::Record: return recording() ? StopRecording() : StartRecording();
      case Hit::DelayTick:
        SetFlags(!state_.recordDelays, state_.useLoopCount);
        Show(effects, {Part::Options});
        break;
      case Hit::LoopTick:
        SetFlags(state_.recordDelays, !state_.useLoopCount);
        loopFieldEnabled_ = state_.useLoopCount;
        Show(effects, {Part::Options});
        break;
      case Hit::New: effects = NewMacro(); break;
      case Hit::Delete: effects = DeleteMacro(); break;
    }
  }
  // A press anywhere else moves the window, as a press on a caption would.
  if (!Find<DialogEnd>(effects) && !Find<Notice>(effects)) effects.push_back(DragWindow{});
  return effects;
}

Effects MacroManagerModel::Ok() {
  Close();
  Effects effects{Refresh{Part::Recording}};
  // A macro that could not be stored keeps the dialog open with the reason, so nothing recorded is
  // thrown away by a close that looks like success.
  if (!Check(store_.SaveCurrentMacro(state_), effects)) return effects;
  const macros::BuiltMacroTable built = store_.BuildMacroTable();
  table_ = built.table;
  if (!built.cutMacros.empty()) SetNotice(effects, CutNotice(built.cutMacros));
  effects.push_back(DialogEnd::Ok);
  return effects;
}

void MacroManagerModel::Close() {
  if (!hookInstalled_) return;
  hook_.Remove();
  hookInstalled_ = false;
  session_.recorder.Abandon();
}

Effects MacroManagerModel::StartRecording() {
  // A recording needs a macro to be saved into.
  if (state_.SelectedName() == nullptr) return {};
  Effects effects{Refresh{Part::Options}};
  if (const auto error = hook_.Install()) {
    SetNotice(effects, Notice{L"JournalRecordHook Install error code :" + std::to_wstring(*error) + L"\n", L""});
    return effects;
  }
  hookInstalled_ = true;
  loopFieldEnabled_ = false;
  state_.sequence.clear();
  sequenceSelection_.reset();
  lastClickedDelay_.reset();  // a new sequence: a first click on a delay only selects it
  session_.recorder.Start();
  windowText_ = text(MacroText::RecordingWindowText);
  Show(effects, {Part::Sequence, Part::Recording});
  effects.push_back(FocusSequence{});
  return effects;
}

Effects MacroManagerModel::StopRecording() {
  Effects effects;
  if (!session_.recorder.Stop()) return effects;
  if (hookInstalled_) hook_.Remove();
  hookInstalled_ = false;
  loopFieldEnabled_ = true;
  Show(effects, {Part::Recording, Part::Options});
  SaveAfterChange(false, effects);
  return effects;
}

Effects MacroManagerModel::KeyEvent(macros::KeyEventKind kind, std::uint32_t nowTick) {
  Effects effects;
  if (kind == macros::KeyEventKind::DelayEdited) {
    Check(store_.SaveCurrentMacro(state_), effects);
    return effects;
  }
  if (!recording()) return effects;
  macros::RecordedEvent recorded = session_.recorder.RecordKeyEvent(kind, nowTick, state_.recordDelays);
  if (recorded.limitReached) return StopRecording();
  for (auto& item : recorded.items) state_.sequence.push_back(std::move(item));
  sequenceSelection_ = state_.sequence.size() - 1;
  Show(effects, {Part::Sequence});
  return effects;
}

Effects MacroManagerModel::NewMacro() {
  if (state_.macroNames.size() >= macros::kMacroCount) return Effects{Warning(MacroText::TooManyMacros)};
  Effects effects;
  if (recording()) effects = StopRecording();
  state_.macroNames.push_back(NewMacroName(state_.macroNames, text(MacroText::NewMacroBaseName)));
  state_.selected = state_.macroNames.size() - 1;
  state_.sequence.clear();
  sequenceSelection_.reset();
  lastClickedDelay_.reset();
  // Storing the count is what creates the new macro's section (and the store, when there is none); a
  // macro that could not be created leaves the list as it was.
  Show(effects, {Part::MacroList, Part::Sequence, Part::Options});
  SetLoopTimes(L"1", effects);
  if (Find<Notice>(effects) && store_.fileSystem().Exists(store_.file())) {
    state_.macroNames = store_.ListMacroNames();
    state_.selected.reset();
  }
  return effects;
}

Effects MacroManagerModel::DeleteMacro() {
  const std::wstring* name = state_.SelectedName();
  if (name == nullptr) return {};
  Effects effects;
  if (recording()) effects = StopRecording();
  // The store first: a macro that could not be removed from it stays in the list.
  if (!Check(store_.RemoveMacroSection(*name), effects)) return effects;
  state_.macroNames.erase(state_.macroNames.begin() + static_cast<std::ptrdiff_t>(*state_.selected));
  state_.selected.reset();
  state_.sequence.clear();
  sequenceSelection_.reset();
  lastClickedDelay_.reset();
  lastDoubleClickedMacro_.reset();
  Show(effects, {Part::MacroList, Part::Sequence});
  return effects;
}

Effects MacroManagerModel::SelectMacro(std::optional<std::size_t> index) {
  Effects effects;
  // What was recorded so far belongs to the macro it was recorded for.
  if (recording()) effects = StopRecording();
  state_.selected = index;
  sequenceSelection_.reset();
  lastClickedDelay_.reset();
  Show(effects, {Part::Sequence});
  const std::wstring* name = state_.SelectedName();
  if (name == nullptr) {
    state_.selected.reset();
    state_.sequence.clear();
    return effects;
  }
  const macros::LoadedMacro loaded = store_.LoadMacro(*name);
  SetLoopTimes(loaded.loopCountText, effects);
  state_.sequence = loaded.items;
  // 1 sets a flag and 0 clears it; any other stored value leaves it as it is.
  const auto flag = [](long value, bool current) { return value == 1 ? true : value == 0 ? false : current; };
  SetFlags(flag(loaded.recordDelaysValue, state_.recordDelays), flag(loaded.useLoopCountValue, state_.useLoopCount));
  loopFieldEnabled_ = state_.useLoopCount;
  Show(effects, {Part::Options});
  return effects;
}

Effects MacroManagerModel::DoubleClickMacro(std::size_t index) {
  if (index >= state_.macroNames.size()) return {};
  if (lastDoubleClickedMacro_ != index) {
    lastDoubleClickedMacro_ = index;
    return {};
  }
  return Effects{EditorRequest{EditedList::Macros, index, EditTarget::MacroName}};
}

Effects MacroManagerModel::SelectSequenceItem(std::optional<std::size_t> index) {
  // While a recording runs the list shows what is recorded: a click or a typed letter selects nothing
  // (and never opens the delay editor, which would take the press meant for the stop button).
  if (recording()) return Effects{Refresh{Part::Sequence}};
  sequenceSelection_ = index;
  if (!index || *index >= state_.sequence.size()) {
    sequenceSelection_.reset();
    return {};
  }
  if (state_.sequence[*index].find(macros::kDelaySuffix) == std::wstring::npos) return {};
  if (lastClickedDelay_ != index) {
    lastClickedDelay_ = index;
    return {};
  }
  return Effects{EditorRequest{EditedList::Sequence, *index, EditTarget::DelayItem}};
}

Effects MacroManagerModel::LoopTimesChanged(std::wstring text) {
  const std::wstring typed = text;
  Effects effects;
  SetLoopTimes(std::move(text), effects);
  if (state_.loopTimesText != typed) Show(effects, {Part::Options});
  return effects;
}

Effects MacroManagerModel::Command(MenuCommand command) {
  switch (command) {
    case MenuCommand::DeleteItem: return DeleteItem();
    case MenuCommand::InsertLeftButton: return InsertClick(L"L-Button Click");
    case MenuCommand::InsertMiddleButton: return InsertClick(L"M-Button Click");
    case MenuCommand::InsertRightButton: return InsertClick(L"R-Button Click");
    case MenuCommand::InsertDelay: return InsertDelay();
  }
  return {};
}

Effects MacroManagerModel::DeleteItem() {
  if (!sequenceSelection_ || *sequenceSelection_ >= state_.sequence.size()) return {};
  const bool wasCut = SelectedMacroCut();
  state_.sequence.erase(state_.sequence.begin() + static_cast<std::ptrdiff_t>(*sequenceSelection_));
  sequenceSelection_.reset();
  Effects effects{Refresh{Part::Sequence}};
  SaveAfterChange(wasCut, effects);
  return effects;
}

Effects MacroManagerModel::InsertClick(std::wstring_view clickLabel) {
  const bool wasCut = SelectedMacroCut();
  auto& items = state_.sequence;
  std::wstring press = macros::MouseClickItem(clickLabel, MacroEventKind::Press);
  std::wstring release = macros::MouseClickItem(clickLabel, MacroEventKind::Release);
  Effects effects;
  if (sequenceSelection_ && *sequenceSelection_ < items.size()) {
    const std::size_t at = *sequenceSelection_ + 1;
    items.insert(items.begin() + static_cast<std::ptrdiff_t>(at), {std::move(press), std::move(release)});
    sequenceSelection_ = at;
    Show(effects, {Part::Sequence});
  } else if (items.empty()) {
    items = {std::move(press), std::move(release)};
    Show(effects, {Part::Sequence});
  }
  SaveAfterChange(wasCut, effects);
  return effects;
}

Effects MacroManagerModel::InsertDelay() {
  const auto& items = state_.sequence;
  if (!sequenceSelection_ || *sequenceSelection_ == 0 || *sequenceSelection_ >= items.size()) return {};
  const std::size_t at = *sequenceSelection_;
  if (HoldsMs(items[at]) || HoldsMs(items[at - 1])) return {};
  const bool wasCut = SelectedMacroCut();
  state_.sequence.insert(state_.sequence.begin() + static_cast<std::ptrdiff_t>(at),
                         macros::DelayItem(macros::kDefaultDelayMs));
  Effects effects{Refresh{Part::Sequence}};
  SaveAfterChange(wasCut, effects);
  return effects;
}

Effects MacroManagerModel::EditEnded(const ListEditEnd& end) {
  if (!end.commit) return {};
  switch (end.target) {
    case EditTarget::DelayItem: return CommitDelay(end.index, end.text);
    case EditTarget::MacroName: return RenameMacro(end.index, end.text);
    default: return {};
  }
}

Effects MacroManagerModel::CommitDelay(std::size_t index, std::wstring_view typed) {
  if (index >= state_.sequence.size()) return {};
  const auto item = DelayItemFromEdit(typed);
  if (!item) return {};
  const bool wasCut = SelectedMacroCut();
  state_.sequence[index] = *item;
  sequenceSelection_ = index;
  Effects effects{Refresh{Part::Sequence}};
  SaveAfterChange(wasCut, effects);
  return effects;
}

Effects MacroManagerModel::RenameMacro(std::size_t index, std::wstring typed) {
  auto& names = state_.macroNames;
  if (index >= names.size()) return {};
  const std::wstring name = TrimBlanks(typed);
  if (name == names[index]) return {};
  if (name.empty()) return Effects{Warning(MacroText::NameBlank)};
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (i != index && SameName(names[i], name)) return Effects{Warning(MacroText::NameExists)};
  }
  const macros::MacroStore::Renamed renamed = store_.RenameMacroSection(names[index], name);
  switch (renamed.outcome) {
    case macros::MacroStore::RenameOutcome::NameTaken: return Effects{Warning(MacroText::NameExists)};
    case macros::MacroStore::RenameOutcome::NotWritten: {
      Effects effects;
      Check(renamed.written, effects);
      return effects;
    }
    case macros::MacroStore::RenameOutcome::Renamed:
    case macros::MacroStore::RenameOutcome::NoSection: break;
  }
  names[index] = name;
  return Effects{Refresh{Part::MacroList}};
}

bool MacroManagerModel::SelectedMacroCut() const {
  const std::wstring* name = state_.SelectedName();
  if (name == nullptr) return false;
  macros::StoredMacro macro;
  macro.name = *name;
  macro.recordDelays = state_.recordDelays;
  macro.useLoopCount = state_.useLoopCount;
  macro.loopTimes = ini::ParseDecimal(state_.loopCountText);
  macro.itemCount = static_cast<long>(state_.sequence.size());
  for (std::size_t i = 0; i < state_.sequence.size(); ++i) macro.items.emplace(static_cast<long>(i), state_.sequence[i]);
  return macros::EncodeMacroBlock(macro).cut;
}

void MacroManagerModel::SaveAfterChange(bool wasCut, Effects& effects) {
  if (!Check(store_.SaveCurrentMacro(state_), effects)) return;
  if (!wasCut && SelectedMacroCut()) SetNotice(effects, CutNotice({*state_.SelectedName()}));
}

KeyVerdict MacroManagerModel::FilterKey(KeyMessageKind kind, std::uint32_t virtualKey, bool editorOpen) const {
  if (virtualKey == kVirtualKeyLeftWindows || virtualKey == kVirtualKeyRightWindows) return KeyVerdict::Consume;
  // Keys typed for a running recording are the recording's only (the hook has seen them already): none
  // moves the list's selection or acts on the dialog.
  if (recording()) return KeyVerdict::Consume;
  if (kind != KeyMessageKind::KeyDown) return KeyVerdict::Pass;
  if (virtualKey == kVirtualKeyEscape) return KeyVerdict::Consume;
  if (virtualKey != kVirtualKeyEnter) return KeyVerdict::Pass;
  // Enter is held back while a recording may see it; afterwards it commits an open edit or acts as OK,
  // which builds the table the caller takes.
  if (session_.recorder.phase() != macros::RecordPhase::Stopped) return KeyVerdict::Consume;
  return editorOpen ? KeyVerdict::Pass : KeyVerdict::ActAsOk;
}

}  // namespace quendar::ui::macro_manager
