#include "core/profiles/profile_files.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <utility>

#include "core/ini/ini_document.h"
#include "core/ini/ini_store.h"
#include "core/profiles/profile_data_file.h"
#include "core/profiles/profile_list.h"
#include "core/text/case_fold.h"

namespace quendar::profiles {

namespace {

// Where ".bin" (in any letter case: the file dialog's "*.bin" filter shows ".BIN" files too) occurs in a
// file name, from `from` on.
std::size_t FindBin(std::wstring_view name, std::size_t from = 0) { return text::FindIgnoringCase(name, L".bin", from); }

// The ".ini" companion of a ".bin" file: the extension is swapped in the file name only, so a folder
// whose name happens to contain ".bin" is left alone.
std::filesystem::path CompanionTextPath(const std::filesystem::path& dataPath) {
  std::wstring name = dataPath.filename().wstring();
  for (std::size_t at = FindBin(name); at != std::wstring::npos; at = FindBin(name, at + 4)) {
    name.replace(at, 4, L".ini");
  }
  return dataPath.parent_path() / name;
}

bool ContainsBinExtension(const std::wstring& fileName) { return FindBin(fileName) != std::wstring_view::npos; }

class DefaultsModeScope {
 public:
  explicit DefaultsModeScope(ProfileState& state) : state_(state) { state_.defaultsMode = true; }
  DefaultsModeScope(const DefaultsModeScope&) = delete;
  DefaultsModeScope& operator=(const DefaultsModeScope&) = delete;
  ~DefaultsModeScope() { state_.defaultsMode = false; }

 private:
  ProfileState& state_;
};

}  // namespace

FileProblemMessage MessageFor(const FileProblem& problem, std::wstring_view appTitle) {
  if (problem.kind == FileProblem::Kind::ConfigMissing) {
    return {std::wstring(kConfigMissingText), std::wstring(appTitle)};
  }
  std::array<wchar_t, 64> text{};
  std::swprintf(text.data(), text.size(), std::wstring(kWriteFailedFormat).c_str(), problem.systemError);
  return {text.data(), std::wstring(kWriteFailedCaption)};
}

ProfileFiles::ProfileFiles(ProfileState& state, app::HostServices& host, std::filesystem::path modulePath)
    : state_(state), host_(host) {
  paths_.modulePath = std::move(modulePath);
  paths_.listPath = ProgramFile(paths_.modulePath, kListFileName);
  paths_.macroStorePath = ProgramFile(paths_.modulePath, kMacroStoreFileName);
}

void ProfileFiles::FormCurrentPaths(int profileIndex) {
  paths_.dataPath = ProgramFile(paths_.modulePath, DataFileName(profileIndex));
  paths_.textPath = ProgramFile(paths_.modulePath, TextFileName(profileIndex));
  paths_.listPath = ProgramFile(paths_.modulePath, kListFileName);
  paths_.macroStorePath = ProgramFile(paths_.modulePath, kMacroStoreFileName);
}

void ProfileFiles::ConfigMissing() { problems_.push_back({FileProblem::Kind::ConfigMissing}); }

void ProfileFiles::WriteFailed(int systemError) { problems_.push_back({FileProblem::Kind::WriteFailed, systemError}); }

std::vector<FileProblem> ProfileFiles::TakeProblems() { return std::exchange(problems_, {}); }

bool ProfileFiles::IsProgramFile(const std::filesystem::path& path) const {
  const std::wstring name = path.filename().wstring();
  if (text::EqualsIgnoringCase(name, kDefaultDataFileName) || text::EqualsIgnoringCase(name, kListFileName) ||
      text::EqualsIgnoringCase(name, kMacroStoreFileName)) {
    return true;
  }
  for (int i = 0; i < static_cast<int>(kMaxProfiles); ++i) {
    if (text::EqualsIgnoringCase(name, DataFileName(i)) || text::EqualsIgnoringCase(name, TextFileName(i))) return true;
  }
  return false;
}

LoadResult ProfileFiles::LoadProfile() {
  paths_.listPath = ProgramFile(paths_.modulePath, kListFileName);
  paths_.macroStorePath = ProgramFile(paths_.modulePath, kMacroStoreFileName);
  if (state_.defaultsMode) {
    paths_.dataPath = ProgramFile(paths_.modulePath, kDefaultDataFileName);
    paths_.textPath = paths_.listPath;
  } else {
    const auto index = CurrentIndexFromList(paths_.listPath);
    if (!index.listValid) return LoadResult::NoProfileList;
    if (index.matched) state_.currentProfileIndex = *index.matched;
    FormCurrentPaths(state_.currentProfileIndex);
  }

  const DataFileRead read = ReadDataFile(paths_.dataPath);
  switch (read.status) {
    case DataFileStatus::Missing:
      ConfigMissing();
      return LoadResult::Missing;
    case DataFileStatus::WrongSize:
    case DataFileStatus::Unreadable:
      return LoadResult::WrongSize;
    case DataFileStatus::Loaded:
      break;
  }
  state_.firstRunFlag = read.contents.firstRunFlag;
  if (state_.defaultsMode) {
    std::ranges::copy(read.contents.record.settingsPart(), state_.record.settingsPart().begin());
  } else {
    state_.record = read.contents.record;
  }
  return LoadResult::Loaded;
}

void ProfileFiles::ReadProfileTexts() {
  const ini::IniDocument doc = ini::IniDocument::Load(paths_.textPath);
  const std::wstring_view section = SettingsSection(language_);
  for (std::size_t i = 0; i < kButtonCount; ++i) captions_[i] = doc.Get(section, CaptionKey(i), ini::kValueBufferChars);
  skinKeys_.rColor = doc.Get(kSkinsSection, L"RColor", ini::kValueBufferChars);
  skinKeys_.gColor = doc.Get(kSkinsSection, L"GColor", ini::kValueBufferChars);
  skinKeys_.bColor = doc.Get(kSkinsSection, L"BColor", ini::kValueBufferChars);
  skinKeys_.path = doc.Get(kSkinsSection, L"Path", ini::kValueBufferChars);
  for (std::size_t i = 0; i < kPointKeys.size(); ++i) {
    skinKeys_.point[i] = doc.Get(kPointSection, kPointKeys[i], ini::kValueBufferChars);
  }
}

std::wstring ProfileFiles::ReadLanguageCode() const {
  return ini::ReadString(paths_.textPath, kSkinsSection, L"Lan");
}

bool ProfileFiles::WriteCaptions() {
  if (paths_.textPath.empty()) return false;
  std::array<ini::KeyValue, kButtonCount> values;
  for (std::size_t i = 0; i < kButtonCount; ++i) values[i] = {CaptionKey(i), captions_[i]};
  return ini::WriteStrings(paths_.textPath, SettingsSection(language_), values);
}

bool ProfileFiles::SaveProfile() {
  FormCurrentPaths(state_.currentProfileIndex);
  std::error_code ec;
  if (!std::filesystem::exists(paths_.dataPath, ec)) {
    ConfigMissing();
    return false;
  }
  const ini::WriteResult written = WriteDataFile(paths_.dataPath, 1, state_.record);
  if (!written.ok) {
    WriteFailed(written.systemError);
    return false;
  }
  state_.firstRunFlag = 1;
  return true;
}

void ProfileFiles::ImportProfile() { ImportProfile(state_.currentProfileIndex); }

bool ProfileFiles::ImportProfile(std::uint8_t slot) {
  const auto chosen = host_.ChooseFileToOpen({std::wstring(kProfileFileFilter), paths_.dataPath});
  if (!chosen || !ContainsBinExtension(chosen->filename().wstring())) return false;

  paths_.dataPath = *chosen;
  const DataFileRead read = ReadDataFile(*chosen);
  if (read.status == DataFileStatus::Missing) {
    ConfigMissing();
    return false;
  }
  if (read.status != DataFileStatus::Loaded) return false;
  // The record now belongs to the slot: only from here on is the slot the current profile, so a
  // cancelled or refused import leaves the record and its own slot together.
  state_.currentProfileIndex = slot;
  state_.firstRunFlag = read.contents.firstRunFlag;
  state_.record = read.contents.record;
  state_.record.ProfileNumber() = slot;

  paths_.textPath = CompanionTextPath(*chosen);
  ReadProfileTexts();

  // Only the slot's own files are written; the chosen file is only read.
  FormCurrentPaths(slot);
  WriteCaptions();
  const ini::WriteResult written = WriteDataFile(paths_.dataPath, 1, state_.record);
  if (!written.ok) {
    WriteFailed(written.systemError);
    return true;
  }
  state_.firstRunFlag = 1;
  return true;
}

void ProfileFiles::ExportProfile() {
  const auto chosen = host_.ChooseFileToSave({std::wstring(kProfileFileFilter), paths_.dataPath});
  if (!chosen) return;
  std::filesystem::path target = *chosen;
  std::wstring name = target.filename().wstring();
  if (!ContainsBinExtension(name)) {
    name += L".bin";
    target.replace_filename(name);
  }

  paths_.textPath = CompanionTextPath(target);
  WriteCaptions();
  if (const ini::WriteResult written = WriteDataFile(target, 1, state_.record); !written.ok) {
    WriteFailed(written.systemError);
  }

  // The second copy beside the executable; it must not replace one of the program's own files (an
  // export named "config.bin" or "str.bin" elsewhere would otherwise overwrite the default profile or
  // the profile list).
  const std::filesystem::path besideProgram = ProgramFile(paths_.modulePath, name);
  const std::filesystem::path besideText = CompanionTextPath(besideProgram);
  std::error_code ec;
  const bool sameFile = std::filesystem::equivalent(besideProgram, target, ec);
  if (!sameFile && !IsProgramFile(besideProgram) && !IsProgramFile(besideText)) {
    paths_.textPath = besideText;
    WriteCaptions();
    if (const ini::WriteResult written = WriteDataFile(besideProgram, 1, state_.record); !written.ok) {
      WriteFailed(written.systemError);
    }
  }
  paths_.dataPath = besideProgram;
  paths_.textPath = ProgramFile(paths_.modulePath, TextFileName(state_.record.ProfileNumber()));
}

bool ProfileFiles::LoadDefaults() {
  const std::uint8_t profileNumber = state_.record.ProfileNumber();
  bool loaded = false;
  {
    DefaultsModeScope defaults(state_);
    loaded = LoadProfile() == LoadResult::Loaded;
    // Captions only with the settings they describe.
    if (loaded) ReadProfileTexts();
  }
  state_.record.ProfileNumber() = profileNumber;
  // Later caption writes belong to the current profile's own text file, never to the defaults.
  FormCurrentPaths(state_.currentProfileIndex);
  return loaded;
}

void ProfileFiles::ApplyFirstRunCaptions() {
  if (state_.firstRunFlag != 0) return;
  captions_ = DefaultCaptions(language_);
  WriteCaptions();
}

}  // namespace quendar::profiles
