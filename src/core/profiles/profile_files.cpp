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

std::filesystem::path CompanionTextPath(const std::filesystem::path& dataPath) {
  // The extension is swapped in the file name only, so a folder whose name happens to contain ".bin" is
  // left alone.
  std::wstring name = dataPath.filename().wstring();
  for (std::size_t at = FindBin(name); at != std::wstring::npos; at = FindBin(name, at + 4)) {
    name.replace(at, 4, L".ini");
  }
  return dataPath.parent_path() / name;
}

std::filesystem::path ExportTargetFor(const std::filesystem::path& chosen) {
  std::filesystem::path target = chosen;
  if (!ContainsBinExtension(target.filename().wstring())) target += L".bin";
  return target;
}

std::filesystem::path KeptAsideName(const std::filesystem::path& dataFile, bool unreadable, int attempt) {
  std::filesystem::path name = dataFile;
  name += unreadable ? L".unreadable" : L".wrong-size";
  if (attempt > 1) name += L"-" + std::to_wstring(attempt);
  return name;
}

ProfileFiles::ProfileFiles(ProfileState& state, files::FileSystem& files, std::filesystem::path modulePath)
    : state_(state), files_(files) {
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

void ProfileFiles::ConfigMissing(const std::filesystem::path& file) {
  Report({.kind = FileProblem::Kind::ConfigMissing, .failure = {files::FileStep::Read, file, 0}});
}

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
    const auto index = CurrentIndexFromList(files_, paths_.listPath);
    if (!index.listValid) return LoadResult::NoProfileList;
    if (index.matched) state_.currentProfileIndex = *index.matched;
    FormCurrentPaths(state_.currentProfileIndex);
  }

  const DataFileRead read = ReadDataFile(files_, paths_.dataPath);
  switch (read.status) {
    case DataFileStatus::Missing:
      ConfigMissing(paths_.dataPath);
      return LoadResult::Missing;
    case DataFileStatus::WrongSize:
    case DataFileStatus::Unreadable:
      if (std::ranges::find(reportedDamaged_, paths_.dataPath) == reportedDamaged_.end()) {
        reportedDamaged_.push_back(paths_.dataPath);
        Report({.kind = FileProblem::Kind::DataDamaged,
                .failure = read.failure.value_or(files::FileFailure{files::FileStep::Read, paths_.dataPath, 0}),
                .size = read.size});
      }
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

bool ProfileFiles::ReadProfileTexts() {
  const ini::IniDocument doc = ini::IniDocument::Load(files_, paths_.textPath);
  if (doc.readFailure()) {
    Report({.kind = FileProblem::Kind::TextUnreadable, .failure = *doc.readFailure()});
    return false;
  }
  const std::wstring_view section = SettingsSection(language_);
  for (std::size_t i = 0; i < kButtonCount; ++i) captions_[i] = doc.Get(section, CaptionKey(i), ini::kValueBufferChars);
  skinKeys_.rColor = doc.Get(kSkinsSection, L"RColor", ini::kValueBufferChars);
  skinKeys_.gColor = doc.Get(kSkinsSection, L"GColor", ini::kValueBufferChars);
  skinKeys_.bColor = doc.Get(kSkinsSection, L"BColor", ini::kValueBufferChars);
  skinKeys_.path = doc.Get(kSkinsSection, L"Path", ini::kValueBufferChars);
  for (std::size_t i = 0; i < kPointKeys.size(); ++i) {
    skinKeys_.point[i] = doc.Get(kPointSection, kPointKeys[i], ini::kValueBufferChars);
  }
  return true;
}

std::wstring ProfileFiles::ReadLanguageCode() const {
  return ini::ReadString(files_, paths_.textPath, kSkinsSection, L"Lan");
}

namespace {
std::array<ini::KeyValue, kButtonCount> CaptionValues(const ButtonCaptions& captions) {
  std::array<ini::KeyValue, kButtonCount> values;
  for (std::size_t i = 0; i < kButtonCount; ++i) values[i] = {CaptionKey(i), captions[i]};
  return values;
}
}  // namespace

files::WriteResult ProfileFiles::WriteCaptions() {
  if (paths_.textPath.empty()) return {};
  files::WriteResult written =
      ini::WriteStrings(files_, paths_.textPath, SettingsSection(language_), CaptionValues(captions_));
  if (written.failed()) Report({.kind = FileProblem::Kind::TextWriteFailed, .failure = written.failure()});
  return written;
}

void ProfileFiles::WriteCaptionsAsNewFile(const std::filesystem::path& file) {
  ini::IniDocument doc;
  for (const ini::KeyValue& kv : CaptionValues(captions_)) doc.Set(SettingsSection(language_), kv.key, kv.value);
  const std::vector<unsigned char> bytes = doc.EncodeForSave();
  if (files::WriteResult written = files_.Replace(file, bytes); written.failed()) {
    Report({.kind = FileProblem::Kind::TextWriteFailed, .failure = written.failure()});
  }
}

files::WriteResult ProfileFiles::WriteData(const std::filesystem::path& file) {
  files::WriteResult written = WriteDataFile(files_, file, 1, state_.record);
  if (written.failed()) Report({.kind = FileProblem::Kind::DataWriteFailed, .failure = written.failure()});
  return written;
}

files::WriteResult ProfileFiles::KeepAsideIfDamaged(const std::filesystem::path& file) {
  const DataFileRead found = ReadDataFile(files_, file);
  if (found.status == DataFileStatus::Loaded || found.status == DataFileStatus::Missing) return {};
  const bool unreadable = found.status == DataFileStatus::Unreadable;
  constexpr int kNameAttempts = 100;
  for (int attempt = 1; attempt <= kNameAttempts; ++attempt) {
    const std::filesystem::path keptAs = KeptAsideName(file, unreadable, attempt);
    if (files_.Exists(keptAs)) continue;
    files::WriteResult moved = files_.Rename(file, keptAs);
    if (moved.failed()) {
      Report({.kind = FileProblem::Kind::DataWriteFailed, .failure = moved.failure()});
      return moved;
    }
    Report({.kind = FileProblem::Kind::DataKeptAside, .failure = {files::FileStep::Rename, file, 0}, .keptAs = keptAs});
    return {};
  }
  files::FileFailure noName{files::FileStep::Rename, file, 0};
  Report({.kind = FileProblem::Kind::DataWriteFailed, .failure = noName});
  return noName;
}

files::WriteResult ProfileFiles::SaveProfile() {
  FormCurrentPaths(state_.currentProfileIndex);
  if (!files_.Exists(paths_.dataPath)) {
    ConfigMissing(paths_.dataPath);
    return files::FileFailure{files::FileStep::Read, paths_.dataPath, 0};
  }
  if (files::WriteResult kept = KeepAsideIfDamaged(paths_.dataPath); kept.failed()) return kept;
  files::WriteResult written = WriteData(paths_.dataPath);
  if (!written.failed()) state_.firstRunFlag = 1;
  return written;
}

bool ProfileFiles::ImportProfile(std::uint8_t slot, const std::filesystem::path& chosen) {
  if (!ContainsBinExtension(chosen.filename().wstring())) return false;

  paths_.dataPath = chosen;
  const DataFileRead read = ReadDataFile(files_, chosen);
  if (read.status == DataFileStatus::Missing) {
    ConfigMissing(chosen);
    return false;
  }
  if (read.status != DataFileStatus::Loaded) {
    Report({.kind = FileProblem::Kind::NotAProfile,
            .failure = read.failure.value_or(files::FileFailure{files::FileStep::Read, chosen, 0}),
            .size = read.size});
    return false;
  }
  // The record now belongs to the slot: only from here on is the slot the current profile, so a
  // cancelled or refused import leaves the record and its own slot together.
  state_.currentProfileIndex = slot;
  state_.firstRunFlag = read.contents.firstRunFlag;
  state_.record = read.contents.record;
  state_.record.ProfileNumber() = slot;

  // Captions come with the profile only when its companion is there; otherwise the slot keeps its own.
  const std::filesystem::path companion = CompanionTextPath(chosen);
  bool withCaptions = files_.Exists(companion);
  paths_.textPath = companion;
  if (!withCaptions || !ReadProfileTexts()) {
    withCaptions = false;
    paths_.textPath = ProgramFile(paths_.modulePath, TextFileName(slot));
    ReadProfileTexts();
  }

  // Only the slot's own files are written; the chosen file is only read.
  FormCurrentPaths(slot);
  if (withCaptions) (void)WriteCaptions();  // a failure is reported
  if (KeepAsideIfDamaged(paths_.dataPath).failed()) return true;
  if (!WriteData(paths_.dataPath).failed()) state_.firstRunFlag = 1;
  return true;
}

void ProfileFiles::ExportProfile(const std::filesystem::path& chosen) {
  const std::filesystem::path target = ExportTargetFor(chosen);
  const std::wstring name = target.filename().wstring();

  WriteCaptionsAsNewFile(CompanionTextPath(target));
  (void)WriteData(target);  // a failure is reported

  // The second copy beside the executable; it must not replace one of the program's own files (an
  // export named "config.bin" or "str.bin" elsewhere would otherwise overwrite the default profile or
  // the profile list).
  const std::filesystem::path besideProgram = ProgramFile(paths_.modulePath, name);
  const std::filesystem::path besideText = CompanionTextPath(besideProgram);
  std::error_code ec;
  const bool sameFile = std::filesystem::equivalent(besideProgram, target, ec);
  if (!sameFile && !IsProgramFile(besideProgram) && !IsProgramFile(besideText)) {
    WriteCaptionsAsNewFile(besideText);
    (void)WriteData(besideProgram);
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
  (void)WriteCaptions();  // a failure is reported
}

}  // namespace quendar::profiles
