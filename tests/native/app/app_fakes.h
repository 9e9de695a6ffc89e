#pragma once
// A recording stand-in for every seam of the application core: each call appends its name to one
// shared log, so tests read the order of steps across window, profile, device and platform.
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
  device::ExchangeOutcome stageReadFailure;
  bool readerEventCreated = true;
  bool noticesRegistered = true;
  std::wstring languageCode;
  ProfileTexts texts{L"C:/Q/Skins/Default", 10, 200, 30};

  // MainWindowPort
  void ShowWaitCursor() override { log.push_back("wait cursor"); }
  void RestoreArrowCursor() override { log.push_back("arrow cursor"); }
  void StartTimer(AppTimer timer, unsigned ms) override {
    log.push_back("timer " + std::to_string(static_cast<unsigned>(timer)) + " " + std::to_string(ms));
  }
  void ClosePopupLists() override { log.push_back("close popups"); }
  bool MainPageDrawn() const override { return mainPageDrawn; }
  void DrawMainPage() override {
    mainPageDrawn = true;
    log.push_back("draw main page");
  }
  void RedrawCurrentPage() override { log.push_back("redraw"); }
  void Hide() override { log.push_back("hide"); }
  void ShowInForeground() override { log.push_back("show"); }
  void ShowTrayMenu(std::wstring_view exitText) override { log.push_back("menu " + Narrow(exitText)); }
  void ShowBalloon(const BalloonRecord& balloon) override {
    balloons.push_back(balloon);
    log.push_back("balloon");
  }
  void SendDeviceNotice(unsigned code, std::intptr_t argument) override {
    log.push_back("notice " + std::to_string(code) + " " + std::to_string(argument));
  }

  // ProfilePort
  void LoadProfile() override { log.push_back("load profile"); }
  void LoadDefaultSettings() override { log.push_back("load defaults"); }
  void SnapshotRecord() override { log.push_back("snapshot"); }
  void RevertToSnapshot() override { log.push_back("revert"); }
  profiles::HostPointerSettings HostSettings() const override { return hostSettings; }

  // DevicePort
  bool DevicePresent() const override { return present; }
  bool stored = true;  // what the next download's file writes achieve
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
    log.push_back("spi " + std::to_string(static_cast<unsigned>(call.action)));
    return call.action != refusedAction;
  }
  void Warn(std::wstring_view text) override {
    warnings.emplace_back(text);
    log.push_back("warn " + Narrow(text));
  }

  // StartupPort
  bool DiscoverDevice() override {
    log.push_back("discover");
    return present;
  }
  void ConnectSequence() override { log.push_back("connect"); }
  bool HasReaderEvent() override {
    log.push_back("reader event");
    return readerEventCreated;
  }
  void CreateHeldReader() override { log.push_back("create held reader"); }
  void ReleaseReader() override { log.push_back("release reader"); }
  bool RegisterDeviceNotices() override {
    log.push_back("register notices");
    return noticesRegistered;
  }
  std::wstring ReadLanguageCode() override {
    log.push_back("read language");
    return languageCode;
  }
  ProfileTexts ReadProfileTexts() override {
    log.push_back("read texts");
    return texts;
  }
  bool LoadBackground(const std::wstring& folder) override {
    log.push_back("background " + Narrow(folder));
    return true;
  }
  void SetTextColor(std::uint8_t r, std::uint8_t g, std::uint8_t b) override {
    log.push_back("text colour " + std::to_string(r) + "," + std::to_string(g) + "," + std::to_string(b));
  }
  ui::PlatformVersion PlatformVersion() const override { return {6, 1}; }
  void CreateFonts(const ui::MainWindowFonts& fonts) override { log.push_back("fonts " + Narrow(fonts.label.face)); }
  void AddTrayIcon(std::wstring_view tooltip) override { log.push_back("tray icon " + Narrow(tooltip)); }
  void ShowMessage(std::wstring_view text) override {
    messages.emplace_back(text);
    log.push_back("message");
  }

  static std::string Narrow(std::wstring_view text) {
    std::string out;
    for (wchar_t c : text) out.push_back(c < 0x80 ? static_cast<char>(c) : '?');
    return out;
  }
};

}  // namespace quendar::app::test
