// The function lists as the main window drives them: list notices commit, dialogs run after the list has
// closed, and the answers reach the main view as its own effects.
#include "core/ui/assignment/button_function_lists.h"

#include <gtest/gtest.h>

#include <map>

namespace quendar::ui::assignment {
namespace {

// Keeps the open lists and their selections; a dialog or warning nobody expects fails the test.
class AssignmentPlatformFake final : public AssignmentPlatform {
 public:
  std::map<PopupList, std::vector<std::wstring>> open;
  std::map<PopupList, int> selection;
  std::optional<MacroChoice> macroAnswer;
  bool expectMacroDialog = false;
  std::vector<std::wstring> warnings;
  bool expectWarning = false;

  void OpenList(PopupList list, const Rect&, const std::vector<std::wstring>& items) override {
    open[list] = items;
    selection[list] = -1;
  }
  void CloseList(PopupList list) override {
    EXPECT_TRUE(open.erase(list)) << "closing a list that is not open";
    selection.erase(list);
  }
  void SelectItem(PopupList list, int item) override {
    ASSERT_TRUE(open.contains(list));
    selection[list] = item;
  }
  int SelectedItem(PopupList list) const override { return selection.at(list); }
  void ShowWarning(std::wstring_view text, std::wstring_view) override {
    EXPECT_TRUE(expectWarning) << "unexpected warning";
    warnings.emplace_back(text);
  }
  std::optional<SingleKeyChoice> RunSingleKeyDialog(LanguageClass) override {
    ADD_FAILURE() << "unexpected single-key dialog";
    return std::nullopt;
  }
  std::optional<ComboKeyChoice> RunComboKeyDialog(LanguageClass) override {
    ADD_FAILURE() << "unexpected combination dialog";
    return std::nullopt;
  }
  std::optional<MacroChoice> RunMacroKeyDialog(LanguageClass) override {
    EXPECT_TRUE(expectMacroDialog);
    EXPECT_TRUE(open.empty()) << "the lists close before the dialog runs";
    return macroAnswer;
  }
};

struct Fixture {
  profiles::ProfileRecord record{};
  profiles::ButtonCaptions captions{};
  AssignmentPlatformFake platform;
  ButtonFunctionLists lists{{record, captions, LanguageClass::English}, platform};
  main::Effects out;

  Fixture() {
    for (std::size_t b = 0; b < keys::kButtonCount; ++b) record.FunctionType(b) = 13;
    record.FunctionType(0) = 0;
  }
  void Pick(PopupList list, int item) {
    lists.OnListHover(list, item, {0, 16 * item, 101, 16 * item + 16});
    ASSERT_TRUE(lists.OnListNotice(ListId(list), kListSelectionChanged, out));
  }
};

TEST(ButtonFunctionLists, MultimediaVolumeUpThroughTheLists) {
  Fixture f;
  f.lists.Toggle(3, {262, 194, 365, 424}, f.out);
  EXPECT_TRUE(f.lists.IsOpen(3));
  f.Pick(PopupList::Function, 7);
  ASSERT_TRUE(f.platform.open.contains(PopupList::Multimedia));
  f.Pick(PopupList::Multimedia, 6);
  EXPECT_TRUE(f.platform.open.empty());
  EXPECT_EQ(f.out, (main::Effects{main::HighlightButton{3}, main::ShowDropdown{3, main::DropdownLook::Normal}}));
  EXPECT_EQ(f.record.FunctionType(2), 7);
  EXPECT_EQ(f.record.MediaUsage(2), 0xE9);
  EXPECT_EQ(f.captions[2], L"Volume Up");
  EXPECT_FALSE(f.lists.OnListNotice(42, kListSelectionChanged, f.out));
}

TEST(ButtonFunctionLists, MacroDialogAnswerAndTheWarningBox) {
  Fixture f;
  f.lists.Toggle(4, {262, 214, 365, 444}, f.out);
  f.platform.expectMacroDialog = true;
  f.platform.macroAnswer = MacroChoice{0, L"combo", 2};
  f.Pick(PopupList::Function, 12);
  EXPECT_EQ(f.out.back(), main::Effect{main::RunOwedDialog{}}) << "never a dialog inside the list's notice";
  EXPECT_EQ(f.record.FunctionType(3), 13);
  f.lists.RunOwedDialog(f.out);
  EXPECT_EQ(f.out.back(), main::Effect{(main::ShowDropdown{4, main::DropdownLook::Committed})});
  EXPECT_EQ(f.record.FunctionType(3), 12);
  EXPECT_EQ(f.record.MacroRepeatMode(3), 2);
  EXPECT_EQ(f.captions[3], L"Macro Key-combo");
  f.platform.expectMacroDialog = false;
  f.lists.RunOwedDialog(f.out);  // owed once

  f.platform.expectWarning = true;
  f.lists.Toggle(1, {262, 154, 365, 384}, f.out);
  EXPECT_EQ(f.platform.warnings, std::vector<std::wstring>{L"Left key must be selected!"});
  EXPECT_FALSE(f.lists.IsOpen(1));
}

}  // namespace
}  // namespace quendar::ui::assignment
