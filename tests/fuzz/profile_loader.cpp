// The profile loader on arbitrary files: a data file and a text file (used as the profile list and as
// the profile's own text file). Input: two bytes naming the data file's length, the data file, the text
// file. Loading never faults, loads a record only from a data file of the exact size, leaves the record
// alone otherwise, keeps the profile index in range, cuts every value to the INI buffer, and never puts
// the skin folder outside "Skins".
#include <algorithm>
#include <cstdlib>

#include "core/ini/ini_store.h"
#include "core/profiles/profile_data_file.h"
#include "core/profiles/profile_files.h"
#include "fuzz_files.h"

using namespace quendar;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const fuzz::TwoParts parts = fuzz::Split(data, size);
  const auto& folder = fuzz::ScratchFolder();
  for (int slot = 0; slot < static_cast<int>(profiles::kMaxProfiles); ++slot) {
    fuzz::WriteFile(folder / profiles::DataFileName(slot), parts.first);
    fuzz::WriteFile(folder / profiles::TextFileName(slot), parts.second);
  }
  fuzz::WriteFile(folder / "str.ini", parts.second);

  platform::PlatformFileSystem disk;
  profiles::ProfileState state;
  std::ranges::fill(state.record.bytes(), 0xA5);
  const profiles::ProfileRecord before = state.record;
  profiles::ProfileFiles files(state, disk, folder / "QUENDAR 2017.exe");
  const profiles::LoadResult result = files.LoadProfile();

  if (state.currentProfileIndex >= profiles::kMaxProfiles) std::abort();
  if (result == profiles::LoadResult::Loaded) {
    if (parts.first.size() != profiles::kDataFileSize) std::abort();
    if (!std::ranges::equal(state.record.bytes(), parts.first.subspan(1))) std::abort();
  } else if (state.record != before) {
    std::abort();
  }

  for (auto language : {profiles::Language::English, profiles::Language::TraditionalChinese}) {
    files.SetLanguage(language);
    files.ReadProfileTexts();
    for (const std::wstring& caption : files.captions()) {
      if (caption.size() >= ini::kValueBufferChars) std::abort();
    }
  }
  if (files.ReadLanguageCode().size() >= ini::kValueBufferChars) std::abort();
  const auto skin = profiles::SkinFolder(files.paths().modulePath, files.skinKeys().path);
  if (skin.parent_path() != folder / "Skins") std::abort();
  files.TakeProblems();
  return 0;
}
