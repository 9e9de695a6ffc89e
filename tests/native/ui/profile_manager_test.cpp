// The profile manager's rules as a user meets them: names refused, clicks that rename, the menu and deleting.
// What closing writes, and that a manager that could not start writes nothing, are the profiles window's
// Wine tests.
#include "core/ui/profile_manager/profile_manager_model.h"

#include <gtest/gtest.h>

#include <functional>
#include <tuple>

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
  const Effects taken = Warning(L"A profile of this name already exists.");
  using Act = std::function<Effects(ProfileManagerModel&)>;
  const std::tuple<std::vector<std::wstring>, std::size_t, Act, Effects, std::vector<std::wstring>> cases[] = {
      {{L"P", L"Copy p"}, 0, [](auto& m) { return m.OnMenuCommand(Id(MenuCommand::Copy)); }, taken, {L"P", L"Copy p"}},
      {{L"a", L"b"}, 1, [](auto& m) { return m.OnRenameCommitted(1, L"A"); }, taken, {L"a", L"b"}},
      {{L"a", L"b"}, 1, [](auto& m) { return m.OnRenameCommitted(1, L"  \t"); },
       Warning(L"A profile name cannot be empty."), {L"a", L"b"}},
      {{L"a", L"b"}, 1, [](auto& m) { return m.OnRenameCommitted(1, L" B "); }, {}, {L"a", L"B"}},  // own name
  };
  for (const auto& [names, selected, act, effects, after] : cases) {
    ProfileManagerModel model = OpenWith(names, names[selected]);
    EXPECT_EQ(act(model), effects) << selected;
    EXPECT_EQ(model.list().names, after);
  }
  ProfileManagerModel full = OpenWith({L"a", L"b", L"c", L"d", L"e", L"f"}, L"a", LanguageClass::SimplifiedChinese);
  EXPECT_EQ(full.OnNew(), Warning(L"最多可以存储6个配置。", L"警告"));
  EXPECT_TRUE(full.OnMenuCommand(Id(MenuCommand::Copy)).empty());
}

TEST_F(ProfileManagerTest, SecondClickOrEditRenamesAndTheMenuKeepsTheSelection) {
  ProfileManagerModel model = OpenWith({L"a", L"b", L"c"}, L"b");
  EXPECT_EQ(model.list().selection, 1u);
  EXPECT_EQ(state.currentProfileIndex, 1);
  EXPECT_TRUE(model.OnItemClicked(1).empty());  // the opening selection is no click
  EXPECT_EQ(model.OnItemClicked(1), Effects{StartRename{1}});
  EXPECT_TRUE(model.OnItemClicked(2).empty());
  EXPECT_EQ(model.OnMenuCommand(Id(MenuCommand::Edit)), Effects{StartRename{2}});

  // Load and Save name the slot; neither moves the current profile (the import does, once it happened).
  for (auto [command, request] : {std::pair{MenuCommand::Load, ProfileRequest::Import},
                                  std::pair{MenuCommand::Save, ProfileRequest::Export}}) {
    EXPECT_EQ(model.OnMenuCommand(Id(command)), (Effects{PostProfileRequest{request, 2}}));
    EXPECT_EQ(state.currentProfileIndex, 1);
  }
  // Deleting shifts the positions: a click on the name now at 1 is a first click.
  EXPECT_TRUE(model.OnItemClicked(1).empty());
  ASSERT_EQ(model.OnMenuCommand(Id(MenuCommand::Delete)).size(), 1u);
  EXPECT_EQ(model.OnDeleteConfirmed(1, L"b"), (Effects{PostProfileRequest{ProfileRequest::Reload, 1}}));
  EXPECT_EQ(model.list().names, (std::vector<std::wstring>{L"a", L"c"}));
  EXPECT_FALSE(model.list().selection);
  EXPECT_TRUE(model.OnItemClicked(1).empty());
  ProfileManagerModel none = OpenWith({L"x"}, L"zzz");  // nothing selected: the menu has nothing to act on
  for (MenuCommand command : {MenuCommand::Load, MenuCommand::Save, MenuCommand::Edit})
    EXPECT_TRUE(none.OnMenuCommand(Id(command)).empty());
}

// Deleting asks first, keeps the current profile on its own files (they move down a place), ignores a
// stale answer, and stops before writing anything when a file cannot be read, telling the user.
TEST_F(ProfileManagerTest, DeleteConfirmsFollowsTheCurrentProfileAndStopsWhenAFileCannotBeRead) {
  ProfileManagerModel model = OpenWith({L"P0", L"P1", L"P2", L"P3"}, L"P2");
  model.OnItemClicked(1);
  EXPECT_EQ(model.OnMenuCommand(Id(MenuCommand::Delete)),
            (Effects{ConfirmDelete{1, L"P1", L"Delete the profile \"P1\" and its settings?", L"Delete"}}));
  EXPECT_EQ(model.OnDeleteConfirmed(1, L"P1"), (Effects{PostProfileRequest{ProfileRequest::Reload, 1}}));
  EXPECT_EQ(state.currentProfileIndex, 1);
  EXPECT_EQ(ini::ReadString(disk, folder / "str.ini", L"Profile", L"CurProfileName"), L"P2");
  EXPECT_TRUE(model.OnDeleteConfirmed(1, L"P1").empty()) << "the name at that place changed: nothing is deleted";
  EXPECT_EQ(model.list().names.size(), 3u);

  std::filesystem::remove(folder / "config2.bin");
  std::filesystem::create_directory(folder / "config2.bin");
  const auto untouched = testing::FolderBytes(folder.path());
  model.OnItemClicked(0);
  ASSERT_EQ(model.OnMenuCommand(Id(MenuCommand::Delete)).size(), 1u);
  const Effects refused = model.OnDeleteConfirmed(0, L"P0");
  ASSERT_EQ(refused.size(), 1u);
  EXPECT_TRUE(std::get<ShowWarning>(refused[0]).text.starts_with(
      L"The profiles were left as they were: the file \"config2.bin\" could not be read or written (error "));
  EXPECT_EQ(testing::FolderBytes(folder.path()), untouched);
  EXPECT_EQ(model.list().names, (std::vector<std::wstring>{L"P0", L"P2", L"P3"}));
}

}  // namespace
}  // namespace quendar::ui::profile_manager
