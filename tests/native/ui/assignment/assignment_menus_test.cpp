// The Button Assignment lists: the left-button rule, what each entry stores and shows, and that a
// cancelled dialog changes nothing.
#include "core/ui/assignment/assignment_menus.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/keys/profile_buttons.h"

namespace quendar::ui::assignment {
namespace {

using keys::ButtonCode;
using keys::FunctionType;

constexpr Rect kList{262, 154, 365, 384};
constexpr std::uint8_t Type(FunctionType type) { return static_cast<std::uint8_t>(type); }

struct Fixture {
  profiles::ProfileRecord record{};
  profiles::ButtonCaptions captions{};
  AssignmentMenus menus;

  Fixture() {
    for (std::size_t b = 0; b < keys::kButtonCount; ++b) record.FunctionType(b) = Type(FunctionType::ButtonOff);
    record.FunctionType(0) = Type(FunctionType::Click);
  }
  AssignmentTarget Target(LanguageClass language = LanguageClass::English) { return {record, captions, language}; }
  ButtonCode Code(int button) const { return keys::BuildKeyMatrix(record)[keys::kButtonSlot[button - 1]]; }
  MenuEffects Open(int button) { return menus.ToggleFunctionList(button, kList, Target()); }
};

bool Warns(const MenuEffects& effects) {
  for (const auto& e : effects) {
    if (const auto* w = std::get_if<ShowWarning>(&e)) return w->text == L"Left key must be selected!" && w->caption == L"Warning";
  }
  return false;
}

TEST(AssignmentMenus, TheOnlyClickButtonRefusesToOpen) {
  struct Case {
    std::vector<int> clickButtons;
    int toggled;
    bool refused;
  };
  const Case cases[] = {
      {{1}, 1, true},
      {{1, 2}, 1, false},
      {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, 1, false},
      {{1}, 2, false},  // every other button changes freely
      {{12}, 12, true},
  };
  for (const Case& c : cases) {
    Fixture f;
    f.record.FunctionType(0) = Type(FunctionType::ButtonOff);
    for (int b : c.clickButtons) f.record.FunctionType(static_cast<std::size_t>(b - 1)) = Type(FunctionType::Click);
    const MenuEffects effects = f.Open(c.toggled);
    EXPECT_EQ(Warns(effects), c.refused) << c.toggled;
    EXPECT_EQ(f.menus.openButton().has_value(), !c.refused) << c.toggled;
  }
  Fixture chinese;
  const auto effects = chinese.menus.ToggleFunctionList(1, kList, chinese.Target(LanguageClass::SimplifiedChinese));
  ASSERT_EQ(effects.size(), 1u);
  EXPECT_EQ(std::get<ShowWarning>(effects[0]), (ShowWarning{L"左键功能必须选择！", L"Warning"}));
}

TEST(AssignmentMenus, OpeningListsOneAtATimeAndHoverDrivesTheSubLists) {
  Fixture f;
  EXPECT_EQ(f.Open(2).back(), MenuEffect{HighlightButton{2}});
  // Pointing at "Multimedia" opens its sub-list at the list's right edge, its bottom on the entry's bottom.
  const Rect item{0, 112, 101, 128};
  MenuEffects hover = f.menus.HoverList(PopupList::Function, 7, item, LanguageClass::English);
  ASSERT_EQ(hover.size(), 2u);
  const auto& sub = std::get<OpenList>(hover[1]);
  EXPECT_EQ(sub.rect, (Rect{365, 154 + 128 - 130, 455, 154 + 128}));
  EXPECT_EQ(sub.items.at(6), L"Volume Up");
  EXPECT_EQ(f.menus.HoverList(PopupList::Function, 7, item, LanguageClass::English).size(), 1u);  // stays open
  hover = f.menus.HoverList(PopupList::Function, 2, {0, 32, 101, 48}, LanguageClass::English);
  EXPECT_EQ(hover, (MenuEffects{SelectItem{PopupList::Function, 2}, OpenList{PopupList::ScrollSelect, 2,
                                                                              Rect::At({262 + 101, 154 + 32}, {110, 60}),
                                                                              {L"Mouse M Button", L"Left Title Scroll",
                                                                               L"Right Title Scroll"}},
                                CloseList{PopupList::Multimedia}}));
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
  EXPECT_EQ(f.menus.openButton(), 5);
  EXPECT_TRUE(std::ranges::equal(f.record.bytes(), before.bytes()));
  EXPECT_EQ(f.captions[4], L"before");
}

TEST(AssignmentMenus, EverySubListEntryStoresItsValueAndCaption) {
  struct Case {
    SubListKind kind;
    int item;
    ButtonCode code;
    std::wstring_view caption;
  };
  using K = SubListKind;
  const Case cases[] = {
      {K::ScrollSelect, 0, {1, 0, 0xF2, 0}, L"Mouse M Button"}, {K::ScrollSelect, 1, {1, 0, 0xF5, 0}, L"Left Title Scroll"},
      {K::ScrollSelect, 2, {1, 0, 0xF6, 0}, L"Right Title Scroll"},
      {K::CpiCycle, 0, {7, 0, 1, 0}, L"CPI +"}, {K::CpiCycle, 1, {7, 0, 2, 0}, L"CPI -"},
      {K::CpiCycle, 2, {7, 0, 3, 0}, L"CPI Loop"},
      {K::Multimedia, 0, {3, 0, 0x83, 1}, L"Media player"}, {K::Multimedia, 1, {3, 0, 0xB5, 0}, L"Next Track"},
      {K::Multimedia, 2, {3, 0, 0xB6, 0}, L"Pre Track"}, {K::Multimedia, 3, {3, 0, 0xB7, 0}, L"Stop"},
      {K::Multimedia, 4, {3, 0, 0xCD, 0}, L"Play/Pause"}, {K::Multimedia, 5, {3, 0, 0xE2, 0}, L"Mute"},
      {K::Multimedia, 6, {3, 0, 0xE9, 0}, L"Volume Up"}, {K::Multimedia, 7, {3, 0, 0xEA, 0}, L"Volume Down"},
      {K::HotKey, 0, {0, 0, 0xE0, 0x11}, L"New"}, {K::HotKey, 1, {0, 0, 0xE0, 0x1B}, L"Cut"},
      {K::HotKey, 2, {0, 0, 0xE0, 0x06}, L"Copy"}, {K::HotKey, 3, {0, 0, 0xE0, 0x19}, L"Paste"},
      {K::HotKey, 4, {0, 0, 0xE0, 0x16}, L"Save"}, {K::HotKey, 5, {0, 0, 0xE0, 0x13}, L"Print"},
      {K::HotKey, 6, {0, 0, 0xE0, 0x09}, L"Find"}, {K::HotKey, 7, {0, 0, 0xE0, 0x1C}, L"Redo"},
      {K::HotKey, 8, {0, 0, 0xE0, 0x1D}, L"Undo"}, {K::HotKey, 9, {0, 0, 0xE0, 0x04}, L"Select All"},
      {K::Windows, 0, {3, 0, 0x94, 1}, L"My computer"}, {K::Windows, 1, {3, 0, 0x23, 2}, L"Browser-Home"},
      {K::Windows, 2, {3, 0, 0x21, 2}, L"Search"}, {K::Windows, 3, {0, 4, 0x2C, 0x1B}, L"Maximum"},
      {K::Windows, 4, {0, 4, 0x2C, 0x11}, L"Minimum"}, {K::Windows, 5, {0, 0, 0xE3, 0x07}, L"Show desktop"},
      {K::Windows, 6, {0, 0, 0xE3, 0x15}, L"Run"},
  };
  for (const Case& c : cases) {
    Fixture f;
    f.Open(3);
    const MenuEffects effects = f.menus.CommitSubChoice(c.kind, c.item, f.Target());
    EXPECT_EQ(effects.back(), MenuEffect{(RepaintDropdown{3, DropdownLook::Normal})});
    EXPECT_EQ(f.Code(3), c.code) << c.item;
    EXPECT_EQ(f.captions[2], c.caption);
    EXPECT_FALSE(f.menus.openButton());
  }
  // Beyond the list's end nothing is stored.
  Fixture f;
  f.Open(3);
  EXPECT_TRUE(f.menus.CommitSubChoice(SubListKind::Multimedia, 8, f.Target()).empty());
}

TEST(AssignmentMenus, FunctionLabelsFollowTheTypeNotTheTablesOrder) {
  for (int type = 0; type < keys::kFunctionCount; ++type) {
    EXPECT_EQ(FunctionLabel(LanguageClass::English, static_cast<FunctionType>(type)), keys::FunctionList()[type]);
  }
  EXPECT_EQ(FunctionLabel(LanguageClass::SimplifiedChinese, FunctionType::Multimedia), L"多媒体");
  EXPECT_EQ(FunctionLabel(LanguageClass::SimplifiedChinese, FunctionType::HotKey), L"快捷键");
  EXPECT_EQ(FunctionLabel(LanguageClass::TraditionalChinese, FunctionType::Windows), L"系統功能");
  EXPECT_EQ(SubListTexts(LanguageClass::TraditionalChinese, SubListKind::Windows).size(), 7u);

  Fixture f;
  f.Open(2);
  f.menus.CommitFunction(2, Type(FunctionType::ButtonOff), f.Target(LanguageClass::SimplifiedChinese));
  EXPECT_EQ(f.captions[1], L"禁用");
  EXPECT_EQ(f.record.FunctionType(1), Type(FunctionType::ButtonOff));
}

TEST(AssignmentMenus, DialogChoicesStoreOnOkAndCancelKeepsEverything) {
  struct Case {
    int item;
    DialogChoice choice;
    ButtonCode code;
    std::wstring_view caption;
  };
  const Case cases[] = {
      {10, SingleKeyChoice{L"F5"}, {0, 0, 0x3E, 0}, L"Single Key-F5"},
      {11, ComboKeyChoice{L"Left Shift", L"A", L""}, {0, 2, 0x04, 0}, L"Combo Key-Left Shift+A"},
      {11, ComboKeyChoice{L"", L"F5", L""}, {0, 0, 0x3E, 0}, L"Combo Key-F5"},
      {11, ComboKeyChoice{L"", L"Ctrl", L"Right Shift"}, {0, 0, 0xE0, 0xE5}, L"Combo Key-Ctrl+Right Shift"},
      {12, MacroChoice{2, L"burst", 2}, {9, 2, 3, 0}, L"Macro Key-burst"},
  };
  const auto runs = [](int item) {
    return item == 10 ? AssignmentDialog::SingleKey : item == 11 ? AssignmentDialog::ComboKey : AssignmentDialog::MacroKey;
  };
  for (const Case& c : cases) {
    Fixture f;
    f.Open(3);
    f.menus.CommitSubChoice(SubListKind::Multimedia, 6, f.Target());
    const auto volumeUp = f.record;

    // Cancel: the previous function, its parameters and its caption stay.
    f.Open(3);
    EXPECT_EQ(f.menus.CommitFunction(3, c.item, f.Target()).back(), MenuEffect{(RunDialog{runs(c.item), 3})});
    EXPECT_FALSE(f.menus.openButton());
    EXPECT_EQ(f.menus.FinishDialog(3, std::nullopt, f.Target()), (MenuEffects{RepaintDropdown{3, DropdownLook::Leave}}));
    EXPECT_TRUE(std::ranges::equal(f.record.bytes(), volumeUp.bytes()));
    EXPECT_EQ(f.captions[2], L"Volume Up");

    f.Open(3);
    f.menus.CommitFunction(3, c.item, f.Target());
    f.menus.FinishDialog(3, c.choice, f.Target());
    EXPECT_EQ(f.Code(3), c.code) << c.item;
    EXPECT_EQ(f.captions[2], c.caption);
    EXPECT_EQ(f.record.MediaUsage(2), 0xE9);  // other types' parameters are kept
  }
  Fixture f;
  f.menus.FinishDialog(4, ComboKeyChoice{L"Left Shift", L"A", L""}, f.Target(LanguageClass::TraditionalChinese));
  EXPECT_EQ(f.captions[3], L"組合鍵-Left Shift+A");
}

}  // namespace
}  // namespace quendar::ui::assignment
