#include "core/app/app_session.h"

#include "core/app/app_messages.h"
#include "core/device/command_set.h"
#include "core/device/profile_download.h"
#include "core/profiles/file_problem_texts.h"
#include "core/profiles/profile_paths.h"
#include "core/ui/interface_language.h"

namespace quendar::app {

AppSession::AppSession(Dependencies dependencies, std::filesystem::path modulePath)
    : link_(dependencies.link),
      fileSystem_(dependencies.files),
      host_(dependencies.host),
      language_(dependencies.language),
      messages_(std::move(dependencies.messagesPending)),
      files_(state_, dependencies.files, std::move(modulePath)),
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

namespace {
// The program's own messages carry the window title, which reads the same in every language.
std::wstring_view AppTitle() { return ui::Text(ui::LanguageClass::English, ui::TextSlot::WindowTitle); }
}  // namespace

void AppSession::CollectFileProblems() {
  const auto describe = [this](int error) { return fileSystem_.DescribeError(error); };
  for (const profiles::FileProblem& problem : files_.TakeProblems()) {
    const profiles::ProblemMessage message = profiles::MessageFor(problem, language_.language(), AppTitle(), describe);
    messages_.Add({message.text, message.caption});
  }
}

void AppSession::ReportWriteFailure(const files::FileFailure& failure) {
  const auto describe = [this](int error) { return fileSystem_.DescribeError(error); };
  messages_.Add({profiles::FailureText(failure, language_.language(), describe), std::wstring(AppTitle())});
}

void AppSession::ApplyFirstRunCaptions() {
  files_.ApplyFirstRunCaptions();
  CollectFileProblems();
}

void AppSession::RemoveStaleTemporaryFiles() {
  const auto own = profiles::OwnFiles(files_.paths().modulePath);
  for (const files::FileFailure& failure : files::RemoveStaleTemporaryFiles(fileSystem_, own)) {
    ReportWriteFailure(failure);
  }
}

void AppSession::LoadProfile() {
  files_.LoadProfile();
  CollectFileProblems();
}

bool AppSession::ImportProfile(std::uint8_t slot) {
  const auto chosen = host_.ChooseFileToOpen({std::wstring(profiles::kProfileFileFilter), files_.paths().dataPath});
  if (!chosen) return false;
  const bool replaced = files_.ImportProfile(slot, *chosen);
  CollectFileProblems();
  return replaced;
}

PageUpdate AppSession::OnProfileRequest(unsigned request, std::intptr_t slot) {
  switch (request) {
    case kProfileImport:
      // The manager names the slot; it becomes current only if a file is really imported, and the page
      // shows the imported settings at once, not only after the manager closes.
      if (slot < 0 || static_cast<std::size_t>(slot) >= profiles::kMaxProfiles) return PageUpdate::None;
      return ImportProfile(static_cast<std::uint8_t>(slot)) ? PageUpdate::Redraw : PageUpdate::None;
    case kProfileExport:
      ExportProfile();
      return PageUpdate::None;
    case kProfileReload:
      LoadProfile();
      ReadProfileTexts();
      return PageUpdate::CloseListsAndRedraw;
    default:
      return PageUpdate::None;
  }
}

void AppSession::ExportProfile() {
  const auto chosen = host_.ChooseFileToSave({std::wstring(profiles::kProfileFileFilter), files_.paths().dataPath});
  if (!chosen) return;
  // The dialog asked about the name as typed; a name that gains ".bin" is asked about here.
  const std::filesystem::path target = profiles::ExportTargetFor(*chosen);
  if (target != *chosen && fileSystem_.Exists(target) &&
      !host_.Confirm(profiles::ReplaceQuestion(target, language_.language()), AppTitle())) {
    return;
  }
  files_.ExportProfile(*chosen);
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

SaveOutcome AppSession::DownloadProfile() {
  device::CommandSet commands(link_.Command(), image_);
  SaveOutcome outcome;
  outcome.download = device::DownloadProfile(state_.record, commands, [&] {
    const bool dataStored = !files_.SaveProfile().failed();
    const bool captionsStored = !files_.WriteCaptions().failed();
    outcome.stored = dataStored && captionsStored;
  });
  CollectFileProblems();
  return outcome;
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
