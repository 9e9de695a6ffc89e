// The host settings a profile carries, as the values of the platform calls they become, and the
// warning of a refused setting.
#include "core/app/host_pointer_settings.h"

#include <gtest/gtest.h>

#include "app_fakes.h"
#include "core/profiles/profile_record.h"

namespace quendar::app {
namespace {

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
      {0, 2, 0, 3, 6, 1, 2, ""},
      {0, 11, 0, 3, 6, 1, 20, ""},
      {0, 12, 0, 3, 6, 1, 22, "beyond the platform's 1..20: its refusal warns"},
      {0, 6, 0, 7, 6, 2, 7, ""},
      {0, 6, 1, 7, 6, 2, 0xFFFFFFFFu, "one screen per notch whatever the lines"},
      {0, 6, 0, 3, 1, 3, 900, ""},
      {0, 6, 0, 3, 2, 3, 830, ""},
      {0, 6, 0, 3, 7, 3, 480, ""},
      {0, 6, 0, 3, 12, 3, 130, ""},
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
