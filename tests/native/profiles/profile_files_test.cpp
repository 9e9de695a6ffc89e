// The profile files beside the program: loading, saving, Reset, import and export, the profile list and the
// six slots, and the installed defaults as the program reads them.
#include "core/profiles/profile_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "core/profiles/cpi_levels.h"
#include "core/profiles/profile_list.h"
#include "core/profiles/profile_record.h"
#include "core/profiles/profile_slots.h"
#include "native/profiles/profile_fixture.h"

namespace quendar::profiles {
namespace {

using testing::ProfileFolderTest;
using testing::ReadBytes;
using testing::WriteBytes;
using testing::Fault;

class ProfileFilesTest : public ProfileFolderTest {
 protected:
  ProfileFilesTest() { std::filesystem::create_directories(elsewhere); }
  const std::filesystem::path elsewhere = folder / "elsewhere";
};

TEST_F(ProfileFilesTest, LoadFollowsTheLastExactMatchOfTheCurrentName) {
  MakeDataFile(folder / "config0.bin", 0x10);
  MakeDataFile(folder / "config2.bin", 0x12);
  SetList({L"A", L"B", L"A"}, L"A");
  ASSERT_EQ(files.LoadProfile(), LoadResult::Loaded);
  EXPECT_EQ(state.currentProfileIndex, 2);
  EXPECT_EQ(state.record.ScrollLines(), 0x12);
  EXPECT_EQ(files.paths().textPath, folder / "str2.ini");
  // That the loader compares case-sensitively is the profile list's test; that no match keeps the index,
  // the negative count's below.
}

TEST_F(ProfileFilesTest, AnInvalidListOrDataFileLeavesTheRecordAlone) {
  state.record.ScrollLines() = 77;
  for (const wchar_t* count : {L"0", L"7", L"none"}) {
    SetList({L"P"}, L"P", count);
    EXPECT_EQ(files.LoadProfile(), LoadResult::NoProfileList) << count;
  }
  EXPECT_TRUE(Shown().empty()) << "a list that names no profile loads nothing, silently";
  for (std::size_t size : {kDataFileSize - 1, kDataFileSize + 1}) {
    WriteBytes(folder / "config0.bin", std::string(size, '\x05'));
    SetList({L"P"}, L"P");
    EXPECT_EQ(files.LoadProfile(), LoadResult::WrongSize) << size;
  }
  EXPECT_EQ(state.record.ScrollLines(), 77);
  ASSERT_EQ(Shown().size(), 1u) << "a damaged file is reported once a run";
  EXPECT_NE(Shown()[0].text.find(L"1839 bytes instead of 1840"), std::wstring::npos) << Shown()[0].text;

  std::filesystem::remove(folder / "config0.bin");
  EXPECT_EQ(files.LoadProfile(), LoadResult::Missing);
  EXPECT_EQ(Shown().back().text, L"Config file is not exist.");

  // A negative count matches nothing and loads the current index.
  MakeDataFile(folder / "config4.bin", 0x44);
  SetList({L"P"}, L"P", L"-2");
  state.currentProfileIndex = 4;
  EXPECT_EQ(files.LoadProfile(), LoadResult::Loaded);
  EXPECT_EQ(state.record.ScrollLines(), 0x44);
}

// A disk that refuses the replace is the write-faults test's.
TEST_F(ProfileFilesTest, SaveReplacesOnlyAnExistingDataFile) {
  state.currentProfileIndex = 3;
  state.record.ScrollLines() = 9;
  ASSERT_FALSE(files.SaveProfile().failed());
  EXPECT_EQ(DataFile(folder / "config3.bin").record, state.record);  // its flag: the demo's Save test

  std::filesystem::remove(folder / "config3.bin");
  EXPECT_TRUE(files.SaveProfile().failed());
  EXPECT_FALSE(std::filesystem::exists(folder / "config3.bin"));
  ASSERT_EQ(Shown().size(), 1u);
  EXPECT_EQ(Shown()[0].text, L"Config file is not exist.");
}

TEST_F(ProfileFilesTest, ADamagedDataFileIsKeptAsideBeforeSaveReplacesIt) {
  WriteBytes(folder / "config2.bin", std::string(kDataFileSize + 3, '\x07'));
  const auto damaged = ReadBytes(folder / "config2.bin");
  state.currentProfileIndex = 2;
  ASSERT_FALSE(files.SaveProfile().failed());
  EXPECT_EQ(ReadBytes(folder / "config2.bin.wrong-size"), damaged);
  EXPECT_EQ(DataFile(folder / "config2.bin").record, state.record);
  ASSERT_EQ(Shown().size(), 1u);
  EXPECT_NE(Shown()[0].text.find(L"config2.bin.wrong-size"), std::wstring::npos) << Shown()[0].text;

  // A file that cannot be read, and cannot be moved aside either, is not written over.
  WriteBytes(folder / "config2.bin", "x");
  disk.Arm(Fault::RefuseRename, L"config2.bin");
  EXPECT_TRUE(files.SaveProfile().failed());
  EXPECT_EQ(ReadBytes(folder / "config2.bin"), (std::vector<unsigned char>{'x'}));
  disk.Arm(Fault::None);
  ASSERT_FALSE(files.SaveProfile().failed());
  EXPECT_EQ(ReadBytes(folder / "config2.bin.wrong-size-2"), (std::vector<unsigned char>{'x'}));
}

TEST_F(ProfileFilesTest, ResetLoadsTheDefaultSettingsButKeepsMacrosAndNumber) {
  const ProfileRecord defaults = DataFile(folder / "config.bin").record;
  state.currentProfileIndex = 4;
  std::ranges::fill(state.record.bytes(), 0xEE);
  state.record.ProfileNumber() = 4;
  ASSERT_TRUE(files.LoadDefaults());
  EXPECT_EQ(state.record.ProfileNumber(), 4);
  EXPECT_TRUE(std::ranges::all_of(state.record.MacroTable(), [](auto b) { return b == 0xEE; }));
  for (std::size_t i = 1; i < kSettingsPartSize; ++i) ASSERT_EQ(state.record.bytes()[i], defaults.bytes()[i]) << i;
  EXPECT_EQ(files.captions()[0], L"Click");
  // Later caption writes go to the profile's own file, not to the defaults.
  EXPECT_EQ(files.paths().textPath, folder / "str4.ini");

  std::filesystem::remove(folder / "config.bin");
  files.captions()[0] = L"kept";
  EXPECT_FALSE(files.LoadDefaults());
  EXPECT_EQ(files.captions()[0], L"kept");
  EXPECT_FALSE(state.defaultsMode);
}

// The chosen file and its companion are read, never written; the slot's captions come only from a
// companion of the same name (any case of the extension). The slot's data file is the profile
// manager's Load test under Wine.
TEST_F(ProfileFilesTest, ImportTakesCaptionsOnlyFromACompanionAndNeverWritesTheChosenFiles) {
  MakeDataFile(elsewhere / "MINE.BIN", 0x33, 0);
  MakeDataFile(elsewhere / "alone.bin", 0x45, 0);
  ASSERT_FALSE(ini::WriteString(disk, elsewhere / "MINE.ini", L"Setting-EN", L"Item2", L"Imported").failed());
  ASSERT_FALSE(ini::WriteString(disk, folder / "str3.ini", L"Setting-EN", L"Item1", L"Slot three").failed());
  const auto chosen = ReadBytes(elsewhere / "MINE.BIN"), companion = ReadBytes(elsewhere / "MINE.ini");
  const auto slotTexts = ReadBytes(folder / "str3.ini");

  EXPECT_TRUE(files.ImportProfile(5, elsewhere / "MINE.BIN"));
  EXPECT_EQ(state.record.ProfileNumber(), 5);
  EXPECT_EQ(files.captions()[1], L"Imported");
  EXPECT_EQ(files.captions()[0], L"");
  EXPECT_EQ(ini::ReadString(disk, folder / "str5.ini", L"Setting-EN", L"Item2"), L"Imported");
  EXPECT_EQ(ReadBytes(elsewhere / "MINE.BIN"), chosen);
  EXPECT_EQ(ReadBytes(elsewhere / "MINE.ini"), companion);

  EXPECT_TRUE(files.ImportProfile(3, elsewhere / "alone.bin"));
  EXPECT_EQ(ReadBytes(folder / "str3.ini"), slotTexts);
  EXPECT_EQ(files.captions()[0], L"Slot three");
}

TEST_F(ProfileFilesTest, ImportOfAnythingButAProfileChangesNothingAndSaysWhy) {
  const auto before = ReadBytes(folder / "config4.bin");
  WriteBytes(folder / "short.bin", std::string(kDataFileSize - 1, '\x01'));
  MakeDataFile(folder / "profile.dat", 0x21);
  state.currentProfileIndex = 1;
  for (const char* name : {"profile.dat", "short.bin", "gone.bin"}) EXPECT_FALSE(files.ImportProfile(4, folder / name));
  EXPECT_EQ(state.currentProfileIndex, 1);
  EXPECT_EQ(state.record, ProfileRecord{});
  EXPECT_EQ(ReadBytes(folder / "config4.bin"), before);
  ASSERT_EQ(Shown().size(), 2u) << "a name without .bin is not offered by the dialog and is ignored";
  EXPECT_NE(Shown()[0].text.find(L"nothing was imported"), std::wstring::npos) << Shown()[0].text;
  EXPECT_EQ(Shown()[1].text, L"Config file is not exist.");
}

TEST_F(ProfileFilesTest, ExportWritesBothCopiesButNeverOverTheProgramsOwnFiles) {
  state.record.ScrollLines() = 42;
  state.record.ProfileNumber() = 2;
  files.captions()[0] = L"Exported";
  EXPECT_EQ(ExportTargetFor(elsewhere / "mine"), elsewhere / "mine.bin");
  EXPECT_EQ(ExportTargetFor(elsewhere / "MINE.BIN"), elsewhere / "MINE.BIN");
  // A companion of the same name as an unrelated file is replaced as a whole, never merged into.
  ASSERT_FALSE(ini::WriteString(disk, elsewhere / "mine.ini", L"Other", L"Key", L"stale").failed());
  files.ExportProfile(elsewhere / "mine");
  for (const auto& place : {elsewhere, folder.path()}) {
    EXPECT_EQ(DataFile(place / "mine.bin").record, state.record) << place;
    EXPECT_EQ(ini::ReadString(disk, place / "mine.ini", L"Setting-EN", L"Item1"), L"Exported") << place;
    EXPECT_EQ(ini::ReadSectionNames(disk, place / "mine.ini"), std::vector<std::wstring>{L"Setting-EN"}) << place;
  }
  EXPECT_EQ(files.paths().textPath, folder / "str2.ini");

  // The copy beside the program never replaces the program's own files of the same name.
  const auto defaults = ReadBytes(folder / "config.bin");
  const auto list = ReadBytes(folder / "str.ini");
  files.ExportProfile(elsewhere / "config.bin");
  files.ExportProfile(elsewhere / "str.bin");
  EXPECT_EQ(DataFile(elsewhere / "str.bin").record, state.record);
  EXPECT_EQ(ReadBytes(folder / "config.bin"), defaults);
  EXPECT_EQ(ReadBytes(folder / "str.ini"), list);
}

TEST_F(ProfileFilesTest, FirstRunCaptionsAreWrittenOnlyForANeverSavedProfile) {
  SetList({L"P0", L"P1"}, L"P1");
  ASSERT_EQ(files.LoadProfile(), LoadResult::Loaded);
  ASSERT_EQ(state.firstRunFlag, 0);
  files.SetLanguage(Language::TraditionalChinese);
  (void)ini::DeleteSection(disk, folder / "str1.ini", L"Setting-CHT");
  files.ApplyFirstRunCaptions();
  EXPECT_EQ(ini::ReadString(disk, folder / "str1.ini", L"Setting-CHT", L"Item1"), L"左鍵");

  ASSERT_FALSE(files.SaveProfile().failed());
  files.captions()[0] = L"changed";
  files.ApplyFirstRunCaptions();
  EXPECT_EQ(files.captions()[0], L"changed");
}

TEST_F(ProfileFilesTest, ARenamedExecutableUsesItsOwnFolderAndIsNeverWritten) {
  const auto renamed = folder / "mouse-tool.exe";
  WriteBytes(renamed, "MZ");
  ProfileFiles other(state, disk, renamed);
  ASSERT_EQ(other.LoadProfile(), LoadResult::Loaded);
  EXPECT_EQ(other.paths().dataPath, folder / "config0.bin");
  ASSERT_FALSE(other.SaveProfile().failed() || other.WriteCaptions().failed());
  EXPECT_EQ(ReadBytes(renamed), (std::vector<unsigned char>{'M', 'Z'}));
  EXPECT_EQ(SkinFolder(renamed, L"Default"), folder / "Skins" / "Default");
  // Only the file name is replaced: a folder carrying the program's name stays intact.
  const auto nested = folder / "QUENDAR 2017.exe copies" / "QUENDAR 2017.exe";
  EXPECT_EQ(ProgramFile(nested, L"str.ini"), folder / "QUENDAR 2017.exe copies" / "str.ini");
}

TEST(SkinFolderTest, ThePathKeyNamesOneFolderInsideSkinsOrTheBundledSkinIsUsed) {
  const std::filesystem::path program = "/opt/q/QUENDAR 2017.exe";
  EXPECT_EQ(SkinFolder(program, L"Night Blue"), std::filesystem::path("/opt/q/Skins/Night Blue"));
  EXPECT_EQ(SkinFolder(program, L"夜").filename(), std::filesystem::path(u8"夜")) << "any letters, whatever the locale";
  for (const wchar_t* escape : {L"", L"..", L".", L"../../etc", L"/etc", L"C:\\Windows", L"C:evil", L"a/b", L"a\\b"}) {
    EXPECT_EQ(SkinFolder(program, escape), std::filesystem::path("/opt/q/Skins/Default")) << escape;
  }
}

// The installed default files must load through the program's own code into a usable profile.
TEST_F(ProfileFilesTest, EverySlotLoadsTheDefaultSettingsWithItsCaptionsAndALegibleSkin) {
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

// Each accessor must land on its stored offset; a swapped or shifted field would corrupt every file. The
// host settings and sensitivities are also placed by the demo's Save tests under Wine, from file bytes.
TEST(ProfileRecord, AccessorsWriteTheirStoredOffsets) {
  struct Probe { std::size_t offset; std::uint8_t& (*slot)(ProfileRecord&); };
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

// The manager finds the current name ignoring case and starts at item 1; closing without a selection makes
// the first name current.
TEST_F(ProfileFilesTest, TheManagersListFindsTheCurrentNameIgnoringCaseAndClosesOnTheFirstName) {
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

  index = 4;
  SetList({L"x"}, L"x");
  ASSERT_FALSE(WriteProfileList(disk, folder / "str.ini", List({L"one", L"two"}), index).failed());
  EXPECT_EQ(index, 0);
  EXPECT_EQ(ini::ReadString(disk, folder / "str.ini", L"Profile", L"CurProfileName"), L"one");

  // A list that was never read is never written: the profile manager's test under Wine. Nor is a
  // list file that went away in the meantime created again.
  std::filesystem::remove(folder / "str.ini");
  EXPECT_TRUE(WriteProfileList(disk, folder / "str.ini", List({L"one"}, 0), index).failed());
  EXPECT_FALSE(std::filesystem::exists(folder / "str.ini"));
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

}  // namespace
}  // namespace quendar::profiles
