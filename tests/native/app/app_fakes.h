#pragma once
// A recording stand-in for every seam of the application core: the calls whose order or count matter
// append their name to one log; the answers are fields the test sets.
#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "core/app/app_ports.h"
#include "core/app/startup_sequence.h"

namespace quendar::app::test {

class RecordingPorts : public MainWindowPort,
                       public ProfilePort,
                       public DevicePort,
                       public SystemParametersPort,
                       public WarningPort,
                       public StartupPort {
 public:
  std::vector<std::string> log;
  std::vector<SystemParameterCall> spiCalls;
  std::vector<std::wstring> warnings;
  std::vector<std::wstring> messages;
  std::vector<BalloonRecord> balloons;

  bool present = true;
  bool mainPageDrawn = false;
  std::array<std::uint8_t, 7> stageCodes{};
  std::uint8_t sensorType = 3;
  profiles::HostPointerSettings hostSettings{10, 550, {false, 3}, {6, 10, 1}};
  SpiAction refusedAction{};  // a refused setting; SpiAction{} refuses none
  std::optional<device::DownloadFailure> downloadFailure;
  bool stored = true;  // what the next download's file writes achieve
  device::ExchangeOutcome stageReadFailure;
  bool readerEventCreated = true;
  bool noticesRegistered = true;
  std::wstring languageCode;

  int Count(const std::string& entry) const { return static_cast<int>(std::ranges::count(log, entry)); }

  // MainWindowPort
  void ShowWaitCursor() override {}
  void RestoreArrowCursor() override { log.push_back("arrow cursor"); }
  void StartTimer(AppTimer, unsigned) override {}
  void ClosePopupLists() override {}
  bool MainPageDrawn() const override { return mainPageDrawn; }
  void DrawMainPage() override { mainPageDrawn = true; }
  void RedrawCurrentPage() override {}
  void Hide() override { log.push_back("hide"); }
  void ShowInForeground() override { log.push_back("show"); }
  void ShowTrayMenu(std::wstring_view) override { log.push_back("menu"); }
  void ShowBalloon(const BalloonRecord& balloon) override { balloons.push_back(balloon); }
  void SendDeviceNotice(unsigned code, std::intptr_t) override { log.push_back("notice " + std::to_string(code)); }

  // ProfilePort
  void LoadProfile() override { log.push_back("load profile"); }
  ProfileTexts ReadProfileTexts() override { return {L"C:/Q/Skins/Default", 10, 200, 30}; }
  void LoadDefaultSettings() override { log.push_back("load defaults"); }
  void SnapshotRecord() override {}
  void RevertToSnapshot() override {}
  profiles::HostPointerSettings HostSettings() const override { return hostSettings; }

  // DevicePort
  bool DevicePresent() const override { return present; }
  SaveOutcome DownloadProfile() override {
    log.push_back("download");
    return {{device::kDownloadExchangeCount, downloadFailure}, stored};
  }
  device::ExchangeOutcome ReadCpiStages() override {
    log.push_back("read stages");
    return stageReadFailure;
  }
  std::uint8_t StageCode(int stage) const override { return stageCodes.at(static_cast<std::size_t>(stage - 1)); }
  std::uint8_t SensorType() const override { return sensorType; }

  // SystemParametersPort, WarningPort
  bool Apply(const SystemParameterCall& call) override {
    spiCalls.push_back(call);
    return call.action != refusedAction;
  }
  void Warn(std::wstring_view text) override { warnings.emplace_back(text); }

  // StartupPort
  bool DiscoverDevice() override { return present; }
  void ConnectSequence() override { log.push_back("connect"); }
  bool HasReaderEvent() override { return readerEventCreated; }
  void CreateHeldReader() override { log.push_back("create held reader"); }
  void ReleaseReader() override { log.push_back("release reader"); }
  bool RegisterDeviceNotices() override { return noticesRegistered; }
  std::wstring ReadLanguageCode() override { return languageCode; }
  bool LoadBackground(const std::wstring&) override { return true; }
  void SetTextColor(std::uint8_t, std::uint8_t, std::uint8_t) override {}
  ui::PlatformVersion PlatformVersion() const override { return {6, 1}; }
  void CreateFonts(const ui::MainWindowFonts&) override {}
  void AddTrayIcon(std::wstring_view) override { log.push_back("tray icon"); }
  void ShowMessage(std::wstring_view text) override { messages.emplace_back(text); }
};

}  // namespace quendar::app::test
