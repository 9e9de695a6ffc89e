// Button Assignment: the left-button rule, what an entry stores and shows, that a cancelled dialog changes
// nothing, the lists as the main window drives them, and the capture and macro dialogs' state.
#include "core/ui/assignment/assignment_menus.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "core/keys/profile_buttons.h"
#include "core/ui/assignment/button_function_lists.h"
#include "core/ui/assignment/capture_dialogs.h"

namespace quendar::ui::assignment {
namespace {

using keys::ButtonCode;
using keys::FunctionType;

constexpr Rect kList{262, 154, 365, 384};
constexpr std::uint8_t Type(FunctionType type) { return static_cast<std::uint8_t>(type); }

// Every button off except Button 1, the only left click.
struct Buttons {
  profiles::ProfileRecord record{};
  profiles::ButtonCaptions captions{};
  Buttons() {
    for (std::size_t b = 0; b < keys::kButtonCount; ++b) record.FunctionType(b) = Type(FunctionType::ButtonOff);
    record.FunctionType(0) = Type(FunctionType::Click);
  }
  AssignmentTarget Target() { return {record, captions, LanguageClass::English}; }
  ButtonCode Code(int button) const { return keys::BuildKeyMatrix(record)[keys::kButtonSlot[button - 1]]; }
};

struct Fixture : Buttons {
  AssignmentMenus menus;
  MenuEffects Open(int button) { return menus.ToggleFunctionList(button, kList, Target()); }
};

TEST(AssignmentMenus, TheOnlyClickButtonRefusesToOpen) {
  const std::tuple<std::vector<int>, int, bool> cases[] = {  // {buttons that click, button toggled, refused}
      {{1}, 1, true}, {{1, 2}, 1, false}, {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, 1, false},
      {{1}, 2, false},  // every other button changes freely
      {{12}, 12, true},
  };
  for (const auto& [clickButtons, toggled, refused] : cases) {
    Fixture f;
    f.record.FunctionType(0) = Type(FunctionType::ButtonOff);
    for (int b : clickButtons) f.record.FunctionType(static_cast<std::size_t>(b - 1)) = Type(FunctionType::Click);
    const MenuEffects effects = f.Open(toggled);
    const bool warned = std::ranges::count(effects, MenuEffect{ShowWarning{L"Left key must be selected!", L"Warning"}});
    EXPECT_EQ(warned, refused) << toggled;
    EXPECT_EQ(f.menus.openButton().has_value(), !refused) << toggled;
  }
}

TEST(AssignmentMenus, OpeningListsOneAtATimeAndHoverDrivesTheSubLists) {
  Fixture f;
  EXPECT_EQ(f.Open(2).back(), MenuEffect{HighlightButton{2}});
  // Pointing at an entry with a sub-list opens it once, beside the list; another such entry swaps them.
  const Rect item{0, 112, 101, 128};
  MenuEffects hover = f.menus.HoverList(PopupList::Function, 7, item, LanguageClass::English);
  ASSERT_EQ(hover.size(), 2u);
  EXPECT_EQ(std::get<OpenList>(hover[1]).rect.left, kList.right);
  EXPECT_EQ(f.menus.HoverList(PopupList::Function, 7, item, LanguageClass::English).size(), 1u);  // stays open
  hover = f.menus.HoverList(PopupList::Function, 2, {0, 32, 101, 48}, LanguageClass::English);
  ASSERT_EQ(hover.size(), 3u);
  EXPECT_EQ(std::get<OpenList>(hover[1]).list, PopupList::ScrollSelect);
  EXPECT_EQ(hover[2], MenuEffect{CloseList{PopupList::Multimedia}});
  // Another button's box closes this list and its sub-list before opening its own.
  const MenuEffects second = f.Open(3);
  EXPECT_EQ(second[0], MenuEffect{CloseList{PopupList::ScrollSelect}});
  EXPECT_EQ(second[1], MenuEffect{CloseList{PopupList::Function}});
  EXPECT_EQ(f.menus.openButton(), 3);
  EXPECT_EQ(f.Open(3), (MenuEffects{CloseList{PopupList::Function}}));
  EXPECT_FALSE(f.menus.openButton());
}

TEST(AssignmentMenus, SubListParentsAndStrayCommitsChangeNothing) {
  Fixture f;
  f.captions[4] = L"before";
  const auto before = f.record;
  // With no list open a sub-list commit has no button to go to.
  EXPECT_TRUE(f.menus.CommitSubChoice(SubListKind::Multimedia, 6, f.Target()).empty());
  f.Open(5);
  for (int parent : {2, 6, 7, 8, 9, -1}) EXPECT_TRUE(f.menus.CommitFunction(5, parent, f.Target()).empty()) << parent;
  EXPECT_TRUE(f.menus.CommitFunction(4, 0, f.Target()).empty());  // not the open button's list
  EXPECT_TRUE(f.menus.CommitSubChoice(SubListKind::Multimedia, 8, f.Target()).empty()) << "beyond the list's end";
  EXPECT_EQ(f.menus.openButton(), 5);
  EXPECT_TRUE(std::ranges::equal(f.record.bytes(), before.bytes()));
  EXPECT_EQ(f.captions[4], L"before");
}

// One entry of each sub-list (the complete values reach the mouse in the demo's assignment test).
TEST(AssignmentMenus, SubListEntriesStoreTheirValueAndCaption) {
  using K = SubListKind;
  const std::tuple<SubListKind, int, ButtonCode, std::wstring_view> cases[] = {
      {K::ScrollSelect, 1, {1, 0, 0xF5, 0}, L"Left Title Scroll"}, {K::CpiCycle, 2, {7, 0, 3, 0}, L"CPI Loop"},
      {K::Multimedia, 0, {3, 0, 0x83, 1}, L"Media player"},      {K::Multimedia, 7, {3, 0, 0xEA, 0}, L"Volume Down"},
      {K::HotKey, 9, {0, 0, 0xE0, 0x04}, L"Select All"},         {K::Windows, 3, {0, 4, 0x2C, 0x1B}, L"Maximum"},
  };
  for (const auto& [kind, item, code, caption] : cases) {
    Fixture f;
    f.Open(3);
    const MenuEffects effects = f.menus.CommitSubChoice(kind, item, f.Target());
    EXPECT_EQ(effects.back(), MenuEffect{(RepaintDropdown{3, DropdownLook::Normal})});
    EXPECT_EQ(f.Code(3), code) << item;
    EXPECT_EQ(f.captions[2], caption);
    EXPECT_FALSE(f.menus.openButton());
  }
}

TEST(AssignmentMenus, DialogChoicesStoreOnOkAndCancelKeepsEverything) {
  const struct { int item; DialogChoice choice; ButtonCode code; std::wstring_view caption; } cases[] = {
      {10, SingleKeyChoice{L"F5"}, {0, 0, 0x3E, 0}, L"Single Key-F5"},
      {11, ComboKeyChoice{L"Left Shift", L"A", L""}, {0, 2, 0x04, 0}, L"Combo Key-Left Shift+A"},
      {11, ComboKeyChoice{L"", L"F5", L""}, {0, 0, 0x3E, 0}, L"Combo Key-F5"},
      {11, ComboKeyChoice{L"", L"Ctrl", L"Right Shift"}, {0, 0, 0xE0, 0xE5}, L"Combo Key-Ctrl+Right Shift"},
      {12, MacroChoice{2, L"burst", 2}, {9, 2, 3, 0}, L"Macro Key-burst"},
  };
  const AssignmentDialog runs[] = {AssignmentDialog::SingleKey, AssignmentDialog::ComboKey, AssignmentDialog::MacroKey};
  for (const auto& c : cases) {
    Fixture f;
    f.Open(3);
    f.menus.CommitSubChoice(SubListKind::Multimedia, 6, f.Target());
    const auto volumeUp = f.record;

    // Cancel: the previous function, its parameters and its caption stay.
    f.Open(3);
    EXPECT_EQ(f.menus.CommitFunction(3, c.item, f.Target()).back(), MenuEffect{(RunDialog{runs[c.item - 10], 3})});
    EXPECT_FALSE(f.menus.openButton());
    const MenuEffects cancelled = f.menus.FinishDialog(3, std::nullopt, f.Target());
    EXPECT_EQ(cancelled, (MenuEffects{RepaintDropdown{3, DropdownLook::Leave}}));
    EXPECT_TRUE(std::ranges::equal(f.record.bytes(), volumeUp.bytes()));
    EXPECT_EQ(f.captions[2], L"Volume Up");

    f.Open(3);
    f.menus.CommitFunction(3, c.item, f.Target());
    f.menus.FinishDialog(3, c.choice, f.Target());
    EXPECT_EQ(f.Code(3), c.code) << c.item;
    EXPECT_EQ(f.captions[2], c.caption);
    EXPECT_EQ(f.record.MediaUsage(2), 0xE9);  // other types' parameters are kept
  }
}

// Keeps the open lists and their selections; a dialog or warning nobody expects fails the test.
class AssignmentPlatformFake final : public AssignmentPlatform {
 public:
  std::map<PopupList, int> open;  // the selection of each open list
  std::optional<MacroChoice> macroAnswer;
  int macroDialogsExpected = 0;
  std::vector<std::wstring> warnings;

  void OpenList(PopupList list, const Rect&, const std::vector<std::wstring>&) override { open[list] = -1; }
  void CloseList(PopupList list) override { EXPECT_TRUE(open.erase(list)) << "closing a list that is not open"; }
  void SelectItem(PopupList list, int item) override {
    ASSERT_TRUE(open.contains(list));
    open[list] = item;
  }
  int SelectedItem(PopupList list) const override { return open.at(list); }
  void ShowWarning(std::wstring_view text, std::wstring_view) override { warnings.emplace_back(text); }
  std::optional<SingleKeyChoice> RunSingleKeyDialog(LanguageClass) override { return Unexpected<SingleKeyChoice>(); }
  std::optional<ComboKeyChoice> RunComboKeyDialog(LanguageClass) override { return Unexpected<ComboKeyChoice>(); }
  std::optional<MacroChoice> RunMacroKeyDialog(LanguageClass) override {
    EXPECT_GT(macroDialogsExpected--, 0) << "unexpected macro dialog";
    EXPECT_TRUE(open.empty()) << "the lists close before the dialog runs";
    return macroAnswer;
  }
  template <typename Choice>
  static std::optional<Choice> Unexpected() {
    ADD_FAILURE() << "unexpected dialog";
    return std::nullopt;
  }
};

TEST(ButtonFunctionLists, TheDialogAListNoticeChoseRunsOnceAfterTheListsClosed) {
  Buttons b;
  AssignmentPlatformFake platform;
  ButtonFunctionLists lists{b.Target(), platform};
  main::Effects out;
  const auto pick = [&](PopupList list, int item) {
    lists.OnListHover(list, item, {0, 16 * item, 101, 16 * item + 16});
    EXPECT_TRUE(lists.OnListNotice(ListId(list), kListSelectionChanged, out));
  };
  lists.Toggle(4, {262, 214, 365, 444}, out);
  platform.macroAnswer = MacroChoice{0, L"combo", 2};
  pick(PopupList::Function, 12);
  EXPECT_EQ(out.back(), main::Effect{main::RunOwedDialog{}}) << "never a dialog inside the list's notice";
  platform.macroDialogsExpected = 1;
  lists.RunOwedDialog(out);
  EXPECT_EQ(out.back(), main::Effect{(main::ShowDropdown{4, main::DropdownLook::Committed})});
  EXPECT_EQ(b.record.MacroRepeatMode(3), 2);
  EXPECT_EQ(b.captions[3], L"Macro Key-combo");
  lists.RunOwedDialog(out);  // owed once

  lists.Toggle(1, {262, 154, 365, 384}, out);
  EXPECT_EQ(platform.warnings, std::vector<std::wstring>{L"Left key must be selected!"});
  EXPECT_FALSE(lists.IsOpen(1));
}

constexpr keys::ScanCode kA{0x1E, false}, kB{0x30, false}, kEnter{0x1C, false}, kF5{0x3F, false},
    kF13{0x64, false}, kBreak{0x46, true}, kLeftWin{0x5B, true}, kUnknown{0x7F, false};
constexpr Point kOk{260, 260}, kClose{360, 10}, kElsewhere{200, 40};
constexpr auto kEn = LanguageClass::English;

template <typename Choice>
const Choice& Accepted(const Confirmation<Choice>& c) {
  EXPECT_TRUE(std::holds_alternative<Choice>(c));
  return std::get<Choice>(c);
}

TEST(SingleKeyCapture, TheLastKeyTouchedWinsAndKeysTheMouseCannotSendAreRefused) {
  const std::tuple<std::vector<keys::ScanCode>, std::wstring_view, bool> cases[] = {  // each key down and up
      {{}, L"", false},  // OK without a key: the button does nothing
      {{kA, kB}, L"B", false}, {{kEnter}, L"Enter", false},   {{kLeftWin}, L"Left Windows", false},
      {{kA, kUnknown}, L"A", false}, {{kF13}, L"F13", true}, {{kBreak}, L"Break", true}, {{kF13, kF5}, L"F5", false},
  };
  for (const auto& [keys, name, refused] : cases) {
    SingleKeyCapture capture;
    for (auto key : keys) capture.OnKey(key), capture.OnKey(key);
    EXPECT_EQ(capture.keyName(), name);
    const auto confirmation = capture.Confirm(kEn);
    EXPECT_EQ(std::holds_alternative<Refusal>(confirmation), refused) << name.size();
  }
  SingleKeyCapture capture;
  EXPECT_EQ(capture.OnPress(kOk), PressResult::Ok);
  EXPECT_EQ(capture.OnPress(kClose), PressResult::Cancel);
  EXPECT_EQ(capture.OnPress(kElsewhere), PressResult::Drag);
}

// Picking a modifier from the list and typing into the focused box are the assignment demo's Wine test.
TEST(ComboKeyCapture, KeysGoToTheFocusedBoxAndTheModifierStaysUntilAnotherIsChosen) {
  ComboKeyCapture capture;
  capture.OnKey(kA, ComboKeyCapture::Field::None);
  EXPECT_EQ(capture.names(), ComboKeyChoice{});
  capture.OnKey(kA, ComboKeyCapture::Field::Key1);
  capture.OnKey({0x1D, true}, ComboKeyCapture::Field::Key2);  // a modifier key is captured like any other
  capture.OnPress({60, 75});
  capture.ChooseModifier(2);
  for (int i = 0; i < 3; ++i) capture.OnPress({60, 75});  // opening and closing again without a choice
  EXPECT_EQ(capture.OnPress(kElsewhere), PressResult::Nothing);
  EXPECT_FALSE(capture.modifierListOpen()) << "a press elsewhere closes the list";
  EXPECT_EQ(Accepted(capture.Confirm(kEn)), (ComboKeyChoice{L"Left Alt", L"A", L"Right Ctrl"}));
  capture.OnKey(kF13, ComboKeyCapture::Field::Key2);
  const auto refused = capture.Confirm(kEn);
  EXPECT_TRUE(std::holds_alternative<Refusal>(refused));
}

// Refusing OK without a macro and binding the chosen one are the assignment dialogs' Wine test.
TEST(MacroAssignment, OffersTheTwelveThatReachTheMouseAndTicksAModeOnlyByItsBox) {
  std::vector<std::wstring> store;
  for (int i = 1; i <= 14; ++i) store.push_back(L"m" + std::to_wstring(i));
  MacroAssignment dialog(store);
  EXPECT_EQ(dialog.offered().size(), 12u);
  EXPECT_EQ(dialog.OnPress({140, 135}), PressResult::Nothing);  // the box's click area is wider than the box
  EXPECT_TRUE(dialog.listOpen());
  EXPECT_EQ(dialog.ScrolledTopLine(0, -120), 3);
  EXPECT_EQ(dialog.ScrolledTopLine(10, -120), 11);
  EXPECT_EQ(dialog.ScrolledTopLine(2, 120), 0);
  dialog.Choose(2);
  dialog.OnPress({300, 85});  // a mode's text does not tick it
  EXPECT_EQ(dialog.repeatMode(), 0);
  dialog.OnPress({225, 185});  // mode 2's tick box
  EXPECT_EQ(Accepted(dialog.Confirm(kEn)), (MacroChoice{2, L"m3", 2}));
  dialog.OnPress({140, 135});
  dialog.OnPress({45, 130});
  EXPECT_FALSE(dialog.listOpen()) << "a press elsewhere closes the list";
}

}  // namespace
}  // namespace quendar::ui::assignment
