#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "core/ini/ini_document.h"
#include "core/ini/ini_store.h"
#include "core/macros/macro_store.h"
#include "native/ini/temp_folder.h"
#include "platform/platform_file_system.h"

namespace quendar::macros {
namespace {

namespace fs = std::filesystem;

class MacroStoreTest : public ::testing::Test {
 protected:
  void WriteMacro(const std::wstring& name, const std::wstring& delays, const std::wstring& loop,
                  const std::wstring& times, const std::vector<std::wstring>& items) {
    std::vector<ini::KeyValue> values{{L"DelayTimeSelStatus", delays},
                                      {L"LoopTimeSelStatus", loop},
                                      {L"MacroLoopTimes", times},
                                      {L"ItemCount", std::to_wstring(items.size())}};
    for (std::size_t i = 0; i < items.size(); ++i) values.push_back({ItemKey(static_cast<long>(i)), items[i]});
    ASSERT_FALSE(ini::WriteStrings(disk, file_, name, values).failed());
  }

  quendar::testing::TempFolder folder_;
  platform::PlatformFileSystem disk;
  fs::path file_ = folder_ / "record.ini";
};

TEST_F(MacroStoreTest, MissingStoreGivesAnEmptyTableAndIsNeverCreatedBySaving) {
  MacroStore store(disk, file_);
  EXPECT_EQ(store.BuildMacroTable().table, MacroTable{});
  EXPECT_TRUE(store.ListMacroNames().empty());
  MacroEditorState state;
  state.macroNames = {L"Macro_0"};
  state.selected = 0;
  state.sequence = {L"A   Dn"};
  EXPECT_FALSE(store.SaveCurrentMacro(state).failed()) << "nothing to store";
  EXPECT_FALSE(fs::exists(file_));
  // Storing the loop count is what brings a new store into being.
  state.loopTimesText = L"4";
  ASSERT_FALSE(store.StoreLoopCount(state).failed());
  EXPECT_EQ(ini::ReadString(disk, file_, L"Macro_0", L"MacroLoopTimes"), L"4");
}

// Each block as its section says: loop count, the delay rule of its flag (a lone press is 0 ms with
// recorded delays, 50 ms without), the key. The worked encodings are the macro block's tests.
TEST_F(MacroStoreTest, OnlyTheFirstTwelveOfFourteenSectionsFillBlocks) {
  for (int k = 0; k < 14; ++k) {
    WriteMacro(L"M" + std::to_wstring(k), k % 2 ? L"0" : L"1", L"1", std::to_wstring(k + 1), {L"B   Dn"});
  }
  MacroStore store(disk, file_);
  EXPECT_EQ(store.ListMacroNames().size(), 14u);
  const BuiltMacroTable built = store.BuildMacroTable();
  EXPECT_TRUE(built.cutMacros.empty());
  for (std::size_t k = 0; k < kMacroCount; ++k) {
    SCOPED_TRACE(k);
    EXPECT_EQ(built.table[k * kMacroBlockSize + 1], k + 1);
    EXPECT_EQ(built.table[k * kMacroBlockSize + 2], k % 2 ? 0x05 : 0x00);
    EXPECT_EQ(built.table[k * kMacroBlockSize + 3], 0x05);
  }
}

TEST_F(MacroStoreTest, ReportsMacrosCutAtTheBlockEnd) {
  std::vector<std::wstring> recorded;
  for (int i = 0; i < 64; ++i) {
    recorded.push_back(i % 2 ? L"Q   Up" : L"Q   Dn");
    recorded.push_back(L"10 ms");
  }
  WriteMacro(L"Short", L"1", L"1", L"1", {L"A   Dn"});
  WriteMacro(L"Long", L"1", L"1", L"1", recorded);
  const BuiltMacroTable built = MacroStore(disk, file_).BuildMacroTable();
  EXPECT_EQ(built.cutMacros, (std::vector<std::wstring>{L"Long"}));
  EXPECT_EQ(built.table[2 * kMacroBlockSize], 0) << "the next block is untouched";
  EXPECT_EQ(built.table[kMacroBlockSize + 127], 0x14);
}

TEST(MacroNameList, OnlyNamesEndingBeforeCharacter255) {
  EXPECT_EQ(MacroNamesFromSections(std::vector<std::wstring>{std::wstring(254, L'a')}).size(), 1u);
  EXPECT_TRUE(MacroNamesFromSections(std::vector<std::wstring>{std::wstring(255, L'a')}).empty());
  std::vector<std::wstring> names;
  for (int k = 0; k < 12; ++k) names.push_back(std::wstring(24, static_cast<wchar_t>(L'a' + k)));
  // Names take 25 characters each with their NUL: the tenth ends at 249, the eleventh at 274.
  const auto listed = MacroNamesFromSections(names);
  ASSERT_EQ(listed.size(), 10u);
  EXPECT_EQ(listed.back(), names[9]);
  EXPECT_EQ(MacroNamesFromSections(std::vector<std::wstring>{L"x", L"", L"y"}),
            (std::vector<std::wstring>{L"x"}));
}

TEST_F(MacroStoreTest, SavingKeepsTheMacroInItsPlace) {
  WriteMacro(L"First", L"1", L"1", L"2", {L"A   Dn"});
  WriteMacro(L"Middle", L"1", L"1", L"2", {L"B   Dn", L"20 ms", L"B   Up", L"5 ms", L"C   Dn"});
  WriteMacro(L"Last", L"1", L"1", L"2", {L"C   Dn"});
  MacroStore store(disk, file_);
  MacroEditorState state;
  state.macroNames = store.ListMacroNames();
  state.selected = 1;
  state.sequence = {L"D   Dn", L"30 ms", L"D   Up"};
  state.loopCountText = L"7";
  state.recordDelays = true;
  state.useLoopCount = false;
  ASSERT_FALSE(store.SaveCurrentMacro(state).failed());

  EXPECT_EQ(store.ListMacroNames(), (std::vector<std::wstring>{L"First", L"Middle", L"Last"}));
  EXPECT_EQ(ini::IniDocument::Load(disk, file_).KeyNames(L"Middle").back(), L"Item2") << "no old item left behind";
  const LoadedMacro loaded = store.LoadMacro(L"Middle");
  EXPECT_EQ(loaded.loopCountText, L"7");
  EXPECT_EQ(loaded.items, state.sequence);

  // Deleting every item empties the stored macro instead of leaving the old items behind.
  state.sequence.clear();
  ASSERT_FALSE(store.SaveCurrentMacro(state).failed());
  EXPECT_TRUE(store.LoadMacro(L"Middle").items.empty());
  EXPECT_EQ(store.BuildMacroTable().table[kMacroBlockSize + 2], 0);
}

TEST_F(MacroStoreTest, LoadsFlagsStrictlyAndSkipsMissingItems) {
  WriteMacro(L"Sparse", L"2", L"1", L"", {L"A   Dn"});
  ASSERT_FALSE(ini::WriteStrings(disk, file_, L"Sparse", std::vector<ini::KeyValue>{
      {L"ItemCount", L"2000000000"}, {L"item7", L"A   Up"}, {L"Item08", L"ignored"}}).failed());
  MacroStore store(disk, file_);
  const LoadedMacro loaded = store.LoadMacro(L"Sparse");
  EXPECT_FALSE(loaded.recordDelays) << "a tick box shows only the value 1";
  EXPECT_TRUE(loaded.useLoopCount);
  EXPECT_EQ(loaded.items, (std::vector<std::wstring>{L"A   Dn", L"A   Up"}));
  EXPECT_TRUE(store.LoadMacro(L"Nothing").items.empty());
}

TEST_F(MacroStoreTest, LoopCountFieldIsValidated) {
  WriteMacro(L"M", L"1", L"1", L"2", {L"A   Dn"});
  MacroStore store(disk, file_);
  MacroEditorState state;
  state.macroNames = {L"M"};
  state.selected = 0;
  for (const wchar_t* bad : {L"0", L"70000", L"", L"-3", L"abc"}) {
    state.loopTimesText = bad;
    ASSERT_FALSE(store.StoreLoopCount(state).failed());
    EXPECT_EQ(state.loopTimesText, L"1") << bad;
    EXPECT_EQ(ini::ReadString(disk, file_, L"M", L"MacroLoopTimes"), L"1");
  }
  state.loopTimesText = L"  65535x";
  ASSERT_FALSE(store.StoreLoopCount(state).failed());
  EXPECT_EQ(state.loopTimesText, L"  65535x") << "a valid field is left as typed";
  EXPECT_EQ(state.loopCountText, L"65535");
  EXPECT_EQ(ini::ReadString(disk, file_, L"M", L"MacroLoopTimes"), L"65535");
}

}  // namespace
}  // namespace quendar::macros
