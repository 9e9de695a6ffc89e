// The profile list on an arbitrary str.ini: reading it never faults and keeps every index in range, the
// manager's edits keep the list within six names, and what is written reads back as written.
#include <algorithm>
#include <cstdlib>

#include "core/profiles/profile_list.h"
#include "core/text/case_fold.h"
#include "fuzz_files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quendar::profiles;
  if (size == 0) return 0;
  const auto file = quendar::fuzz::ScratchFolder() / "str.ini";
  // The first byte picks the edits; the rest is the file.
  const std::uint8_t edits = data[0];
  quendar::fuzz::WriteFile(file, std::span(data + 1, size - 1));

  quendar::platform::PlatformFileSystem disk;
  const ListIndex index = CurrentIndexFromList(disk, file);
  if (index.matched && *index.matched >= kMaxProfileNames) std::abort();

  std::uint8_t current = 0;
  ProfileListModel list = ReadProfileList(disk, file, current);
  auto check = [&] {
    if (list.names.size() > kMaxProfileNames || current >= kMaxProfileNames) std::abort();
    if (list.selection && *list.selection >= list.names.size()) std::abort();
  };
  check();
  if (edits & 1) AddProfile(list);
  if (edits & 2) CopyProfile(list, L"Copy of");
  if (edits & 4) DeleteProfile(list);
  if ((edits & 8) && !list.names.empty()) RenameProfile(list, edits % list.names.size(), L"Renamed");
  check();

  if (!list.names.empty() && !WriteProfileList(disk, file, list, current).failed()) {
    std::uint8_t reread = 0;
    const ProfileListModel again = ReadProfileList(disk, file, reread);
    // Names are stored as INI values in the file's own encoding: blanks around them, quotes, control
    // characters and what the encoding cannot hold do not survive, and the current name is looked up
    // ignoring case. Distinct printable names read back unchanged and find their own position.
    const bool plain = std::ranges::all_of(list.names, [](const std::wstring& name) {
      return !name.empty() && name.size() < 1000 && name.front() != L' ' && name.back() != L' ' &&
             std::ranges::all_of(name, [](wchar_t c) { return c >= L' ' && c <= L'~' && c != L'"' && c != L'\''; });
    });
    bool distinct = true;
    for (std::size_t i = 0; i < list.names.size(); ++i) {
      for (std::size_t j = i + 1; j < list.names.size(); ++j) {
        distinct = distinct && !quendar::text::EqualsIgnoringCase(list.names[i], list.names[j]);
      }
    }
    if (plain && distinct && (again.names != list.names || reread != current)) std::abort();
  }
  return 0;
}
