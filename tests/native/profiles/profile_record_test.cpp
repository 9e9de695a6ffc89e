#include "core/profiles/profile_record.h"

#include <gtest/gtest.h>

#include "core/profiles/cpi_levels.h"

namespace quendar::profiles {
namespace {

// Each accessor must land on its stored offset; a swapped or shifted field would corrupt every file. The
// host settings and sensitivities are also placed by the demo's Save tests under Wine, from file bytes.
TEST(ProfileRecord, AccessorsWriteTheirStoredOffsets) {
  struct Probe {
    std::size_t offset;
    std::uint8_t& (*slot)(ProfileRecord&);
  };
  const Probe probes[] = {
      {0x005, [](ProfileRecord& r) -> std::uint8_t& { return r.ReportRateCode(); }},
      {0x00D, [](ProfileRecord& r) -> std::uint8_t& { return r.CpiStageLevel(6); }},
      {0x015, [](ProfileRecord& r) -> std::uint8_t& { return r.CpiStageEnabled(6); }},
      {0x02B, [](ProfileRecord& r) -> std::uint8_t& { return r.CpiStageColor(6, 2); }},
      {0x032, [](ProfileRecord& r) -> std::uint8_t& { return r.LightingSlider(2); }},
      {0x034, [](ProfileRecord& r) -> std::uint8_t& { return r.LightingVariant(); }},
      {0x03B, [](ProfileRecord& r) -> std::uint8_t& { return r.AngleSnap(); }},
      {0x04A, [](ProfileRecord& r) -> std::uint8_t& { return r.FunctionType(11); }},
      {0x071, [](ProfileRecord& r) -> std::uint8_t& { return r.MediaUsage(2); }},
      {0x0AB, [](ProfileRecord& r) -> std::uint8_t& { return r.HotkeyLetter(0); }},
      {0x0E6, [](ProfileRecord& r) -> std::uint8_t& { return r.ComboKey2(11); }},
      {0x12E, [](ProfileRecord& r) -> std::uint8_t& { return r.MacroRepeatMode(11); }},
      {0x12F, [](ProfileRecord& r) -> std::uint8_t& { return r.MacroBlock(0)[0]; }},
      {0x12F + 11 * 128 + 127, [](ProfileRecord& r) -> std::uint8_t& { return r.MacroBlock(11)[127]; }},
  };
  for (const Probe& probe : probes) {
    ProfileRecord record;
    probe.slot(record) = 0xA5;
    for (std::size_t i = 0; i < kRecordSize; ++i) {
      ASSERT_EQ(record.bytes()[i], i == probe.offset ? 0xA5 : 0) << "offset " << probe.offset;
    }
  }
}

// The step at level 50 shows through the balloon's text and the download's stage bytes; here that
// stored levels outside the table stay inside it.
TEST(CpiLevels, LevelsOutsideTheTableAreClamped) {
  EXPECT_EQ(CpiLevelCode(0), 1);
  EXPECT_EQ(CpiLevelText(200), L"10000");
}

}  // namespace
}  // namespace quendar::profiles
