// "Save", "Reset" and "Cancel": the order of their steps with the mouse present and absent, the
// debounce of "Save", and the wait cursor's timers.
#include "core/app/apply_commands.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app_fakes.h"
#include "core/app/tray_commands.h"

namespace quendar::app {
namespace {

using ::testing::ElementsAre;

class ApplyCommandsTest : public ::testing::Test {
 protected:
  test::RecordingPorts ports;
  ui::InterfaceLanguage language;
  ApplyCommands commands{ports, ports, ports, ports, ports, language};
};

TEST_F(ApplyCommandsTest, SaveDownloadsSnapshotsAndAppliesHostSettingsUnderAWaitCursor) {
  commands.OnSaveClicked();
  EXPECT_THAT(ports.log, ElementsAre("wait cursor", "timer 3 6000", "download", "snapshot", "spi 4", "spi 113",
                                     "spi 105", "spi 32", "timer 1 2000"));
}

TEST_F(ApplyCommandsTest, ADownloadThatDidNotReachTheMouseIsToldOnceEverythingElseIsDone) {
  ports.downloadFailure = device::DownloadFailure{1, {0x13, device::ExchangeStep::SendPacket, 31}};
  language = ui::InterfaceLanguage(L"CHS");
  commands.ApplyProfile();
  commands.ResetProfile();
  const std::string warning = "warn " + test::RecordingPorts::Narrow(L"设置已保存，但未能写入鼠标。");
  EXPECT_THAT(ports.log, ElementsAre("wait cursor", "timer 3 6000", "download", "snapshot", "spi 4", "spi 113",
                                     "spi 105", "spi 32", warning, "wait cursor", "timer 2 6000", "load defaults",
                                     "download", "snapshot", "spi 4", "spi 113", "spi 105", "spi 32", "close popups",
                                     "redraw", warning));
  EXPECT_EQ(commands.lastDownloadFailure(), ports.downloadFailure);

  // Files that did not take the settings change what is said: never "saved" when they were not.
  ports.stored = false;
  for (const bool reached : {true, false}) {
    ports.downloadFailure = reached ? std::nullopt : std::optional(device::DownloadFailure{2, {}});
    ports.log.clear();
    commands.ApplyProfile();
    EXPECT_EQ(ports.log.back(), "warn " + test::RecordingPorts::Narrow(reached ? L"设置已写入鼠标，但未能保存。"
                                                                              : L"设置未能保存，也未能写入鼠标。"));
  }
}

TEST_F(ApplyCommandsTest, SaveIsDebouncedUntilItsTimerFires) {
  commands.OnSaveClicked();
  ports.log.clear();
  commands.OnSaveClicked();
  EXPECT_TRUE(ports.log.empty()) << "a second click within the period starts nothing";
  commands.OnTimer(AppTimer::ApplyDebounce);
  commands.OnTimer(AppTimer::ApplyWaitCursor);
  EXPECT_THAT(ports.log, ElementsAre("arrow cursor"));
  commands.OnSaveClicked();
  EXPECT_EQ(std::count(ports.log.begin(), ports.log.end(), "download"), 1);
}

TEST_F(ApplyCommandsTest, SaveWithoutTheMouseOnlySaysSoAndStillDebounces) {
  ports.present = false;
  commands.OnSaveClicked();
  EXPECT_THAT(ports.log, ElementsAre("notice 15 0", "timer 1 2000"));
  EXPECT_TRUE(commands.applyDebounce());
}

TEST_F(ApplyCommandsTest, ResetWithTheMouseLoadsDefaultsThenAppliesAndRedraws) {
  commands.ResetProfile();
  EXPECT_THAT(ports.log, ElementsAre("wait cursor", "timer 2 6000", "load defaults", "download", "snapshot",
                                     "spi 4", "spi 113", "spi 105", "spi 32", "close popups", "redraw"));
}

TEST_F(ApplyCommandsTest, ResetWithoutTheMouseOnlyLoadsDefaultsAndRedraws) {
  ports.present = false;
  commands.ResetProfile();
  EXPECT_THAT(ports.log, ElementsAre("wait cursor", "timer 2 6000", "load defaults", "close popups", "redraw"));
}

TEST_F(ApplyCommandsTest, CancelRevertsHidesAndTheNextShowReadsTextsThenProfile) {
  const ui::InterfaceLanguage english;
  TrayCommands tray(ports, ports, ports, commands, english);
  commands.CancelEdits();
  tray.OnTrayCallback(kTrayLeftButtonUp);
  EXPECT_THAT(ports.log, ElementsAre("revert", "hide", "close popups", "read texts", "load profile", "redraw", "show"));
}

}  // namespace
}  // namespace quendar::app
