#include "core/profiles/profile_list.h"

#include <algorithm>

#include <gtest/gtest.h>

#include "core/profiles/profile_slots.h"
#include "native/profiles/profile_fixture.h"

namespace quendar::profiles {
namespace {

using testing::ProfileFolderTest;

ProfileListModel List(std::vector<std::wstring> names, std::optional<std::size_t> selection = std::nullopt) {
  return {std::move(names), selection, true, {}};
}

TEST(ProfileListRules, NewNamesContinueTheLastName) {
  const struct { std::vector<std::wstring> names; std::wstring added; } cases[] = {
      {{}, L"PROFILE_0"},
      {{L"PROFILE_0", L"PROFILE_1"}, L"PROFILE_2"},
      {{L"PROFILE_0", L"Work"}, L"Work_2"},
      {{L"A_x"}, L"PROFILE_1"},
      {{L"My_7_b"}, L"PROFILE_8"},
      {{L"PROFILE_1", L"PROFILE_0"}, L"PROFILE_2"},  // never a name the list already has
      {{L"Work_2", L"Work"}, L"Work_3"},
  };
  for (const auto& c : cases) {
    ProfileListModel list = List(c.names);
    ASSERT_EQ(AddProfile(list), AddResult::Added);
    EXPECT_EQ(list.names.back(), c.added);
    EXPECT_EQ(list.selection, list.names.size() - 1);
  }
}

// A full list refusing New and Copy, and Copy's name, are the profile manager's tests.
TEST(ProfileListRules, DeleteAndRenameRespectTheLimits) {
  ProfileListModel one = List({L"only"}, 0);
  EXPECT_FALSE(DeleteProfile(one));
  EXPECT_EQ(one.names.size(), 1u);
  ProfileListModel three = List({L"a", L"b", L"c"}, 1);
  EXPECT_TRUE(DeleteProfile(three));
  EXPECT_EQ(three.names, (std::vector<std::wstring>{L"a", L"c"}));
  EXPECT_FALSE(DeleteProfile(three));  // nothing selected
  EXPECT_FALSE(CopyProfile(three, L"Copy"));
  EXPECT_FALSE(RenameProfile(three, 2, L"x"));
}

class ProfileListFileTest : public ProfileFolderTest {};

TEST_F(ProfileListFileTest, ManagerLookupIgnoresCaseAndStartsAtItemOne) {
  SetList({L"a", L"A"}, L"a");
  std::uint8_t index = 5;
  ProfileListModel list = ReadProfileList(disk, folder / "str.ini", index);
  EXPECT_EQ(list.selection, 1u);
  EXPECT_EQ(index, 1);
  // The loader, comparing exactly, takes item 0 for the same file.
  EXPECT_EQ(CurrentIndexFromList(disk, folder / "str.ini").matched, 0);

  SetList({L"x", L"y"}, L"zzz");
  list = ReadProfileList(disk, folder / "str.ini", index);
  EXPECT_FALSE(list.selection);
  EXPECT_EQ(index, 1);

  std::filesystem::remove(folder / "str.ini");
  EXPECT_TRUE(ReadProfileList(disk, folder / "str.ini", index).names.empty());
}

// Six slots whose files all differ, so every byte that lands in the wrong slot shows.
class ProfileSlotsTest : public ProfileFolderTest {
 protected:
  ProfileSlotsTest() {
    for (int slot = 0; slot < 6; ++slot) {
      MakeDataFile(folder / DataFileName(slot), static_cast<std::uint8_t>(0x10 + slot), 1);
      EXPECT_FALSE(ini::WriteString(disk, folder / TextFileName(slot), L"Setting-EN", L"Item1", L"caption " + std::to_wstring(slot)).failed());
    }
  }
};

// Deleting the second of six moves every later profile down with its settings and captions; the freed
// last slot starts from the defaults. A copy takes the source's settings and captions.
TEST_F(ProfileSlotsTest, RemovalMovesLaterSlotsDownAndCopyCopiesTheSlot) {
  const auto caption = [&](int slot) {
    return ini::ReadString(disk, folder / TextFileName(slot), L"Setting-EN", L"Item1");
  };
  const std::uint8_t defaultByte = DataFile(folder / "config.bin").record.bytes()[100];
  ASSERT_TRUE(Commit(disk, SlotFolder(disk, folder.path()).PlanRemoval(1, 6).files).ok());
  for (int slot = 1; slot < 5; ++slot) {
    EXPECT_EQ(DataFile(folder / DataFileName(slot)).record.bytes()[100], 0x10 + slot + 1) << slot;
    EXPECT_EQ(caption(slot), L"caption " + std::to_wstring(slot + 1));
  }
  EXPECT_EQ(DataFile(folder / DataFileName(5)).record.bytes()[100], defaultByte);
  EXPECT_NE(caption(5), L"caption 5");
  ASSERT_TRUE(Commit(disk, SlotFolder(disk, folder.path()).PlanCopy(0, 3).files).ok());
  EXPECT_EQ(DataFile(folder / DataFileName(3)).record.bytes()[100], 0x10);
  EXPECT_EQ(caption(3), L"caption 0");
}

TEST_F(ProfileSlotsTest, AFailurePartWayPutsBackEveryFileAndAMissingSourceWritesNothing) {
  const auto before = testing::FolderBytes(folder.path());
  const SlotPlan plan = SlotFolder(disk, folder.path()).PlanRemoval(0, 6);
  ASSERT_EQ(plan.files.size(), 12u);
  for (std::size_t failing = 0; failing < plan.files.size(); ++failing) {
    disk.ArmNthReplace(static_cast<int>(failing));
    const CommitResult result = Commit(disk, plan.files);
    disk.Arm(testing::Fault::None);
    ASSERT_TRUE(result.failure) << failing;
    EXPECT_EQ(*result.failure, (files::FileFailure{files::FileStep::Write, plan.files[failing].file, ENOSPC}));
    EXPECT_FALSE(result.restoreFailure);
    EXPECT_EQ(testing::FolderBytes(folder.path()), before) << "failing write " << failing;
  }
  // A source that cannot be read writes nothing.
  std::filesystem::remove(folder / "config.bin");
  EXPECT_EQ(SlotFolder(disk, folder.path()).PlanDefaults(3).failure,
            (files::FileFailure{files::FileStep::Read, folder / "config.bin", 2}));
}

TEST_F(ProfileListFileTest, ClosingWithoutSelectionMakesTheFirstNameCurrent) {
  std::uint8_t index = 4;
  ASSERT_FALSE(WriteProfileList(disk, folder / "str.ini", List({L"one", L"two"}), index).failed());
  EXPECT_EQ(index, 0);
  EXPECT_EQ(ini::ReadString(disk, folder / "str.ini", L"Profile", L"CurProfileName"), L"one");

  // A list that was never read is never written: the profile manager's test under Wine. Nor is a
  // list file that went away in the meantime created again.
  std::filesystem::remove(folder / "str.ini");
  EXPECT_TRUE(WriteProfileList(disk, folder / "str.ini", List({L"one"}, 0), index).failed());
  EXPECT_FALSE(std::filesystem::exists(folder / "str.ini"));
}

}  // namespace
}  // namespace quendar::profiles
