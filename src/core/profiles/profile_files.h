#pragma once
// Loading, saving, importing and exporting the current profile: the data file (flag byte and record),
// the captions of the interface language and the skin keys of the text file. The operations show no
// message boxes or file dialogs: the caller chooses the files first, the operations record their
// problems, and the application tells the user once an operation is over (a box inside one would let
// window messages re-enter it). Nothing the user made is replaced without a copy or a report.
#include <filesystem>
#include <string>
#include <vector>

#include "core/files/file_system.h"
#include "core/profiles/profile_paths.h"
#include "core/profiles/profile_state.h"
#include "core/profiles/profile_texts.h"

namespace quendar::profiles {

inline constexpr std::wstring_view kConfigMissingText = L"Config file is not exist.";
inline constexpr std::wstring_view kWriteFailedFormat = L"Error Code is: %d \n";
inline constexpr std::wstring_view kWriteFailedCaption = L"NULL ==fp ";
inline constexpr std::wstring_view kProfileFileFilter = L"Gaming Mouse Profile(*.bin)|*.bin||";

enum class LoadResult { Loaded, NoProfileList, Missing, WrongSize };

// A problem with a profile file that the user is told of.
struct FileProblem {
  enum class Kind {
    ConfigMissing,    // a data file that must exist does not
    DataWriteFailed,  // a data file could not be written (the program's historic "Error Code" box)
    TextWriteFailed,  // a caption file could not be written; `failure` says which and why
    TextUnreadable,   // a caption file exists but could not be read; the captions were kept
    DataDamaged,      // a data file of the wrong size or unreadable was not loaded
    DataKeptAside,    // before replacing a damaged data file the program kept it as `keptAs`
    NotAProfile,      // a chosen import file is not a profile (wrong size or unreadable)
  };
  Kind kind = Kind::ConfigMissing;
  files::FileFailure failure;          // the file, and the platform's error where there was one
  std::size_t size = 0;                // DataDamaged, NotAProfile: the size found (0 when unreadable)
  std::filesystem::path keptAs;        // DataKeptAside
  friend bool operator==(const FileProblem&, const FileProblem&) = default;
};

// The name beside a damaged data file under which it is kept: "<name>.<why>" ("config2.bin.wrong-size",
// "config2.bin.unreadable"), with "-2", "-3", ... when that name is taken.
std::filesystem::path KeptAsideName(const std::filesystem::path& dataFile, bool unreadable, int attempt);

// The file an export writes for the name the user chose: ".bin" appended unless the name has it.
std::filesystem::path ExportTargetFor(const std::filesystem::path& chosen);

// The ".ini" companion of a ".bin" file: the extension is swapped in the file name only.
std::filesystem::path CompanionTextPath(const std::filesystem::path& dataPath);

class ProfileFiles {
 public:
  ProfileFiles(ProfileState& state, files::FileSystem& files, std::filesystem::path modulePath);

  void SetLanguage(Language language) { language_ = language; }
  Language language() const { return language_; }

  // The flag and the record from the current profile's data file (the settings part of the default
  // profile while `defaultsMode` is on). On any failure the record keeps its content.
  LoadResult LoadProfile();
  // Captions of the current language and the skin keys, from the current text path. An unreadable file
  // keeps what was read before (and is reported); false then.
  bool ReadProfileTexts();
  // "Lan" of the current text file: the interface language code.
  std::wstring ReadLanguageCode() const;
  files::WriteResult WriteCaptions();
  // Stores flag 1 and the record into the current profile's existing data file. A damaged file there
  // (wrong size, unreadable) is first kept aside under a name that says why.
  files::WriteResult SaveProfile();
  // Reads `chosen` into `slot`, which becomes the current profile only when a file was really read into
  // the record. True when the record was replaced. Without a companion ".ini" the slot keeps its captions.
  bool ImportProfile(std::uint8_t slot, const std::filesystem::path& chosen);
  // Writes the record to ExportTargetFor(chosen) with a new companion ".ini", and a copy beside the
  // executable. The caller has asked about replacing an existing target.
  void ExportProfile(const std::filesystem::path& chosen);
  // The "Reset" load: settings part and captions of the default profile; macros and number kept.
  bool LoadDefaults();
  // While the data file was never saved: the default captions, stored at once.
  void ApplyFirstRunCaptions();

  ButtonCaptions& captions() { return captions_; }
  const ButtonCaptions& captions() const { return captions_; }
  const SkinKeys& skinKeys() const { return skinKeys_; }
  const ProfilePaths& paths() const { return paths_; }
  files::FileSystem& fileSystem() { return files_; }

  // The problems met since the last call, in order.
  std::vector<FileProblem> TakeProblems();

 private:
  void FormCurrentPaths(int profileIndex);
  void Report(FileProblem problem) { problems_.push_back(std::move(problem)); }
  void ConfigMissing(const std::filesystem::path& file);
  // The captions as a new text file of their own (an export's companion), replacing any file there.
  void WriteCaptionsAsNewFile(const std::filesystem::path& file);
  files::WriteResult WriteData(const std::filesystem::path& file);
  // Keeps a damaged data file aside; fails when it could not, so the caller writes nothing over it.
  files::WriteResult KeepAsideIfDamaged(const std::filesystem::path& file);
  // True when `path` is one of the program's own files beside the executable.
  bool IsProgramFile(const std::filesystem::path& path) const;

  ProfileState& state_;
  files::FileSystem& files_;
  std::vector<FileProblem> problems_;
  std::vector<std::filesystem::path> reportedDamaged_;  // each damaged file is reported once a run
  ProfilePaths paths_;
  Language language_ = Language::English;
  ButtonCaptions captions_;
  SkinKeys skinKeys_;
};

}  // namespace quendar::profiles
