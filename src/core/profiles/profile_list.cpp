#include "core/profiles/profile_list.h"

#include <algorithm>
#include <climits>

#include "core/ini/ini_document.h"
#include "core/ini/ini_store.h"
#include "core/ini/ini_text.h"
#include "core/text/case_fold.h"

namespace quendar::profiles {

namespace {

constexpr std::wstring_view kNewNamePrefix = L"PROFILE";

struct StoredList {
  bool read = false;
  std::optional<files::FileFailure> readFailure;
  bool valid = false;
  std::wstring currentName;
  std::vector<std::wstring> names;
};

StoredList ReadStoredList(files::FileSystem& files, const std::filesystem::path& listFile) {
  StoredList stored;
  const ini::IniDocument doc = ini::IniDocument::Load(files, listFile);
  stored.readFailure = doc.readFailure();
  if (!doc.existed()) return stored;
  stored.read = true;
  const long count = ini::ParseDecimal(doc.Get(kProfileSection, kItemCountKey, ini::kValueBufferChars));
  if (count == 0 || count > static_cast<long>(kMaxProfileNames)) return stored;
  stored.valid = true;
  stored.currentName = doc.Get(kProfileSection, kCurrentNameKey, ini::kValueBufferChars);
  for (long i = 0; i < count; ++i) {
    stored.names.push_back(doc.Get(kProfileSection, ProfileItemKey(static_cast<std::size_t>(i)), ini::kValueBufferChars));
  }
  return stored;
}

}  // namespace

std::wstring ProfileItemKey(std::size_t index) { return L"Item" + std::to_wstring(index); }

ListIndex CurrentIndexFromList(files::FileSystem& files, const std::filesystem::path& listFile) {
  const StoredList stored = ReadStoredList(files, listFile);
  ListIndex result;
  result.listValid = stored.valid;
  for (std::size_t i = 0; i < stored.names.size(); ++i) {
    if (stored.names[i] == stored.currentName) result.matched = static_cast<std::uint8_t>(i);
  }
  return result;
}

ProfileListModel ReadProfileList(files::FileSystem& files, const std::filesystem::path& listFile,
                                 std::uint8_t& currentProfileIndex) {
  StoredList stored = ReadStoredList(files, listFile);
  ProfileListModel list;
  list.read = stored.read;
  list.readFailure = stored.readFailure;
  list.names = std::move(stored.names);
  const std::size_t n = list.names.size();
  for (std::size_t step = 1; step <= n; ++step) {
    const std::size_t i = step % n;  // items 1, 2, ..., n-1, then 0
    if (ini::detail::EqualsIgnoringCase(list.names[i], stored.currentName)) {
      list.selection = i;
      currentProfileIndex = static_cast<std::uint8_t>(i);
      break;
    }
  }
  return list;
}

AddResult AddProfile(ProfileListModel& list) {
  if (list.names.size() >= kMaxProfileNames) return AddResult::ListFull;
  // The name continues the last one; a name already in the list (names are compared without regard to
  // case) would be refused, so the number steps on to the next free one.
  std::wstring stem(kNewNamePrefix);
  long long number = 0;
  if (!list.names.empty()) {
    const std::wstring& last = list.names.back();
    if (const std::size_t underscore = last.find(L'_'); underscore != std::wstring::npos) {
      const long long parsed = ini::ParseDecimal(std::wstring_view(last).substr(underscore + 1));
      number = parsed < LLONG_MAX ? parsed + 1 : parsed;
    } else {
      stem = last;
      number = static_cast<long long>(list.names.size());
    }
  }
  const auto make = [&](long long n) { return stem + L"_" + std::to_wstring(n); };
  const auto taken = [&](const std::wstring& name) {
    return std::ranges::any_of(list.names,
                               [&](const std::wstring& other) { return text::EqualsIgnoringCase(other, name); });
  };
  while (taken(make(number)) && number < LLONG_MAX) ++number;
  list.names.push_back(make(number));
  list.selection = list.names.size() - 1;
  return AddResult::Added;
}

bool CopyProfile(ProfileListModel& list, std::wstring_view copyWord) {
  if (list.names.empty() || list.names.size() >= kMaxProfileNames || !list.selection ||
      *list.selection >= list.names.size()) {
    return false;
  }
  list.names.push_back(std::wstring(copyWord) + L" " + list.names[*list.selection]);
  return true;
}

bool DeleteProfile(ProfileListModel& list) {
  if (list.names.size() < 2 || !list.selection || *list.selection >= list.names.size()) return false;
  list.names.erase(list.names.begin() + static_cast<std::ptrdiff_t>(*list.selection));
  list.selection.reset();
  return true;
}

bool RenameProfile(ProfileListModel& list, std::size_t index, std::wstring name) {
  if (index >= list.names.size()) return false;
  list.names[index] = std::move(name);
  list.selection = index;
  return true;
}

namespace {

constexpr int kFileNotFound = 2;  // ENOENT and ERROR_FILE_NOT_FOUND alike

void SetListSection(ini::IniDocument& doc, const std::vector<std::wstring>& names, std::size_t current) {
  doc.RemoveSection(kProfileSection);
  doc.Set(kProfileSection, kCurrentNameKey, current < names.size() ? names[current] : std::wstring());
  if (names.empty()) return;
  doc.Set(kProfileSection, kItemCountKey, std::to_wstring(names.size()));
  for (std::size_t i = 0; i < names.size(); ++i) doc.Set(kProfileSection, ProfileItemKey(i), names[i]);
}

}  // namespace

files::WriteResult WriteProfileList(files::FileSystem& files, const std::filesystem::path& listFile,
                                    const ProfileListModel& list, std::uint8_t& currentProfileIndex) {
  // A list the manager never read is never written: it would replace names the user never saw.
  if (!list.read) return files::FileFailure{files::FileStep::Refused, listFile, 0};
  ini::IniDocument doc = ini::IniDocument::Load(files, listFile);
  if (doc.readFailure()) return *doc.readFailure();
  // The list is never created here: without the installed file there is no list to keep.
  if (!doc.existed()) return files::FileFailure{files::FileStep::Read, listFile, kFileNotFound};
  const std::size_t current =
      (list.selection && *list.selection < list.names.size()) ? *list.selection : 0;
  SetListSection(doc, list.names, current);
  currentProfileIndex = static_cast<std::uint8_t>(current);
  return doc.Save(files, listFile);
}

std::optional<std::vector<unsigned char>> ProfileListBytes(files::FileSystem& files,
                                                           const std::filesystem::path& listFile,
                                                           const std::vector<std::wstring>& names,
                                                           std::size_t current) {
  ini::IniDocument doc = ini::IniDocument::Load(files, listFile);
  if (!doc.existed()) return std::nullopt;
  SetListSection(doc, names, current);
  return doc.EncodeForSave();
}

}  // namespace quendar::profiles
