#pragma once
// The program's state behind the main window: the current profile with its files, the mouse's image
// and command set, and the Save/Reset/Cancel and tray logic on top of them. Portable: the Win32 main
// dialog supplies the window, the platform settings and the message boxes; tests supply fakes and a
// simulated mouse.
#include <cstdint>
#include <filesystem>
#include <string>

#include "core/app/app_ports.h"
#include "core/app/apply_commands.h"
#include "core/app/host_services.h"
#include "core/app/tray_commands.h"
#include "core/app/user_messages.h"
#include "core/device/device_image.h"
#include "core/device/device_link.h"
#include "core/profiles/profile_files.h"
#include "core/profiles/profile_state.h"
#include "core/ui/interface_language.h"

namespace quendar::app {

// What the main window does after a profile request ran.
enum class PageUpdate { None, Redraw, CloseListsAndRedraw };

class AppSession final : public ProfilePort, public DevicePort {
 public:
  struct Dependencies {
    device::DeviceLink& link;
    files::FileSystem& files;
    HostServices& host;
    MainWindowPort& window;
    SystemParametersPort& systemParameters;
    WarningPort& warnings;
    // The main dialog's; picks the captions' section and the tray's texts.
    const ui::InterfaceLanguage& language;
    // Runs when message boxes become owed (see UserMessages).
    std::function<void()> messagesPending = {};
  };
  // `modulePath` is the executable's full path: the profile files live beside it.
  AppSession(Dependencies dependencies, std::filesystem::path modulePath);

  ApplyCommands& apply() { return apply_; }
  TrayCommands& tray() { return tray_; }
  profiles::ProfileState& state() { return state_; }
  profiles::ProfileFiles& files() { return files_; }
  // What the file operations met, for the window to show once its current message is handled.
  UserMessages& messages() { return messages_; }
  const device::DeviceImage& image() const { return image_; }

  // The connection reads and writes of a mouse just found; keeps its sensor type. The user is not told
  // of a failure (the mouse works with the settings it holds); it stays readable for diagnostics.
  device::ExchangeOutcome ConnectSequence();
  const device::ExchangeOutcome& connectFailure() const { return connectFailure_; }
  // An arrival connected the mouse: connect. The record is not reloaded: it may hold edits not saved
  // yet (made while the mouse was away, when Save does nothing), which the next Save sends and stores.
  // A mouse left holding part of the last Save's settings is worth a word now that Save can reach it.
  void RunConnectionSteps();
  std::wstring ReadLanguageCode() const;
  // The profile manager's import into `slot` (true when the record was replaced) and export: the file
  // dialog first, then, for an export whose name gains ".bin", the question before an existing file of
  // that name is replaced, and only then the operation.
  bool ImportProfile(std::uint8_t slot);
  void ExportProfile();
  // The profile manager's request (kProfileImport with its slot, kProfileExport, kProfileReload).
  PageUpdate OnProfileRequest(unsigned request, std::intptr_t slot);
  // While the profile's data file was never saved: the default captions, stored at once.
  void ApplyFirstRunCaptions();
  // Removes the temporary files that a save killed half-way left beside the executable.
  void RemoveStaleTemporaryFiles();
  // Tells the user of a failed write made outside the profile files (the macro store, the profile list).
  void ReportWriteFailure(const files::FileFailure& failure);

  // ProfilePort
  void LoadProfile() override;
  ProfileTexts ReadProfileTexts() override;
  void LoadDefaultSettings() override;
  void SnapshotRecord() override;
  void RevertToSnapshot() override;
  profiles::HostPointerSettings HostSettings() const override;

  // DevicePort
  bool DevicePresent() const override;
  SaveOutcome DownloadProfile() override;
  device::ExchangeOutcome ReadCpiStages() override;
  std::uint8_t StageCode(int stage) const override;
  std::uint8_t SensorType() const override;

 private:
  // Turns the file layer's problems into owed message boxes.
  void CollectFileProblems();

  device::DeviceLink& link_;
  files::FileSystem& fileSystem_;
  HostServices& host_;
  const ui::InterfaceLanguage& language_;
  profiles::ProfileState state_;
  UserMessages messages_;
  profiles::ProfileFiles files_;
  device::DeviceImage image_;
  ApplyCommands apply_;
  TrayCommands tray_;
  device::ExchangeOutcome connectFailure_;
};

}  // namespace quendar::app
