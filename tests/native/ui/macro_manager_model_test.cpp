// The macro manager as a user drives it: new names, the context menu, delay edits, rename and recording
// through the dialog, checked against the record file.
#include <gtest/gtest.h>

#include <deque>
#include <filesystem>

#include "core/ini/ini_store.h"
#include "core/ui/list_edit.h"
#include "core/ui/macro_manager/macro_manager_model.h"
#include "native/ini/temp_folder.h"
#include "platform/platform_file_system.h"

namespace quendar::ui::macro_manager {
namespace {

using macros::KeyEventKind;

// Answers installations in the order scripted; any call beyond the script fails the test.
class RecordingHookFake : public RecordingHook {
 public:
  std::deque<std::optional<std::uint32_t>> installs;
  int removes = 0;
  std::optional<std::uint32_t> Install() override {
    if (installs.empty()) return (ADD_FAILURE() << "unexpected hook installation", 1u);
    auto answer = installs.front();
    installs.pop_front();
    return answer;
  }
  void Remove() override { ++removes; }
};

class MacroManagerModelTest : public ::testing::Test {
 protected:
  void WriteMacro(const std::wstring& name, const std::vector<std::wstring>& items, const std::wstring& loop = L"1") {
    std::vector<ini::KeyValue> values{{L"DelayTimeSelStatus", L"0"}, {L"LoopTimeSelStatus", L"1"},
                                      {L"MacroLoopTimes", loop}, {L"ItemCount", std::to_wstring(items.size())}};
    for (std::size_t i = 0; i < items.size(); ++i) values.push_back({macros::ItemKey(long(i)), items[i]});
    ASSERT_FALSE(ini::WriteStrings(disk, file_, name, values).failed());
  }
  MacroManagerModel& Open() {
    model_.emplace(store_, session_, hook_, LanguageClass::English);
    model_->Open();
    return *model_;
  }
  std::vector<std::wstring> StoredItems(const std::wstring& name) { return store_.LoadMacro(name).items; }

  quendar::testing::TempFolder folder_;
  platform::PlatformFileSystem disk;
  std::filesystem::path file_ = folder_ / "record.ini";
  macros::MacroStore store_{disk, file_};
  macros::MacroSession session_;
  RecordingHookFake hook_;
  std::optional<MacroManagerModel> model_;
};

TEST(NewMacroNameTest, NeverRepeatsAName) {
  const std::pair<std::vector<std::wstring>, const wchar_t*> cases[] = {
      {{}, L"Macro_0"}, {{L"Macro_0", L"Macro_3"}, L"Macro_4"}, {{L"Macro_0", L"Work"}, L"Macro_2"},
      {{L"Macro_2", L"macro_1", L"X_0"}, L"Macro_3"}, {{L"Macro_99999999999999999999"}, L"Macro_2147483648"},
  };
  for (const auto& [names, expected] : cases) EXPECT_EQ(NewMacroName(names, L"Macro"), expected) << expected;
}

TEST_F(MacroManagerModelTest, NewRefusesTheThirteenthAndCreatesTheSection) {
  auto& model = Open();
  for (int i = 0; i < 12; ++i) model.Click(kNewRect.Centre());
  const Effects refused = model.Click(kNewRect.Centre());
  EXPECT_EQ(Find<Notice>(refused), (Notice{L"Macro numbers up to 12.", L"Warning"}));
  EXPECT_EQ(model.state().macroNames.size(), 12u);
  EXPECT_EQ(store_.ListMacroNames().size(), 12u);
}

TEST_F(MacroManagerModelTest, ContextMenuInsertionRules) {
  WriteMacro(L"Macro_0", {L"A   Dn", L"L-Button   Dn", L"L-Button   Up", L"A   Up"});
  auto& model = Open();

  // A delay goes before the selection, between two events only.
  for (const auto& [selected, inserted] : {std::pair{0, false}, {2, true}, {2, false}, {3, false}}) {
    const auto before = model.state().sequence.size();
    model.SelectSequenceItem(selected);
    model.Command(MenuCommand::InsertDelay);
    EXPECT_EQ(model.state().sequence.size(), before + (inserted ? 1 : 0)) << selected;
  }
  EXPECT_EQ(model.state().sequence[2], L"50 ms");

  model.SelectSequenceItem(std::nullopt);
  model.Command(MenuCommand::InsertRightButton);
  EXPECT_EQ(model.state().sequence.size(), 5u) << "nothing is inserted into a list without a selection";
  EXPECT_EQ(StoredItems(L"Macro_0"), model.state().sequence) << "every insertion is stored at once";
}

TEST(DelayEdit, FollowsTheDelayRuleAndEndsOnce) {
  const std::pair<const wchar_t*, std::optional<std::wstring>> cases[] = {
      {L"2 500ms", L"2500 ms"},       {L"abc ms", std::nullopt}, {L"250", std::nullopt},
      {L"9999999 ms", L"6553500 ms"}, {L" ms", std::nullopt},    {L"99999999999999999999ms", L"6553500 ms"},
  };
  for (const auto& [typed, item] : cases) EXPECT_EQ(DelayItemFromEdit(typed), item) << typed;

  // The editor over a delay item is the macro manager dialog's Wine test; an edit ends once.
  ListItemEdit edit(1, EditTarget::DelayItem);
  EXPECT_TRUE(edit.End(true, L"2 500ms"));
  EXPECT_FALSE(edit.End(true, L"7 ms"));
}

TEST_F(MacroManagerModelTest, RenameKeepsItemsAndPositionAndRefusesBadNames) {
  WriteMacro(L"Macro_0", {L"A   Dn"});
  WriteMacro(L"Macro_1", {L"B   Dn", L"B   Up"}, L"7");
  WriteMacro(L"Macro_2", {L"C   Dn"});
  auto& model = Open();
  model.SelectMacro(1);
  model.DoubleClickMacro(1);
  const auto request = Find<EditorRequest>(model.DoubleClickMacro(1));
  ASSERT_TRUE(request && request->target == EditTarget::MacroName);
  EXPECT_EQ(store_.ListMacroNames().size(), 3u) << "opening the editor keeps the section";

  EXPECT_EQ(Find<Notice>(model.EditEnded({1, EditTarget::MacroName, true, L"  "}))->text, L"Macro name is blank");
  EXPECT_EQ(Find<Notice>(model.EditEnded({1, EditTarget::MacroName, true, L"MACRO_2"}))->text, L"Macro name already exists");
  EXPECT_TRUE(model.EditEnded({1, EditTarget::MacroName, false, L"Jump"}).empty());
  model.EditEnded({1, EditTarget::MacroName, true, L"Jump"});

  EXPECT_EQ(store_.ListMacroNames(), (std::vector<std::wstring>{L"Macro_0", L"Jump", L"Macro_2"}));
  EXPECT_EQ(StoredItems(L"Jump"), (std::vector<std::wstring>{L"B   Dn", L"B   Up"}));
  EXPECT_EQ(store_.LoadMacro(L"Jump").loopCountText, L"7");
  // Cancel after the rename: nothing is lost and no table is built.
  EXPECT_EQ(Find<DialogEnd>(model.Click(kCancelRect.Centre())), DialogEnd::Cancel);
  EXPECT_EQ(model.table(), macros::MacroTable{});
  EXPECT_EQ(StoredItems(L"Jump").size(), 2u);
}

TEST_F(MacroManagerModelTest, RecordingThroughTheDialog) {
  auto& model = Open();
  model.Click(kRecordRect.Centre());
  EXPECT_FALSE(model.recording()) << "no macro selected: nothing to record into";

  model.Click(kNewRect.Centre());
  hook_.installs = {7u};
  model.Click(kDelayTickRect.Centre());
  model.Click(kLoopTickRect.Centre());
  ASSERT_TRUE(model.loopFieldEnabled());
  const Effects failed = model.Click(kRecordRect.Centre());
  EXPECT_EQ(Find<Notice>(failed)->text, L"JournalRecordHook Install error code :7\n");
  EXPECT_TRUE(model.loopFieldEnabled());
  EXPECT_FALSE(model.recording());

  hook_.installs = {std::nullopt};
  model.Click(kRecordRect.Centre());
  ASSERT_TRUE(model.recording());
  EXPECT_EQ(model.FilterKey(KeyMessageKind::KeyDown, 0x0D, false), KeyVerdict::Consume);
  EXPECT_EQ(model.FilterKey(KeyMessageKind::OtherKey, 'A', false), KeyVerdict::Consume) << "a typed letter";
  std::optional<Notice> notice;
  for (unsigned i = 0; i <= macros::kMaxRecordedEvents && model.recording(); ++i) {
    const auto kind = session_.recorder.Report({i % 2 ? L"B" : L"A", false, false});
    ASSERT_TRUE(kind);
    const Effects effects = model.KeyEvent(*kind, 1000 + i * 100);
    if (const auto found = Find<Notice>(effects)) notice = found;
    if (i != 1) continue;
    for (int hit = 0; hit < 2; ++hit) {  // a click on the delay item "100 ms", twice
      const Effects selected = model.SelectSequenceItem(1);
      EXPECT_FALSE(Find<EditorRequest>(selected)) << "no delay editor while recording";
      EXPECT_TRUE(Refreshes(selected, Part::Sequence)) << "the list shows the recorder's selection again";
    }
    EXPECT_EQ(model.sequenceSelection(), model.state().sequence.size() - 1);
  }
  EXPECT_FALSE(model.recording());
  EXPECT_EQ(hook_.removes, 1);
  EXPECT_EQ(StoredItems(L"Macro_0").size(), 2 * macros::kMaxRecordedEvents - 1) << "64 events, 63 delays";
  ASSERT_TRUE(notice) << "64 events cannot fit 63 slots";
  EXPECT_NE(notice->text.find(L"Macro_0"), std::wstring::npos);
  EXPECT_EQ(model.FilterKey(KeyMessageKind::KeyDown, 0x0D, false), KeyVerdict::ActAsOk);
  EXPECT_EQ(model.FilterKey(KeyMessageKind::KeyDown, 0x0D, true), KeyVerdict::Pass);
  EXPECT_EQ(model.FilterKey(KeyMessageKind::KeyDown, 0x1B, false), KeyVerdict::Consume);
  EXPECT_EQ(model.FilterKey(KeyMessageKind::OtherKey, 0x5B, false), KeyVerdict::Consume);
}

}  // namespace
}  // namespace quendar::ui::macro_manager
