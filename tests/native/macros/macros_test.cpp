// Macros: how a stored item reads, how a macro becomes the mouse's 128-byte block, what the recorder makes
// of keystrokes, and the store of named macros in the record file.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "core/ini/ini_document.h"
#include "core/ini/ini_store.h"
#include "core/macros/macro_block.h"
#include "core/macros/macro_item.h"
#include "core/macros/macro_store.h"
#include "core/macros/recorder.h"
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
// recorded delays, 50 ms without), the key. The worked encodings are the encoding tests'.
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

StoredMacro MacroOf(std::vector<std::wstring> items, bool recordDelays = true) {
  StoredMacro macro;
  macro.name = L"Macro_0";
  macro.recordDelays = recordDelays;
  macro.useLoopCount = true;
  macro.loopTimes = 3;
  macro.itemCount = static_cast<long>(items.size());
  for (long i = 0; i < macro.itemCount; ++i) macro.items[i] = items[static_cast<std::size_t>(i)];
  return macro;
}

std::vector<std::uint8_t> Slots(const MacroBlock& block) {
  std::size_t end = block.size();
  while (end > 2 && block[end - 1] == 0) --end;
  return {block.begin() + 2, block.begin() + static_cast<long>(end)};
}

TEST(MacroItems, ClassifiesBySubstringPressFirst) {
  EXPECT_EQ(ClassifyMacroItem(L"Right Ctrl   Up").keyName, L"Right Ctrl");
  EXPECT_EQ(ClassifyMacroItem(L"X   Up   Dn").kind, MacroEventKind::Press);
  EXPECT_EQ(ClassifyMacroItem(L"X   Up   Dn").keyName, L"X   Up");
  EXPECT_EQ(ClassifyMacroItem(L"A  Dn").kind, MacroEventKind::None) << "two blanks are not the marker";
  EXPECT_EQ(ClassifyMacroItem(L"120 ms").kind, MacroEventKind::None);
  EXPECT_EQ(MouseClickItem(L"R-Button Click", MacroEventKind::Release), L"R-Button   Up");
}

// An event takes two bytes, four with a delay beyond 1.27 s, six beyond 25.5 s; the worked store example,
// with delays recorded and not, is checked through the store.
TEST(MacroEncoding, EventsAndDelaysBecomeSlots) {
  using S = std::vector<std::uint8_t>;
  const auto between = [](long delay) { return std::vector<std::wstring>{L"B   Dn", DelayItem(delay), L"C   Dn"}; };
  const std::vector<std::wstring> clicks{L"L-Button   Dn", L"L-Button   Up"};
  const std::tuple<std::vector<std::wstring>, bool, S> cases[] = {  // {items, record delays, slots}
      {{L"A   Dn", L"120 ms"}, true, {0x0C, 0x04}},
      {{L"A   Up", L"50 ms"}, true, {0x85, 0x04}},
      {{L"L-Button   Dn", L"1350 ms"}, true, {0x32, 0xF0, 0x0D, 0x03}},
      {{L"Right Ctrl   Up", L"30000 ms"}, true, {0x80, 0xE4, 0x00, 0x03, 0x01, 0x2C}},
      {between(1270), true, {0x7F, 0x05, 0x00, 0x06}},
      {between(1271), true, {0x47, 0x05, 0x0C, 0x03, 0x00, 0x06}},
      {between(25500), true, {0x00, 0x05, 0xFF, 0x03, 0x00, 0x06}},
      {between(25501), true, {0x01, 0x05, 0x00, 0x03, 0x00, 0xFF, 0x00, 0x06}},
      // Beyond 16 bits of hundreds the delay saturates instead of wrapping round to a tiny one.
      {between(6553500), true, {0x00, 0x05, 0x00, 0x03, 0xFF, 0xFF, 0x00, 0x06}},
      {between(6553600 + 200), true, {0x00, 0x05, 0x00, 0x03, 0xFF, 0xFF, 0x00, 0x06}},
      {between(-500), true, {0x00, 0x05, 0x00, 0x06}},  // a negative delay never turns a press into a release
      // Adjacent events without delay items: 50 ms each when delays are off, 0 for the press when on.
      {clicks, false, {0x05, 0xF0, 0x85, 0xF0}},
      {clicks, true, {0x00, 0xF0, 0x80, 0xF0}},
      {{L"50 ms", L"Z   Dn", L"10 ms"}, true, {0x01, 0x1D}},  // a leading delay writes nothing
  };
  for (const auto& [items, recordDelays, slots] : cases)
    EXPECT_EQ(Slots(EncodeMacroBlock(MacroOf(items, recordDelays)).block), slots) << ::testing::PrintToString(items);
}

TEST(MacroEncoding, LoopCountRules) {
  auto loopBytes = [](bool use, long times) {
    StoredMacro macro = MacroOf({L"A   Dn"});
    macro.useLoopCount = use;
    macro.loopTimes = times;
    const auto block = EncodeMacroBlock(macro).block;
    return (block[0] << 8) | block[1];
  };
  EXPECT_EQ(loopBytes(true, 65535), 65535);
  EXPECT_EQ(loopBytes(false, 500), 1);
  EXPECT_EQ(loopBytes(true, 70000), 1);
  EXPECT_EQ(loopBytes(true, 0), 1);  // a missing "MacroLoopTimes" reads as 0

  StoredMacro empty = MacroOf({L"A   Dn"});
  empty.itemCount = 0;
  EXPECT_EQ(EncodeMacroBlock(empty).block, MacroBlock{}) << "no items: all zero, loop count included";
}

TEST(MacroEncoding, SparseAndOutOfCountItems) {
  StoredMacro macro = MacroOf({});
  macro.itemCount = 1000000000;  // a hand-edited count far beyond what the section holds
  macro.items[5] = L"A   Dn";
  macro.items[6] = L"300 ms";
  macro.items[-1] = L"B   Dn";
  EXPECT_EQ(Slots(EncodeMacroBlock(macro).block), (std::vector<std::uint8_t>{0x1E, 0x04}));
  macro.itemCount = 6;  // item 6 lies beyond the count but is still read as item 5's delay
  EXPECT_EQ(Slots(EncodeMacroBlock(macro).block), (std::vector<std::uint8_t>{0x1E, 0x04}));
  macro.itemCount = 5;
  EXPECT_TRUE(Slots(EncodeMacroBlock(macro).block).empty());
}

TEST(MacroEncoding, OverflowStopsAtTheBlockEndWithWholeEvents) {
  std::vector<std::wstring> items;
  for (int i = 0; i < 64; ++i) items.push_back(i % 2 ? L"K   Up" : L"K   Dn");
  const EncodedMacro full = EncodeMacroBlock(MacroOf(items, false));
  EXPECT_TRUE(full.cut);
  for (std::size_t b = 2; b < 128; b += 2) EXPECT_EQ(full.block[b + 1], 0x0E) << b;  // 63 events, all of K

  std::vector<std::wstring> exact(items.begin(), items.begin() + 63);
  EXPECT_FALSE(EncodeMacroBlock(MacroOf(exact, false)).cut);

  // 62 short events leave one slot: a following three-slot event does not fit and nothing after it is written.
  std::vector<std::wstring> longTail(items.begin(), items.begin() + 62);
  longTail.insert(longTail.end(), {L"L   Dn", L"30000 ms", L"M   Dn"});
  const EncodedMacro cut = EncodeMacroBlock(MacroOf(longTail, false));
  EXPECT_TRUE(cut.cut);
  EXPECT_EQ((std::vector<std::uint8_t>(cut.block.begin() + 125, cut.block.end())), (std::vector<std::uint8_t>{0x0E, 0, 0}));
}

struct Step { std::wstring key; bool release, wasDown; std::uint32_t tick; bool recordDelays = true; };

std::vector<std::wstring> Record(const std::vector<Step>& steps) {
  MacroRecorder recorder;
  recorder.Start();
  std::vector<std::wstring> items;
  for (const Step& step : steps) {
    const auto kind = recorder.Report({step.key, step.release, step.wasDown});
    if (!kind) continue;
    const RecordedEvent recorded = recorder.RecordKeyEvent(*kind, step.tick, step.recordDelays);
    EXPECT_FALSE(recorded.limitReached);
    items.insert(items.end(), recorded.items.begin(), recorded.items.end());
  }
  return items;
}

// Keystrokes with delays recorded reach the mouse in the macro manager's demo test under Wine.
TEST(MacroRecorderTest, TurnsKeystrokesIntoItems) {
  const struct { const char* name; std::vector<Step> steps; std::vector<std::wstring> items; } cases[] = {
      {"A then B with delays",
       {{L"A", false, false, 1000}, {L"A", true, true, 1120}, {L"B", false, false, 1300}, {L"B", true, true, 1310}},
       {L"A   Dn", L"120 ms", L"A   Up", L"180 ms", L"B   Dn", L"10 ms", L"B   Up"}},
      {"holding A, then B repeats",
       {{L"A", false, false, 0, false}, {L"A", false, true, 30, false}, {L"A", false, true, 60, false},
        {L"B", false, false, 90, false}, {L"B", false, true, 120, false}, {L"A", true, true, 150, false}},
       {L"A   Dn", L"B   Dn", L"A   Up"}},
      {"a release first gets no delay before it", {{L"Ctrl", true, true, 500}, {L"A", false, false, 520}},
       {L"Ctrl   Up", L"20 ms", L"A   Dn"}},
      {"delays toggled mid-recording",
       {{L"A", false, false, 0, false}, {L"A", true, true, 40, true}, {L"B", false, false, 90, false}},
       {L"A   Dn", L"40 ms", L"A   Up", L"B   Dn"}},
      {"the tick counter wraps", {{L"A", false, false, 0xFFFFFFF0u}, {L"A", true, true, 0x10u}},
       {L"A   Dn", L"32 ms", L"A   Up"}},
  };
  for (const auto& c : cases) EXPECT_EQ(Record(c.steps), c.items) << c.name;
}

}  // namespace
}  // namespace quendar::macros
