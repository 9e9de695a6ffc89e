#pragma once
// Loading, saving, importing and exporting the current profile: the data file (flag byte and record),
// the captions of the interface language and the skin keys of the text file. The operations show no
// message boxes: they record their problems, and the application tells the user once an operation is
// over (a box inside one would let window messages re-enter it).
#include <filesystem>
#include <string>
#include <vector>

#include "core/app/host_services.h"
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
  enum class Kind { ConfigMissing, WriteFailed };
  Kind kind = Kind::ConfigMissing;
  int systemError = 0;  // WriteFailed: the platform's error code
  friend bool operator==(const FileProblem&, const FileProblem&) = default;
};

struct FileProblemMessage {
  std::wstring text;
  std::wstring caption;
};
// The message box the program shows for a problem; `appTitle` captions "Config file is not exist.".
FileProblemMessage MessageFor(const FileProblem& problem, std::wstring_view appTitle);

class ProfileFiles {
 public:
  // `host` supplies the file dialogs of import and export.
  ProfileFiles(ProfileState& state, app::HostServices& host, std::filesystem::path modulePath);

  void SetLanguage(Language language) { language_ = language; }
  Language language() const { return language_; }

  // The flag and the record from the current profile's data file (the settings part of the default
  // profile while `defaultsMode` is on). On any failure the record keeps its content.
  LoadResult LoadProfile();
  // Captions of the current language and the skin keys, from the current text path.
  void ReadProfileTexts();
  // "Lan" of the current text file: the interface language code.
  std::wstring ReadLanguageCode() const;
  bool WriteCaptions();
  // Stores flag 1 and the record into the current profile's existing data file.
  bool SaveProfile();
  // Into the current profile's slot.
  void ImportProfile();
  // Into `slot`, which becomes the current profile only when a file was really read into the record.
  // True when the record was replaced.
  bool ImportProfile(std::uint8_t slot);
  void ExportProfile();
  // The "Reset" load: settings part and captions of the default profile; macros and number kept.
  bool LoadDefaults();
  // While the data file was never saved: the default captions, stored at once.
  void ApplyFirstRunCaptions();

  ButtonCaptions& captions() { return captions_; }
  const ButtonCaptions& captions() const { return captions_; }
  const SkinKeys& skinKeys() const { return skinKeys_; }
  const ProfilePaths& paths() const { return paths_; }

  // The problems met since the last call, in order.
  std::vector<FileProblem> TakeProblems();

 private:
  void FormCurrentPaths(int profileIndex);
  void ConfigMissing();
  void WriteFailed(int systemError);
  // True when `path` is one of the program's own files beside the executable.
  bool IsProgramFile(const std::filesystem::path& path) const;

  ProfileState& state_;
  app::HostServices& host_;
  std::vector<FileProblem> problems_;
  ProfilePaths paths_;
  Language language_ = Language::English;
  ButtonCaptions captions_;
  SkinKeys skinKeys_;
};

}  // namespace quendar::profiles
