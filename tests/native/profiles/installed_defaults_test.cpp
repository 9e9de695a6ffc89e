// The installed default files must load through the program's own code into a usable profile.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "core/profiles/cpi_levels.h"
#include "native/profiles/profile_fixture.h"

namespace quendar::profiles {
namespace {

using InstalledDefaultsTest = testing::ProfileFolderTest;

TEST_F(InstalledDefaultsTest, EverySlotLoadsTheDefaultSettingsWithItsCaptionsAndALegibleSkin) {
  // Each slot's own number and never-saved flag are the profile manager's and the demo's tests under Wine.
  for (std::uint8_t slot = 0; slot < kMaxProfiles; ++slot) {
    EXPECT_TRUE(std::ranges::equal(DataFile(folder / DataFileName(slot)).record.bytes().subspan(1),
                                   DataFile(folder / "config.bin").record.bytes().subspan(1))) << int(slot);
  }
  ASSERT_EQ(files.LoadProfile(), LoadResult::Loaded);
  const ProfileRecord& r = state.record;
  std::set<int> values;
  std::set<std::array<int, 3>> colours;
  for (std::size_t stage = 0; stage < kCpiStageCount; ++stage) {
    EXPECT_EQ(r.CpiStageEnabled(stage), 1);
    EXPECT_TRUE(r.CpiStageLevel(stage) >= 1 && r.CpiStageLevel(stage) <= kCpiLevelCount) << stage;
    values.insert(CpiLevelValue(r.CpiStageLevel(stage)));
    colours.insert({r.CpiStageColor(stage, 0), r.CpiStageColor(stage, 1), r.CpiStageColor(stage, 2)});
  }
  EXPECT_EQ(values.size(), kCpiStageCount);
  EXPECT_EQ(colours.size(), kCpiStageCount);

  for (Language language : {Language::English, Language::SimplifiedChinese, Language::TraditionalChinese}) {
    files.SetLanguage(language);
    files.ReadProfileTexts();
    EXPECT_EQ(files.captions(), DefaultCaptions(language));
  }
  const TextColor colour = SkinTextColorFrom(files.skinKeys());
  EXPECT_GT(colour.red + colour.green + colour.blue, 3 * 128);  // legible on the dark skin
  EXPECT_EQ(files.ReadLanguageCode(), L"");
}

}  // namespace
}  // namespace quendar::profiles
