// The notification icon: showing the window, the exit menu, and the balloons of the two device
// notices, with their exact records.
#include "core/app/tray_commands.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app_fakes.h"
#include "core/app/balloon.h"

namespace quendar::app {
namespace {

using ::testing::ElementsAre;

class TrayCommandsTest : public ::testing::Test {
 protected:
  test::RecordingPorts ports;
  ui::InterfaceLanguage language;
  ApplyCommands apply{ports, ports, ports, ports, ports, language};
  TrayCommands tray{ports, ports, ports, apply, language};
};

TEST_F(TrayCommandsTest, ClicksShowTheWindowOrTheExitMenu) {
  ports.present = false;
  tray.OnTrayCallback(kTrayLeftButtonUp);
  tray.OnTrayCallback(kTrayLeftDoubleClick);
  tray.OnTrayCallback(kTrayRightButtonUp);
  for (unsigned other : {0x200u, 0x201u, 0x204u, 0x206u}) tray.OnTrayCallback(other);
  EXPECT_THAT(ports.log, ElementsAre("draw main page", "show", "notice 15 0", "redraw", "show", "notice 15 0",
                                     "menu Exit"));
}

TEST_F(TrayCommandsTest, StageSwitchReadsStagesAndShowsTheStageValue) {
  ports.sensorType = 3;
  ports.stageCodes[2] = 0x0A;
  tray.OnDeviceNotice(kNoticeStageSwitched, 3);
  EXPECT_THAT(ports.log, ElementsAre("read stages", "balloon"));
  ASSERT_EQ(ports.balloons.size(), 1u);
  const BalloonRecord& b = ports.balloons[0];
  EXPECT_EQ(b.text, L"Switch CPI into the third stage 1100");
  EXPECT_EQ(b.title, L"CPI stage switch");
  EXPECT_EQ(b.iconFlags, 0x17u);
  EXPECT_EQ(b.infoIcon, 1u);
  EXPECT_EQ(b.timeoutMs, 5000u);
}

TEST_F(TrayCommandsTest, AStageReadBackThatFailedShowsTheStageWithoutAValue) {
  ports.stageCodes[2] = 0x0A;
  ports.stageReadFailure = device::ExchangeError{0x91, device::ExchangeStep::FetchReply, device::kTimeoutError};
  tray.OnDeviceNotice(kNoticeStageSwitched, 3);
  ASSERT_EQ(ports.balloons.size(), 1u);
  EXPECT_EQ(ports.balloons[0].text, L"Switch CPI into the third stage ");
}

TEST_F(TrayCommandsTest, StageOutsideOneToSevenReadsButShowsNothing) {
  for (std::intptr_t stage : {0, 8, -1, 255}) tray.OnDeviceNotice(kNoticeStageSwitched, stage);
  EXPECT_THAT(ports.log, ElementsAre("read stages", "read stages", "read stages", "read stages"));
}

TEST_F(TrayCommandsTest, NotDetectedIsAShortWarningBalloonInTheInterfaceLanguage) {
  language = ui::InterfaceLanguage(L"CHT");
  tray.OnDeviceNotice(kNoticeNotDetected, 0);
  tray.OnDeviceNotice(3, 0);
  ASSERT_EQ(ports.balloons.size(), 1u);
  EXPECT_EQ(ports.balloons[0].text, L"系統沒有檢測到遊戲滑鼠！");
  EXPECT_EQ(ports.balloons[0].title, L"Warning");
  EXPECT_EQ(ports.balloons[0].iconFlags, 0x17u);
  EXPECT_EQ(ports.balloons[0].timeoutMs, 100u);
}

TEST(CpiCodeText, LevelTableForSensorTypeThreeFixedListOtherwise) {
  EXPECT_EQ(CpiCodeText(0x0A, 3), L"1100");
  EXPECT_EQ(CpiCodeText(49, 3), L"5000");
  EXPECT_EQ(CpiCodeText(89, 3), L"5200");
  EXPECT_EQ(CpiCodeText(50, 3), L"") << "codes 50..88 belong to no level";
  EXPECT_EQ(CpiCodeText(0x8A, 3), L"") << "a disabled stage finds nothing";
  EXPECT_EQ(CpiCodeText(0x25, 0), L"2500");
  EXPECT_EQ(CpiCodeText(0x0A, 0), L"");
  EXPECT_EQ(CpiCodeText(8, 4), L"2000");
  EXPECT_EQ(CpiCodeText(0x29, 1), L"");
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
