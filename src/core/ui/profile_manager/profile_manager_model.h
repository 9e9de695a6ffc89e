#pragma once
// The profile manager's decisions: which names the list holds, what the New button, a click on an item,
// the context menu, the rename editor and the close button do. The dialog window only shows the list
// and carries out the effects returned here.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/files/file_system.h"
#include "core/profiles/profile_list.h"
#include "core/profiles/profile_slots.h"
#include "core/ui/interface_language.h"

namespace quendar::ui::profile_manager {

// A message box with a warning caption, shown after the operation.
struct ShowWarning {
  std::wstring text;
  std::wstring caption;
  friend bool operator==(const ShowWarning&, const ShowWarning&) = default;
};

// Open the in-place editor on this item.
struct StartRename {
  std::size_t item = 0;
  friend bool operator==(const StartRename&, const StartRename&) = default;
};

// What the main window is asked to do with the profiles once the manager's event is handled.
enum class ProfileRequest { Import, Export, Reload };

// Ask the main window for a profile request; an import goes into `slot`, which becomes the current
// profile only if a file is read.
struct PostProfileRequest {
  ProfileRequest request = ProfileRequest::Reload;
  std::uint8_t slot = 0;
  friend bool operator==(const PostProfileRequest&, const PostProfileRequest&) = default;
};

struct CloseManager {
  friend bool operator==(const CloseManager&, const CloseManager&) = default;
};

// Ask whether to delete the profile at `item`, named `name`; a yes goes to OnDeleteConfirmed.
struct ConfirmDelete {
  std::size_t item = 0;
  std::wstring name;
  std::wstring question;
  std::wstring caption;
  friend bool operator==(const ConfirmDelete&, const ConfirmDelete&) = default;
};

using Effect = std::variant<ShowWarning, StartRename, PostProfileRequest, CloseManager, ConfirmDelete>;
using Effects = std::vector<Effect>;

// Why a name cannot go into the list. The loader takes the last exact match of the current name and the
// manager the first match ignoring case from item 1 on, so two names that differ only in letter case
// would make them disagree about the profile the user chose.
enum class NameProblem { None, Empty, Taken };
NameProblem CheckName(const profiles::ProfileListModel& list, std::wstring_view name,
                      std::optional<std::size_t> renamedItem = std::nullopt);

class ProfileManagerModel {
 public:
  // `currentProfileIndex` is the program's; the model moves it where the list file says so (opening,
  // closing) and with the current profile's files when a deletion moves them.
  ProfileManagerModel(files::FileSystem& files, std::filesystem::path listFile, LanguageClass language,
                      std::uint8_t& currentProfileIndex);

  // Dialog initialisation: the names from the list file, the current one selected.
  void Open();

  const profiles::ProfileListModel& list() const { return list_; }
  std::optional<std::size_t> lastClickedItem() const { return lastClicked_; }
  LanguageClass language() const { return language_; }

  // New, Copy and a confirmed Delete move the profiles' files with their names (see profile_slots) and
  // store the list at once, so names and files never disagree on the disk; a failure changes neither.
  Effects OnNew();
  // A click or a double click that left `item` selected: the second one on the same item renames it.
  Effects OnItemClicked(std::size_t item);
  Effects OnMenuCommand(unsigned command);
  // The user said yes to deleting `item`, which was named `name` when asked.
  Effects OnDeleteConfirmed(std::size_t item, std::wstring_view name);
  // The editor of `item` ended with a commit. Blanks around the text are dropped (the list file
  // cannot keep them).
  Effects OnRenameCommitted(std::size_t item, std::wstring_view text);
  Effects OnClose();

 private:
  Effects Refuse(NameProblem problem) const;
  Effects Rename(std::size_t item);
  // Writes `plan` and then the list holding `names` with names[current] current; on success the model
  // takes the names and the current index, on a failure it keeps both and returns the warning.
  std::optional<ShowWarning> Change(profiles::SlotPlan plan, std::vector<std::wstring> names, std::size_t current);
  // A name added at the end, whose slot gets the files of `plan`.
  Effects Grow(profiles::ProfileListModel grown, profiles::SlotPlan plan);
  std::size_t CurrentItem() const;

  files::FileSystem& files_;
  std::filesystem::path listFile_;
  profiles::SlotFolder slots_;
  LanguageClass language_;
  std::uint8_t& currentProfileIndex_;
  // A list file that is there but could not be read shows no names; the user hears why at the first
  // thing they try, instead of believing the profiles gone.
  ShowWarning UnreadListWarning() const;
  profiles::ProfileListModel list_;
  std::optional<std::size_t> lastClicked_;
};

}  // namespace quendar::ui::profile_manager
