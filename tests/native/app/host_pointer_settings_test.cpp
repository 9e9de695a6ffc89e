// The host settings a profile carries, as the exact platform calls they become, and the warnings of
// refused settings.
#include "core/app/host_pointer_settings.h"

#include <gtest/gtest.h>

#include "app_fakes.h"
#include "core/profiles/profile_record.h"

namespace quendar::app {
namespace {

// precision, speed, one screen, lines, double-click level
std::array<SystemParameterCall, 4> CallsFor(int precision, int speed, int oneScreen, int lines, int doubleClick) {
  profiles::ProfileRecord record;
  record.PointerPrecision() = static_cast<std::uint8_t>(precision);
  record.PointerSpeed() = static_cast<std::uint8_t>(speed);
  record.ScrollOneScreen() = static_cast<std::uint8_t>(oneScreen);
  record.ScrollLines() = static_cast<std::uint8_t>(lines);
  record.DoubleClickSpeed() = static_cast<std::uint8_t>(doubleClick);
  return HostPointerCalls(profiles::HostSettingsFrom(record));
}

TEST(HostPointerCalls, ExactCallsInOrder) {
  const auto calls = CallsFor(1, 6, 0, 3, 6);
  const SystemParameterCall expected[] = {
      {SpiAction::SetMouse, 0, SpiPointerParam::Triple, {6, 10, 1}, 0, 2, L"SETMOUSE failed."},
      {SpiAction::SetMouseSpeed, 0, SpiPointerParam::Value, {}, 10, 2, L"SETMOUSESPEED failed."},
      {SpiAction::SetWheelScrollLines, 3, SpiPointerParam::None, {}, 0, 2, L"SETWHEELSCROLLLINES failed."},
      {SpiAction::SetDoubleClickTime, 550, SpiPointerParam::None, {}, 0, 3, L"SPI_SETDOUBLECLICKTIME failed."},
  };
  for (std::size_t i = 0; i < calls.size(); ++i) EXPECT_EQ(calls[i], expected[i]) << i;
  EXPECT_EQ(static_cast<unsigned>(calls[1].action), 0x71u);
}

TEST(HostPointerCalls, ValuesAtTheEdgesOfEachSetting) {
  EXPECT_EQ(CallsFor(2, 6, 0, 3, 6)[0].triple, (std::array<int, 3>{0, 0, 0})) << "only 1 switches precision on";
  EXPECT_EQ(CallsFor(0, 1, 0, 3, 6)[1].value, 1u);
  EXPECT_EQ(CallsFor(0, 2, 0, 3, 6)[1].value, 2u);
  EXPECT_EQ(CallsFor(0, 11, 0, 3, 6)[1].value, 20u);
  EXPECT_EQ(CallsFor(0, 12, 0, 3, 6)[1].value, 22u) << "beyond the platform's 1..20: its refusal warns";
  EXPECT_EQ(CallsFor(0, 6, 1, 7, 6)[2].uiParam, 0xFFFFFFFFu) << "one screen per notch whatever the lines";
  EXPECT_EQ(CallsFor(0, 6, 0, 3, 1)[3].uiParam, 900u);
  EXPECT_EQ(CallsFor(0, 6, 0, 3, 2)[3].uiParam, 830u);
  EXPECT_EQ(CallsFor(0, 6, 0, 3, 7)[3].uiParam, 480u);
  EXPECT_EQ(CallsFor(0, 6, 0, 3, 12)[3].uiParam, 130u);
  EXPECT_EQ(CallsFor(0, 6, 0, 3, 200)[3].uiParam, 130u) << "a damaged byte must not wrap to a huge time";
}

TEST(ApplyHostPointerSettings, ARefusedSettingWarnsAndTheRestStillRuns) {
  for (SpiAction refused : {SpiAction::SetMouse, SpiAction::SetMouseSpeed, SpiAction::SetWheelScrollLines,
                            SpiAction::SetDoubleClickTime}) {
    test::RecordingPorts ports;
    ports.refusedAction = refused;
    EXPECT_EQ(ApplyHostPointerSettings(ports.hostSettings, ports, ports), 1);
    EXPECT_EQ(ports.spiCalls.size(), 4u);
    ASSERT_EQ(ports.warnings.size(), 1u);
    for (const auto& call : ports.spiCalls) {
      if (call.action == refused) {
        EXPECT_EQ(ports.warnings[0], call.failureWarning);
      }
    }
  }
}

}  // namespace
}  // namespace quendar::app
