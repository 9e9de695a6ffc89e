#pragma once
// The list of up to six profile names in section "Profile" of str.ini. A name's position selects the
// profile's files; these rules change the names only (profile_slots moves the files with them).
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/files/file_system.h"

namespace quendar::profiles {

inline constexpr std::wstring_view kProfileSection = L"Profile";
inline constexpr std::wstring_view kCurrentNameKey = L"CurProfileName";
inline constexpr std::wstring_view kItemCountKey = L"ItemCount";
inline constexpr std::size_t kMaxProfileNames = 6;

std::wstring ProfileItemKey(std::size_t index);  // "Item0".."Item5"

// What the loader takes from the list: the last item equal (case-sensitively) to the current name.
struct ListIndex {
  bool listValid = false;  // "ItemCount" is neither 0 nor above 6
  std::optional<std::uint8_t> matched;
};
ListIndex CurrentIndexFromList(files::FileSystem& files, const std::filesystem::path& listFile);

// The names as the profile manager edits them.
struct ProfileListModel {
  std::vector<std::wstring> names;
  std::optional<std::size_t> selection;
  // The list file was read whole: only then may the list be written back (a list that was never read
  // would replace the user's names with none).
  bool read = false;
  std::optional<files::FileFailure> readFailure;  // the list file is there but could not be read
};

// Fills the list; selects the current name, looked up ignoring case from item 1 on and item 0 last, and
// makes its position the current profile index.
ProfileListModel ReadProfileList(files::FileSystem& files, const std::filesystem::path& listFile,
                                 std::uint8_t& currentProfileIndex);

enum class AddResult { Added, ListFull };
// Appends the next "PROFILE_n" name not in the list yet and selects it.
AddResult AddProfile(ProfileListModel& list);

// Appends "<copyWord> <selected name>" when a name is selected and there is room; the selection stays.
bool CopyProfile(ProfileListModel& list, std::wstring_view copyWord);

// Removes the selected name unless it is the last one; no name is selected afterwards.
bool DeleteProfile(ProfileListModel& list);

// Replaces the name at `index` (no check on the text) and selects it.
bool RenameProfile(ProfileListModel& list, std::size_t index, std::wstring name);

// Rewrites the "Profile" section (only when the list file exists) with the selected name, or the first,
// as the current one, which also becomes the current profile index. Fails, writing nothing, when the
// list was never read, or the list file is missing or could not be read.
files::WriteResult WriteProfileList(files::FileSystem& files, const std::filesystem::path& listFile,
                                    const ProfileListModel& list, std::uint8_t& currentProfileIndex);

// The list file's bytes with section "Profile" holding `names` and names[current] as the current one,
// every other section kept; nothing when the list file cannot be read.
std::optional<std::vector<unsigned char>> ProfileListBytes(files::FileSystem& files,
                                                           const std::filesystem::path& listFile,
                                                           const std::vector<std::wstring>& names,
                                                           std::size_t current);

}  // namespace quendar::profiles
