#include "core/app/app_session.h"

#include "core/device/command_set.h"
#include "core/device/profile_download.h"
#include "core/profiles/profile_paths.h"
#include "core/ui/interface_language.h"

namespace quendar::app {

AppSession::AppSession(Dependencies dependencies, std::filesystem::path modulePath)
    : link_(dependencies.link),
      language_(dependencies.language),
      files_(state_, dependencies.host, std::move(modulePath),
             std::wstring(ui::Text(ui::LanguageClass::English, ui::TextSlot::WindowTitle))),
      apply_(dependencies.window, *this, *this, dependencies.systemParameters, dependencies.warnings,
             dependencies.language),
      tray_(dependencies.window, *this, *this, apply_, dependencies.language) {}

device::ExchangeOutcome AppSession::ConnectSequence() {
  device::CommandSet commands(link_.Command(), image_);
  connectFailure_ = commands.ConnectSequence();
  // A failed read leaves zeros: the sensor type reads as 0, as the mouse never said otherwise.
  link_.SetSensorType(image_.sensorSettings[0]);
  return connectFailure_;
}

void AppSession::RunConnectionSteps() {
  ConnectSequence();
  LoadProfile();
  ReadProfileTexts();
}

std::wstring AppSession::ReadLanguageCode() const { return files_.ReadLanguageCode(); }

void AppSession::LoadProfile() { files_.LoadProfile(); }

ProfileTexts AppSession::ReadProfileTexts() {
  // The captions live in the section of the interface language, which is known by now.
  files_.SetLanguage(language_.language());
  files_.ReadProfileTexts();
  const profiles::TextColor color = profiles::SkinTextColorFrom(files_.skinKeys());
  return ProfileTexts{
      .skinFolder = profiles::SkinFolder(files_.paths().modulePath, files_.skinKeys().path).wstring(),
      .red = color.red,
      .green = color.green,
      .blue = color.blue};
}

void AppSession::LoadDefaultSettings() { files_.LoadDefaults(); }

void AppSession::SnapshotRecord() { state_.Snapshot(); }

void AppSession::RevertToSnapshot() { state_.Revert(); }

profiles::HostPointerSettings AppSession::HostSettings() const { return profiles::HostSettingsFrom(state_.record); }

bool AppSession::DevicePresent() const { return link_.DevicePresent(); }

device::DownloadResult AppSession::DownloadProfile() {
  device::CommandSet commands(link_.Command(), image_);
  return device::DownloadProfile(state_.record, commands, [this] {
    files_.SaveProfile();
    files_.WriteCaptions();
  });
}

device::ExchangeOutcome AppSession::ReadCpiStages() {
  device::CommandSet commands(link_.Command(), image_);
  return commands.ReadCpiStages();
}

std::uint8_t AppSession::StageCode(int stage) const {
  if (stage < 1 || stage > static_cast<int>(image_.stageBytes.size())) return 0;
  return image_.stageBytes[static_cast<std::size_t>(stage - 1)];
}

std::uint8_t AppSession::SensorType() const { return link_.SensorType(); }

}  // namespace quendar::app
