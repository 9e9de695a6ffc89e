// The host settings a profile carries, as the exact platform calls they become, and the warnings of
// refused settings.
#include "core/app/host_pointer_settings.h"

#include <gtest/gtest.h>

#include "app_fakes.h"
#include "core/profiles/profile_record.h"

namespace quendar::app {
namespace {

profiles::ProfileRecord RecordWith(int precision, int speed, int oneScreen, int lines, int doubleClick) {
  profiles::ProfileRecord record;
  record.PointerPrecision() = static_cast<std::uint8_t>(precision);
  record.PointerSpeed() = static_cast<std::uint8_t>(speed);
  record.ScrollOneScreen() = static_cast<std::uint8_t>(oneScreen);
  record.ScrollLines() = static_cast<std::uint8_t>(lines);
  record.DoubleClickSpeed() = static_cast<std::uint8_t>(doubleClick);
  return record;
}

std::array<SystemParameterCall, 4> CallsFor(const profiles::ProfileRecord& record) {
  return HostPointerCalls(profiles::HostSettingsFrom(record));
}

TEST(HostPointerCalls, FourCallsInOrderWithTheirParameterKindsAndFlags) {
  const auto calls = CallsFor(RecordWith(1, 6, 0, 3, 6));
  EXPECT_EQ(calls[0].action, SpiAction::SetMouse);
  EXPECT_EQ(calls[0].pointerParam, SpiPointerParam::Triple);
  EXPECT_EQ(calls[0].uiParam, 0u);
  EXPECT_EQ(calls[0].updateFlags, 2u);
  EXPECT_EQ(calls[1].action, SpiAction::SetMouseSpeed);
  EXPECT_EQ(calls[1].pointerParam, SpiPointerParam::Value);
  EXPECT_EQ(calls[1].uiParam, 0u);
  EXPECT_EQ(calls[1].updateFlags, 2u);
  EXPECT_EQ(calls[2].action, SpiAction::SetWheelScrollLines);
  EXPECT_EQ(calls[2].pointerParam, SpiPointerParam::None);
  EXPECT_EQ(calls[2].uiParam, 3u);
  EXPECT_EQ(calls[2].updateFlags, 2u);
  EXPECT_EQ(calls[3].action, SpiAction::SetDoubleClickTime);
  EXPECT_EQ(calls[3].pointerParam, SpiPointerParam::None);
  EXPECT_EQ(calls[3].updateFlags, 3u);
  EXPECT_EQ(static_cast<unsigned>(calls[0].action), 4u);
  EXPECT_EQ(static_cast<unsigned>(calls[1].action), 0x71u);
  EXPECT_EQ(static_cast<unsigned>(calls[2].action), 0x69u);
  EXPECT_EQ(static_cast<unsigned>(calls[3].action), 0x20u);
}

TEST(HostPointerCalls, PrecisionOnlyOnForValueOne) {
  EXPECT_EQ(CallsFor(RecordWith(1, 6, 0, 3, 6))[0].triple, (std::array<int, 3>{6, 10, 1}));
  for (int off : {0, 2, 255}) {
    EXPECT_EQ(CallsFor(RecordWith(off, 6, 0, 3, 6))[0].triple, (std::array<int, 3>{0, 0, 0})) << off;
  }
}

TEST(HostPointerCalls, SpeedLevelsBecomePlatformSpeeds) {
  EXPECT_EQ(CallsFor(RecordWith(0, 1, 0, 3, 6))[1].value, 1u);
  EXPECT_EQ(CallsFor(RecordWith(0, 2, 0, 3, 6))[1].value, 2u);
  EXPECT_EQ(CallsFor(RecordWith(0, 11, 0, 3, 6))[1].value, 20u);
  // The top of the dial would give 22, beyond the platform's range of 1..20.
  EXPECT_EQ(CallsFor(RecordWith(0, 12, 0, 3, 6))[1].value, 20u);
}

TEST(HostPointerCalls, DoubleClickLevelsBecomeMilliseconds) {
  EXPECT_EQ(CallsFor(RecordWith(0, 6, 0, 3, 1))[3].uiParam, 900u);
  EXPECT_EQ(CallsFor(RecordWith(0, 6, 0, 3, 2))[3].uiParam, 830u);
  EXPECT_EQ(CallsFor(RecordWith(0, 6, 0, 3, 12))[3].uiParam, 130u);
}

TEST(HostPointerCalls, OneScreenScrollingOverridesTheLineCount) {
  EXPECT_EQ(CallsFor(RecordWith(0, 6, 1, 7, 6))[2].uiParam, 0xFFFFFFFFu);
  EXPECT_EQ(CallsFor(RecordWith(0, 6, 0, 7, 6))[2].uiParam, 7u);
}

TEST(ApplyHostPointerSettings, ARefusedSettingWarnsAndTheRestStillRuns) {
  const std::pair<SpiAction, const wchar_t*> cases[] = {
      {SpiAction::SetMouse, L"SETMOUSE failed."},
      {SpiAction::SetMouseSpeed, L"SETMOUSESPEED failed."},
      {SpiAction::SetWheelScrollLines, L"SETWHEELSCROLLLINES failed."},
      {SpiAction::SetDoubleClickTime, L"SPI_SETDOUBLECLICKTIME failed."},
  };
  for (const auto& [refused, warning] : cases) {
    test::RecordingPorts ports;
    ports.refusedAction = refused;
    EXPECT_EQ(ApplyHostPointerSettings(ports.hostSettings, ports, ports), 1);
    ASSERT_EQ(ports.spiCalls.size(), 4u);
    EXPECT_EQ(ports.warnings, std::vector<std::wstring>{warning});
  }
}

TEST(ApplyHostPointerSettings, AllAcceptedShowsNothing) {
  test::RecordingPorts ports;
  EXPECT_EQ(ApplyHostPointerSettings(ports.hostSettings, ports, ports), 0);
  EXPECT_TRUE(ports.warnings.empty());
  EXPECT_EQ(ports.spiCalls[1].value, 10u);
}

}  // namespace
}  // namespace quendar::app
