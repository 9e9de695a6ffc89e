#include "core/app/app_session.h"

#include "core/device/command_set.h"
#include "core/device/profile_download.h"
#include "core/profiles/profile_paths.h"
#include "core/ui/interface_language.h"

namespace quendar::app {

AppSession::AppSession(Dependencies dependencies, std::filesystem::path modulePath)
    : link_(dependencies.link),
      language_(dependencies.language),
      messages_(std::move(dependencies.messagesPending)),
      files_(state_, dependencies.host, std::move(modulePath)),
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
  if (apply_.mouseHoldsPartOfTheSettings()) {
    messages_.Add({std::wstring(language_.text(ui::TextSlot::SettingsPartlyOnMouse)),
                   std::wstring(ui::Text(ui::LanguageClass::English, ui::TextSlot::WindowTitle))});
  }
}

std::wstring AppSession::ReadLanguageCode() const { return files_.ReadLanguageCode(); }

void AppSession::CollectFileProblems() {
  // "Config file is not exist." carries the window title, which reads the same in every language.
  const std::wstring_view title = ui::Text(ui::LanguageClass::English, ui::TextSlot::WindowTitle);
  for (const profiles::FileProblem& problem : files_.TakeProblems()) {
    const profiles::FileProblemMessage message = profiles::MessageFor(problem, title);
    messages_.Add({message.text, message.caption});
  }
}

void AppSession::LoadProfile() {
  files_.LoadProfile();
  CollectFileProblems();
}

bool AppSession::ImportProfile(std::uint8_t slot) {
  const bool replaced = files_.ImportProfile(slot);
  CollectFileProblems();
  return replaced;
}

void AppSession::ExportProfile() {
  files_.ExportProfile();
  CollectFileProblems();
}

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

void AppSession::LoadDefaultSettings() {
  files_.LoadDefaults();
  CollectFileProblems();
}

void AppSession::SnapshotRecord() { state_.Snapshot(); }

void AppSession::RevertToSnapshot() { state_.Revert(); }

profiles::HostPointerSettings AppSession::HostSettings() const { return profiles::HostSettingsFrom(state_.record); }

bool AppSession::DevicePresent() const { return link_.DevicePresent(); }

device::DownloadResult AppSession::DownloadProfile() {
  device::CommandSet commands(link_.Command(), image_);
  const device::DownloadResult result = device::DownloadProfile(state_.record, commands, [this] {
    files_.SaveProfile();
    files_.WriteCaptions();
  });
  CollectFileProblems();
  return result;
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
