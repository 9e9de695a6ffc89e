#include "core/ui/profile_manager/profile_manager_model.h"

#include <algorithm>
#include <utility>

#include "core/ini/ini_text.h"
#include "core/profiles/file_problem_texts.h"
#include "core/ui/profile_manager/profile_manager_texts.h"

namespace quendar::ui::profile_manager {

NameProblem CheckName(const profiles::ProfileListModel& list, std::wstring_view name,
                      std::optional<std::size_t> renamedItem) {
  const std::wstring_view trimmed = ini::detail::Trim(name);
  if (trimmed.empty()) return NameProblem::Empty;
  for (std::size_t i = 0; i < list.names.size(); ++i) {
    if (i == renamedItem) continue;
    if (ini::detail::EqualsIgnoringCase(ini::detail::Trim(list.names[i]), trimmed)) return NameProblem::Taken;
  }
  return NameProblem::None;
}

ProfileManagerModel::ProfileManagerModel(files::FileSystem& files, std::filesystem::path listFile,
                                         LanguageClass language, std::uint8_t& currentProfileIndex)
    : files_(files),
      listFile_(std::move(listFile)),
      slots_(files, listFile_.parent_path()),
      language_(language),
      currentProfileIndex_(currentProfileIndex) {}

void ProfileManagerModel::Open() {
  list_ = profiles::ReadProfileList(files_, listFile_, currentProfileIndex_);
  lastClicked_.reset();
}

Effects ProfileManagerModel::Refuse(NameProblem problem) const {
  const ManagerTexts& texts = TextsFor(language_);
  const std::wstring_view text = problem == NameProblem::Empty ? texts.nameEmpty : texts.nameTaken;
  return {ShowWarning{std::wstring(text), std::wstring(texts.warningCaption)}};
}

std::size_t ProfileManagerModel::CurrentItem() const {
  return currentProfileIndex_ < list_.names.size() ? currentProfileIndex_ : 0;
}

std::optional<ShowWarning> ProfileManagerModel::Change(profiles::SlotPlan plan, std::vector<std::wstring> names,
                                                       std::size_t current) {
  const ManagerTexts& texts = TextsFor(language_);
  const auto warn = [&](std::wstring_view pattern, const files::FileFailure& failure) {
    return ShowWarning{FillIn(pattern, {failure.file.filename().wstring(), std::to_wstring(failure.systemError)}),
                       std::wstring(texts.warningCaption)};
  };
  if (!plan.failure) {
    // The list goes last: until it names the new positions, every name still finds its own files.
    if (auto list = profiles::ProfileListBytes(files_, listFile_, names, current)) {
      plan.files.push_back({listFile_, std::move(*list)});
    } else {
      plan.failure = files::FileFailure{files::FileStep::Read, listFile_, 0};
    }
  }
  if (plan.failure) return warn(texts.filesUnchanged, *plan.failure);
  const profiles::CommitResult result = profiles::Commit(files_, plan.files);
  if (result.restoreFailure) return warn(texts.filesMixed, *result.restoreFailure);
  if (result.failure) return warn(texts.filesUnchanged, *result.failure);
  list_.names = std::move(names);
  currentProfileIndex_ = static_cast<std::uint8_t>(current);
  return std::nullopt;
}

Effects ProfileManagerModel::Grow(profiles::ProfileListModel grown, profiles::SlotPlan plan) {
  const std::optional<std::size_t> selection = grown.selection;
  if (auto warning = Change(std::move(plan), std::move(grown.names), CurrentItem())) return {*warning};
  list_.selection = selection;
  return {};
}

Effects ProfileManagerModel::OnNew() {
  // Names of a list that was never read would never be stored; their slots are not touched either.
  if (list_.readFailure) return {UnreadListWarning()};
  if (!list_.read) return {};
  profiles::ProfileListModel grown = list_;
  if (profiles::AddProfile(grown) == profiles::AddResult::ListFull) {
    const ManagerTexts& texts = TextsFor(language_);
    return {ShowWarning{std::wstring(texts.listFull), std::wstring(texts.warningCaption)}};
  }
  if (const NameProblem problem = CheckName(list_, grown.names.back()); problem != NameProblem::None) {
    return Refuse(problem);
  }
  const std::size_t slot = grown.names.size() - 1;
  return Grow(std::move(grown), slots_.PlanDefaults(slot));
}

Effects ProfileManagerModel::OnItemClicked(std::size_t item) {
  if (item >= list_.names.size()) return {};
  list_.selection = item;
  if (lastClicked_ == item) return {StartRename{item}};
  lastClicked_ = item;
  return {};
}

Effects ProfileManagerModel::Rename(std::size_t item) {
  // The menu names the item to rename outright; it does not wait for a second choice.
  lastClicked_ = item;
  return {StartRename{item}};
}

Effects ProfileManagerModel::OnMenuCommand(unsigned command) {
  const bool selected = list_.selection && *list_.selection < list_.names.size();
  switch (static_cast<MenuCommand>(command)) {
    case MenuCommand::Delete: {
      if (!list_.read || list_.names.size() < 2 || !selected) return {};
      const std::size_t item = *list_.selection;
      const ManagerTexts& texts = TextsFor(language_);
      return {ConfirmDelete{item, list_.names[item], FillIn(texts.deleteQuestion, {list_.names[item]}),
                            std::wstring(texts.deleteItem)}};
    }
    case MenuCommand::Edit:
      return selected ? Rename(*list_.selection) : Effects{};
    case MenuCommand::Copy: {
      profiles::ProfileListModel grown = list_;
      if (!list_.read || !profiles::CopyProfile(grown, TextsFor(language_).copyItem)) return {};
      if (const NameProblem problem = CheckName(list_, grown.names.back()); problem != NameProblem::None) {
        return Refuse(problem);
      }
      const std::size_t from = *list_.selection;
      const std::size_t to = grown.names.size() - 1;
      return Grow(std::move(grown), slots_.PlanCopy(from, to));
    }
    case MenuCommand::Load:
    case MenuCommand::Save: {
      if (!selected) return {};
      // An export leaves the current profile as it is; an import moves it to the slot only once a
      // file was really read into the record (the main window decides that).
      const ProfileRequest request =
          static_cast<MenuCommand>(command) == MenuCommand::Load ? ProfileRequest::Import : ProfileRequest::Export;
      return {PostProfileRequest{request, static_cast<std::uint8_t>(*list_.selection)}};
    }
  }
  return {};
}

Effects ProfileManagerModel::OnDeleteConfirmed(std::size_t item, std::wstring_view name) {
  // The list may have changed while the question was open; a yes counts only for the name it named.
  if (!list_.read || list_.names.size() < 2 || item >= list_.names.size() || list_.names[item] != name) return {};
  profiles::ProfileListModel shrunk = list_;
  shrunk.selection = item;
  profiles::DeleteProfile(shrunk);
  // The current profile keeps its name: its files move down with it. When it is the deleted one, the
  // name now at its place (or the last) becomes current and the main window loads it.
  const std::size_t before = CurrentItem();
  const bool currentGone = before == item;
  const std::size_t current = currentGone ? std::min(item, shrunk.names.size() - 1) : before - (before > item ? 1 : 0);
  if (auto warning = Change(slots_.PlanRemoval(item, list_.names.size()), std::move(shrunk.names), current)) {
    return {*warning};
  }
  list_.selection.reset();
  lastClicked_.reset();  // the positions after it moved up
  // The main window's paths name the slot it loaded from; after a move it loads the profile again.
  if (currentGone || current != before) return {PostProfileRequest{ProfileRequest::Reload, currentProfileIndex_}};
  return {};
}

Effects ProfileManagerModel::OnRenameCommitted(std::size_t item, std::wstring_view text) {
  if (item >= list_.names.size()) return {};
  list_.selection = item;
  if (const NameProblem problem = CheckName(list_, text, item); problem != NameProblem::None) {
    return Refuse(problem);
  }
  profiles::RenameProfile(list_, item, std::wstring(ini::detail::Trim(text)));
  return {};
}

ShowWarning ProfileManagerModel::UnreadListWarning() const {
  files::FileSystem& files = files_;
  return ShowWarning{profiles::FailureText(*list_.readFailure, language_, [&files](int e) { return files.DescribeError(e); }),
                     std::wstring(TextsFor(language_).warningCaption)};
}

Effects ProfileManagerModel::OnClose() {
  // A list that was never read (no list file, or the dialog's initialisation failed) is never written:
  // it would replace the user's names with what the manager never saw. A list file that cannot be
  // rewritten is worth a word, since the user's changes are gone.
  const bool written = !profiles::WriteProfileList(files_, listFile_, list_, currentProfileIndex_).failed();
  const PostProfileRequest reload{ProfileRequest::Reload, currentProfileIndex_};
  if (list_.readFailure) return {UnreadListWarning(), reload, CloseManager{}};
  if (written || !list_.read) return {reload, CloseManager{}};
  const ManagerTexts& texts = TextsFor(language_);
  return {ShowWarning{std::wstring(texts.listNotWritten), std::wstring(texts.warningCaption)}, reload, CloseManager{}};
}

}  // namespace quendar::ui::profile_manager
