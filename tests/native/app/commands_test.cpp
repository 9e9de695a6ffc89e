// "Save", "Reset" and the notification icon over recording ports: one Save per debounce period, what the
// user is told when the settings missed the mouse or the files, and the balloons of the device notices.
#include <gtest/gtest.h>

#include <algorithm>

#include "app_fakes.h"
#include "core/app/apply_commands.h"
#include "core/app/balloon.h"
#include "core/app/host_pointer_settings.h"
#include "core/app/startup_sequence.h"
#include "core/app/tray_commands.h"
#include "core/profiles/profile_record.h"

namespace quendar::app {
namespace {

class CommandsTest : public ::testing::Test {
 protected:
  test::RecordingPorts ports;
  ui::InterfaceLanguage language;
  ApplyCommands apply{ports, ports, ports, ports, ports, language};
  TrayCommands tray{ports, ports, ports, apply, language};
};

// Never "saved" when the files did not take the settings, never silent when the mouse did not; Reset
// sends the defaults, not the old settings. (Without the mouse nothing is sent: the session's test.)
TEST_F(CommandsTest, SaveAndResetTellWhatMissedTheMouseOrTheFiles) {
  const struct { bool reached, stored; const wchar_t* warning; } cases[] = {
      {true, true, nullptr},
      {false, true, L"The settings were saved but did not reach the mouse."},
      {true, false, L"The settings reached the mouse but were not saved."},
      {false, false, L"The settings were not saved and did not reach the mouse."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.reached * 2 + c.stored);
    ports.downloadFailure = c.reached ? std::nullopt : std::optional(device::DownloadFailure{1, {}});
    ports.stored = c.stored;
    ports.warnings.clear();
    ports.log.clear();
    apply.ApplyProfile();
    apply.ResetProfile();
    EXPECT_EQ(ports.log, (std::vector<std::string>{"download", "load defaults", "download"})) << "defaults first";
    const std::vector<std::wstring> expected = c.warning ? std::vector<std::wstring>(2, c.warning) : std::vector<std::wstring>{};
    EXPECT_EQ(ports.warnings, expected);
    EXPECT_EQ(apply.lastDownloadFailure(), ports.downloadFailure);
  }
}

// Every press counts once: presses queued while a download blocked the window meet the debounce flag.
TEST_F(CommandsTest, SaveSendsOncePerDebouncePeriod) {
  apply.OnSaveClicked();
  apply.OnSaveClicked();
  apply.OnTimer(AppTimer::ApplyDebounce);
  apply.OnSaveClicked();
  EXPECT_EQ(std::ranges::count(ports.log, std::string("download")), 2);
}

TEST_F(CommandsTest, LeftClicksShowTheWindowRightClickTheExitMenuOtherMessagesNothing) {
  ports.present = false;
  for (unsigned message : {kTrayLeftButtonUp, kTrayLeftDoubleClick, kTrayRightButtonUp, 0x200u, 0x201u, 0x204u, 0x206u})
    tray.OnTrayCallback(message);
  EXPECT_EQ(ports.Count("show"), 2);
  EXPECT_EQ(ports.Count("notice 15"), 2) << "each show without the mouse says so";
  EXPECT_EQ(ports.log.back(), "menu");
}

// The balloon of a stage switch is the demo program's test under Wine; here a failed read-back and the
// notices that must show nothing.
TEST_F(CommandsTest, StageBalloonsShowNoStaleValueAndOnlyStagesOneToSeven) {
  ports.stageReadFailure = device::ExchangeError{0x91, device::ExchangeStep::FetchReply, device::kTimeoutError};
  tray.OnDeviceNotice(kNoticeStageSwitched, 3);
  for (std::intptr_t stage : {0, 8, -1, 255}) tray.OnDeviceNotice(kNoticeStageSwitched, stage);
  tray.OnDeviceNotice(3, 0);
  EXPECT_EQ(ports.Count("read stages"), 5);
  ASSERT_EQ(ports.balloons.size(), 1u);
  EXPECT_EQ(ports.balloons[0].text, L"Switch CPI into the third stage ") << "a failed read-back shows no stale value";
}

TEST(CpiCodeText, LevelTableForSensorTypeThreeFixedListOtherwise) {
  const struct { std::uint8_t code, sensor; const wchar_t* text; } cases[] = {
      {0x0A, 3, L"1100"}, {49, 3, L"5000"}, {89, 3, L"5200"}, {50, 3, L""} /* 50..88 belong to no level */,
      {0x8A, 3, L""} /* a disabled stage */, {0x25, 0, L"2500"}, {0x0A, 0, L""}, {8, 4, L"2000"}, {0x29, 1, L""},
  };
  for (const auto& c : cases) EXPECT_EQ(CpiCodeText(c.code, c.sensor), c.text) << int(c.code) << " " << int(c.sensor);
}

TEST(BalloonText, NeverExceedsTheRecordFieldAndKeepsSurrogatePairsWhole) {
  EXPECT_EQ(FitToField(std::wstring(300, L'x'), kBalloonTextCapacity).size(), 255u);
  std::wstring pairAtEdge(254, L'x');
  pairAtEdge += L"\xD83D\xDDB1tail";
  EXPECT_EQ(FitToField(pairAtEdge, kBalloonTextCapacity), std::wstring(254, L'x'));
  EXPECT_EQ(FitToField(L"abc", 0), L"");
}

// The main dialog's initialisation. A start with and without the mouse, and a refused reader event, are
// the demo program's tests under Wine; here a refused device-notice registration, which stops the start
// after the reader was released, and the profile's language code.
TEST(StartupSequenceTest, ARefusedNoticeRegistrationStopsTheStartWithItsMessage) {
  for (const bool registered : {true, false}) {
    test::RecordingPorts ports;
    ports.noticesRegistered = registered;
    ports.languageCode = L"CHS";
    ui::InterfaceLanguage language;
    EXPECT_EQ(RunStartupSequence(ports, ports, ports, language), registered);
    EXPECT_EQ(ports.Count("release reader"), 1);
    EXPECT_EQ(ports.Count("tray icon"), registered ? 1 : 0);
    EXPECT_EQ(ports.messages, registered ? std::vector<std::wstring>{}
                                         : std::vector<std::wstring>{L"RegisterDeviceNotification failed!!!"});
    EXPECT_EQ(ports.mainPageDrawn, registered);
    if (registered) {
      EXPECT_EQ(language.settingsSection(), L"Setting-CHS") << "the profile's language code is used";
    }
  }
}

// The host settings a profile carries, as the values of the platform calls they become, and the
// warning of a refused setting.
TEST(HostPointerCalls, ValuesAtTheEdgesOfEachSetting) {
  const struct {
    std::uint8_t precision, speed, oneScreen, lines, doubleClick;
    std::size_t call;  // 0 mouse (precision), 1 speed, 2 scroll lines, 3 double-click time
    std::uint64_t value;
    const char* why;
  } cases[] = {
      {1, 6, 0, 3, 6, 0, 1, "precision on: the triple's third value"},
      {2, 6, 0, 3, 6, 0, 0, "only 1 switches precision on"},
      {0, 1, 0, 3, 6, 1, 1, ""},
      {0, 11, 0, 3, 6, 1, 20, ""},
      {0, 12, 0, 3, 6, 1, 22, "beyond the platform's 1..20: its refusal warns"},
      {0, 6, 0, 7, 6, 2, 7, ""},
      {0, 6, 1, 7, 6, 2, 0xFFFFFFFFu, "one screen per notch whatever the lines"},
      {0, 6, 0, 3, 1, 3, 900, ""},
      {0, 6, 0, 3, 7, 3, 480, ""},
      {0, 6, 0, 3, 200, 3, 130, "a damaged byte must not wrap to a huge time"},
  };
  for (const auto& c : cases) {
    profiles::ProfileRecord record;
    record.PointerPrecision() = c.precision;
    record.PointerSpeed() = c.speed;
    record.ScrollOneScreen() = c.oneScreen;
    record.ScrollLines() = c.lines;
    record.DoubleClickSpeed() = c.doubleClick;
    const auto calls = HostPointerCalls(profiles::HostSettingsFrom(record));
    const SystemParameterCall& call = calls[c.call];
    const std::uint64_t value = c.call == 0 ? static_cast<std::uint64_t>(call.triple[2])
                                : c.call == 1 ? call.value
                                              : call.uiParam;
    EXPECT_EQ(value, c.value) << &c - cases << " " << c.why;
  }
}

TEST(ApplyHostPointerSettings, ARefusedSettingWarnsAndTheRestStillRuns) {
  for (SpiAction refused : {SpiAction::SetMouse, SpiAction::SetMouseSpeed, SpiAction::SetWheelScrollLines,
                            SpiAction::SetDoubleClickTime}) {
    test::RecordingPorts ports;
    ports.refusedAction = refused;
    EXPECT_EQ(ApplyHostPointerSettings(ports.hostSettings, ports, ports), 1);
    ASSERT_EQ(ports.spiCalls.size(), 4u);
    const auto call = std::ranges::find(ports.spiCalls, refused, &SystemParameterCall::action);
    ASSERT_NE(call, ports.spiCalls.end());
    EXPECT_EQ(ports.warnings, std::vector<std::wstring>{std::wstring(call->failureWarning)});
  }
}



}  // namespace
}  // namespace quendar::app
