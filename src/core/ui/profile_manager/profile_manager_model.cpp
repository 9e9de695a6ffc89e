#include "core/ui/profile_manager/profile_manager_model.h"

#include <utility>

#include "core/ini/ini_text.h"
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
    : files_(files), listFile_(std::move(listFile)), language_(language), currentProfileIndex_(currentProfileIndex) {}

void ProfileManagerModel::Open() {
  list_ = profiles::ReadProfileList(files_, listFile_, currentProfileIndex_);
  lastClicked_.reset();
}

Effects ProfileManagerModel::Refuse(NameProblem problem) const {
  const ManagerTexts& texts = TextsFor(language_);
  const std::wstring_view text = problem == NameProblem::Empty ? texts.nameEmpty : texts.nameTaken;
  return {ShowWarning{std::wstring(text), std::wstring(texts.warningCaption)}};
}

Effects ProfileManagerModel::OnNew() {
  profiles::ProfileListModel grown = list_;
  if (profiles::AddProfile(grown) == profiles::AddResult::ListFull) {
    const ManagerTexts& texts = TextsFor(language_);
    return {ShowWarning{std::wstring(texts.listFull), std::wstring(texts.warningCaption)}};
  }
  if (const NameProblem problem = CheckName(list_, grown.names.back()); problem != NameProblem::None) {
    return Refuse(problem);
  }
  list_ = std::move(grown);
  return {};
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
    case MenuCommand::Delete:
      if (profiles::DeleteProfile(list_)) lastClicked_.reset();  // the positions after it moved up
      return {};
    case MenuCommand::Edit:
      return selected ? Rename(*list_.selection) : Effects{};
    case MenuCommand::Copy: {
      profiles::ProfileListModel grown = list_;
      if (!profiles::CopyProfile(grown, TextsFor(language_).copyItem)) return {};
      if (const NameProblem problem = CheckName(list_, grown.names.back()); problem != NameProblem::None) {
        return Refuse(problem);
      }
      list_ = std::move(grown);
      return {};
    }
    case MenuCommand::Load:
    case MenuCommand::Save: {
      if (!selected) return {};
      // An export leaves the current profile as it is; an import moves it to the slot only once a
      // file was really read into the record (the main window decides that).
      const unsigned request =
          static_cast<MenuCommand>(command) == MenuCommand::Load ? app::kProfileImport : app::kProfileExport;
      return {PostProfileRequest{request, static_cast<std::uint8_t>(*list_.selection)}};
    }
  }
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

Effects ProfileManagerModel::OnClose() {
  // Without a list file there is nothing to write (the reload then loads nothing either); a list file
  // that cannot be rewritten is worth a word, since the user's changes are gone.
  const bool listExists = files_.Exists(listFile_);
  const bool written = !profiles::WriteProfileList(files_, listFile_, list_, currentProfileIndex_).failed();
  const PostProfileRequest reload{app::kProfileReload, currentProfileIndex_};
  if (written || !listExists) return {reload, CloseManager{}};
  const ManagerTexts& texts = TextsFor(language_);
  return {ShowWarning{std::wstring(texts.listNotWritten), std::wstring(texts.warningCaption)}, reload, CloseManager{}};
}

}  // namespace quendar::ui::profile_manager
