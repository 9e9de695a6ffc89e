// The installed default files must load through the program's own code into a usable profile.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "core/profiles/cpi_levels.h"
#include "native/profiles/profile_fixture.h"

namespace quendar::profiles {
namespace {

class InstalledDefaultsTest : public testing::ProfileFolderTest {};

TEST_F(InstalledDefaultsTest, EveryProfileSlotLoadsTheDefaultSettings) {
  std::uint8_t index = 9;
  const ProfileListModel list = ReadProfileList(disk, folder / "str.ini", index);
  EXPECT_EQ(list.names, (std::vector<std::wstring>{L"PROFILE_0", L"PROFILE_1", L"PROFILE_2", L"PROFILE_3",
                                                   L"PROFILE_4", L"PROFILE_5"}));
  EXPECT_EQ(index, 0);
  for (std::uint8_t slot = 0; slot < kMaxProfiles; ++slot) {
    const auto slotFile = DataFile(folder / DataFileName(slot));
    EXPECT_EQ(slotFile.firstRunFlag, 0);
    EXPECT_EQ(slotFile.record.ProfileNumber(), slot);
    EXPECT_TRUE(std::ranges::equal(slotFile.record.bytes().subspan(1), DataFile(folder / "config.bin").record.bytes().subspan(1)));
  }
  ASSERT_EQ(files.LoadProfile(), LoadResult::Loaded);
  const ProfileRecord& r = state.record;
  std::set<int> values;
  std::set<std::array<int, 3>> colours;
  for (std::size_t stage = 0; stage < kCpiStageCount; ++stage) {
    EXPECT_EQ(r.CpiStageEnabled(stage), 1);
    EXPECT_GE(r.CpiStageLevel(stage), 1);
    EXPECT_LE(r.CpiStageLevel(stage), kCpiLevelCount);
    values.insert(CpiLevelValue(r.CpiStageLevel(stage)));
    colours.insert({r.CpiStageColor(stage, 0), r.CpiStageColor(stage, 1), r.CpiStageColor(stage, 2)});
  }
  EXPECT_EQ(values.size(), kCpiStageCount);
  EXPECT_EQ(colours.size(), kCpiStageCount);
}

TEST_F(InstalledDefaultsTest, TextFilesHoldTheDefaultCaptionsAndALegibleSkin) {
  ASSERT_EQ(files.LoadProfile(), LoadResult::Loaded);
  for (Language language : {Language::English, Language::SimplifiedChinese, Language::TraditionalChinese}) {
    files.SetLanguage(language);
    files.ReadProfileTexts();
    EXPECT_EQ(files.captions(), DefaultCaptions(language));
  }
  EXPECT_EQ(files.skinKeys().path, L"Default");
  const TextColor colour = SkinTextColorFrom(files.skinKeys());
  EXPECT_GT(colour.red + colour.green + colour.blue, 3 * 128);  // legible on the dark skin
  EXPECT_EQ(files.ReadLanguageCode(), L"");
  EXPECT_EQ(ini::ReadSectionNames(disk, folder / "record.ini").size(), 2u);
}

}  // namespace
}  // namespace quendar::profiles
