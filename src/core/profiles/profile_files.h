#pragma once
// Loading, saving, importing and exporting the current profile: the data file (flag byte and record),
// the captions of the interface language and the skin keys of the text file.
#include <filesystem>
#include <string>

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

class ProfileFiles {
 public:
  // `appTitle` is the caption of the "Config file is not exist." message.
  ProfileFiles(ProfileState& state, app::HostServices& host, std::filesystem::path modulePath,
               std::wstring appTitle);

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

 private:
  void FormCurrentPaths(int profileIndex);
  void ShowConfigMissing();
  void ShowWriteFailed(int systemError);
  // True when `path` is one of the program's own files beside the executable.
  bool IsProgramFile(const std::filesystem::path& path) const;

  ProfileState& state_;
  app::HostServices& host_;
  std::wstring appTitle_;
  ProfilePaths paths_;
  Language language_ = Language::English;
  ButtonCaptions captions_;
  SkinKeys skinKeys_;
};

}  // namespace quendar::profiles
