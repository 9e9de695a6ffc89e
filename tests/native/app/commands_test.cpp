// "Save", "Reset" and the notification icon over recording ports: one Save per debounce period, what the
// user is told when the settings missed the mouse or the files, and the balloons of the device notices.
#include <gtest/gtest.h>

#include <algorithm>

#include "app_fakes.h"
#include "core/app/apply_commands.h"
#include "core/app/balloon.h"
#include "core/app/tray_commands.h"

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
  const struct {
    bool reached, stored;
    const wchar_t* warning;
  } cases[] = {
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
  const struct {
    std::uint8_t code, sensor;
    const wchar_t* text;
  } cases[] = {
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

}  // namespace
}  // namespace quendar::app
