// The profile manager's rules as a user meets them: names refused, clicks that rename, the menu, and
// what closing leaves in the list file and the current profile.
#include "core/ui/profile_manager/profile_manager_model.h"

#include <gtest/gtest.h>

#include "core/ini/ini_store.h"
#include "core/ui/profile_manager/profile_manager_texts.h"
#include "native/profiles/profile_fixture.h"

namespace quendar::ui::profile_manager {
namespace {

unsigned Id(MenuCommand command) { return static_cast<unsigned>(command); }

class ProfileManagerTest : public testing::ProfileFolderTest {
 protected:
  ProfileManagerModel OpenWith(const std::vector<std::wstring>& names, const std::wstring& current,
                               LanguageClass language = LanguageClass::English) {
    SetList(names, current);
    ProfileManagerModel model(disk, folder / "str.ini", language, state.currentProfileIndex);
    model.Open();
    return model;
  }
  static Effects Warning(std::wstring_view text, std::wstring_view caption = L"Warning") {
    return {ShowWarning{std::wstring(text), std::wstring(caption)}};
  }
};

TEST_F(ProfileManagerTest, DuplicateAndEmptyNamesAreRefusedAndTheListStays) {
  struct Case {
    const char* what;
    std::vector<std::wstring> names;
    std::size_t selected;
    std::function<Effects(ProfileManagerModel&)> act;
    Effects effects;
    std::vector<std::wstring> after;
  };
  const unsigned copy = Id(MenuCommand::Copy);
  const Case cases[] = {
      {"New repeats a name", {L"PROFILE_2", L"PROFILE_1"}, 0, [](auto& m) { return m.OnNew(); },
       Warning(L"A profile of this name already exists."), {L"PROFILE_2", L"PROFILE_1"}},
      {"second copy", {L"P", L"Copy p"}, 0, [&](auto& m) { return m.OnMenuCommand(copy); },
       Warning(L"A profile of this name already exists."), {L"P", L"Copy p"}},
      {"rename to another name in other case", {L"a", L"b"}, 1, [](auto& m) { return m.OnRenameCommitted(1, L"A"); },
       Warning(L"A profile of this name already exists."), {L"a", L"b"}},
      {"rename to blanks", {L"a", L"b"}, 1, [](auto& m) { return m.OnRenameCommitted(1, L"  \t"); },
       Warning(L"A profile name cannot be empty."), {L"a", L"b"}},
      {"rename to its own name in other case, trimmed", {L"a", L"b"}, 1,
       [](auto& m) { return m.OnRenameCommitted(1, L" B "); }, {}, {L"a", L"B"}},
  };
  for (const Case& c : cases) {
    ProfileManagerModel model = OpenWith(c.names, c.names[c.selected]);
    EXPECT_EQ(c.act(model), c.effects) << c.what;
    EXPECT_EQ(model.list().names, c.after) << c.what;
  }
  ProfileManagerModel full = OpenWith({L"a", L"b", L"c", L"d", L"e", L"f"}, L"a", LanguageClass::SimplifiedChinese);
  EXPECT_EQ(full.OnNew(), Warning(L"最多可以存储6个配置。", L"警告"));
  EXPECT_TRUE(full.OnMenuCommand(copy).empty());
}

TEST_F(ProfileManagerTest, SecondClickOrEditRenamesAndTheMenuKeepsTheSelection) {
  ProfileManagerModel model = OpenWith({L"a", L"b", L"c"}, L"b");
  EXPECT_EQ(model.list().selection, 1u);
  EXPECT_EQ(state.currentProfileIndex, 1);
  EXPECT_TRUE(model.OnItemClicked(1).empty());  // the opening selection is no click
  EXPECT_EQ(model.OnItemClicked(1), Effects{StartRename{1}});
  EXPECT_TRUE(model.OnItemClicked(2).empty());
  EXPECT_EQ(model.OnMenuCommand(Id(MenuCommand::Edit)), Effects{StartRename{2}});
  EXPECT_TRUE(model.OnRenameCommitted(2, L"").size() == 1);
  EXPECT_EQ(model.list().names[2], L"c");

  // Load and Save name the slot; neither moves the current profile (the import does, once it happened).
  for (auto [command, request] : {std::pair{MenuCommand::Load, app::kProfileImport},
                                  std::pair{MenuCommand::Save, app::kProfileExport}}) {
    EXPECT_EQ(model.OnMenuCommand(Id(command)), (Effects{PostProfileRequest{request, 2}}));
    EXPECT_EQ(state.currentProfileIndex, 1);
  }
  // Deleting shifts the positions: a click on the name now at 1 is a first click.
  EXPECT_TRUE(model.OnItemClicked(1).empty());
  EXPECT_TRUE(model.OnMenuCommand(Id(MenuCommand::Delete)).empty());
  EXPECT_EQ(model.list().names, (std::vector<std::wstring>{L"a", L"c"}));
  EXPECT_FALSE(model.list().selection);
  EXPECT_TRUE(model.OnItemClicked(1).empty());
  for (MenuCommand command : {MenuCommand::Load, MenuCommand::Save, MenuCommand::Edit}) {
    ProfileManagerModel none = OpenWith({L"x"}, L"zzz");
    EXPECT_TRUE(none.OnMenuCommand(Id(command)).empty());
  }
}

TEST_F(ProfileManagerTest, ClosingWritesTheListAndAsksForAReload) {
  ProfileManagerModel model = OpenWith({L"a", L"A"}, L"a");
  EXPECT_EQ(model.list().selection, 1u);  // ignoring case, from item 1 on
  model.OnItemClicked(0);
  model.OnNew();
  model.OnRenameCommitted(2, L"Work");
  model.OnItemClicked(1);
  EXPECT_TRUE(model.OnMenuCommand(Id(MenuCommand::Delete)).empty());
  EXPECT_EQ(model.OnClose(), (Effects{PostProfileRequest{app::kProfileReload, 0}, CloseManager{}}));
  EXPECT_EQ(state.currentProfileIndex, 0);  // nothing selected: the first name
  const auto list = folder / "str.ini";
  EXPECT_EQ(ini::ReadString(disk, list, L"Profile", L"CurProfileName"), L"a");
  EXPECT_EQ(ini::ReadString(disk, list, L"Profile", L"ItemCount"), L"2");
  EXPECT_EQ(ini::ReadString(disk, list, L"Profile", L"Item1"), L"Work");
  ASSERT_EQ(files.LoadProfile(), profiles::LoadResult::Loaded);
  EXPECT_EQ(state.currentProfileIndex, 0);
}

}  // namespace
}  // namespace quendar::ui::profile_manager
