// The profile manager's rules as a user meets them: names refused, clicks that rename, the menu, and
// what closing leaves in the list file and the current profile.
#include "core/ui/profile_manager/profile_manager_model.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

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
      {"New steps over a name in use", {L"PROFILE_2", L"PROFILE_1"}, 0, [](auto& m) { return m.OnNew(); }, {},
       {L"PROFILE_2", L"PROFILE_1", L"PROFILE_3"}},
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
  ASSERT_EQ(model.OnMenuCommand(Id(MenuCommand::Delete)).size(), 1u);
  // The current profile ("A", item 1) is deleted: the name now in its place is loaded.
  EXPECT_EQ(model.OnDeleteConfirmed(1, L"A"), (Effects{PostProfileRequest{ProfileRequest::Reload, 1}}));
  EXPECT_EQ(model.OnClose(), (Effects{PostProfileRequest{ProfileRequest::Reload, 0}, CloseManager{}}));
  EXPECT_EQ(state.currentProfileIndex, 0);  // nothing selected: the first name
  const auto list = folder / "str.ini";
  EXPECT_EQ(ini::ReadString(disk, list, L"Profile", L"CurProfileName"), L"a");
  EXPECT_EQ(ini::ReadString(disk, list, L"Profile", L"ItemCount"), L"2");
  EXPECT_EQ(ini::ReadString(disk, list, L"Profile", L"Item1"), L"Work");
  ASSERT_EQ(files.LoadProfile(), profiles::LoadResult::Loaded);
  EXPECT_EQ(state.currentProfileIndex, 0);

  // A manager whose initialisation failed never read the list: closing it leaves the file alone.
  const auto stored = testing::ReadBytes(list);
  ProfileManagerModel unopened(disk, list, LanguageClass::English, state.currentProfileIndex);
  EXPECT_EQ(unopened.OnClose(), (Effects{PostProfileRequest{ProfileRequest::Reload, 0}, CloseManager{}}));
  EXPECT_TRUE(unopened.OnNew().empty());
  EXPECT_EQ(testing::ReadBytes(list), stored);
}

// Every name keeps its own files through Delete, Copy and New: the records and captions each name
// shows are compared before and after.
TEST_F(ProfileManagerTest, NamesKeepTheirSettingsWhenProfilesAreDeletedCopiedOrAdded) {
  const std::vector<std::wstring> six{L"PROFILE_0", L"PROFILE_1", L"PROFILE_2", L"PROFILE_3", L"PROFILE_4", L"PROFILE_5"};
  for (int slot = 0; slot < 6; ++slot) {
    MakeDataFile(folder / profiles::DataFileName(slot), static_cast<std::uint8_t>(0x20 + slot), 1);
    ini::WriteString(disk, folder / profiles::TextFileName(slot), L"Setting-EN", L"Item1", six[slot]);
  }
  const auto shown = [&](const std::wstring& name) {  // what the main window loads for `name`
    profiles::ProfileListModel list = profiles::ReadProfileList(disk, folder / "str.ini", state.currentProfileIndex);
    const auto at = std::ranges::find(list.names, name) - list.names.begin();
    auto data = testing::ReadBytes(folder / profiles::DataFileName(static_cast<int>(at)));
    data[1] = 0;  // the profile number is the slot's
    return std::pair{data, ini::ReadString(disk, folder / profiles::TextFileName(static_cast<int>(at)), L"Setting-EN", L"Item1")};
  };
  std::map<std::wstring, decltype(shown(L""))> before;
  for (const auto& name : six) before[name] = shown(name);

  ProfileManagerModel model = OpenWith(six, L"PROFILE_3");
  model.OnItemClicked(1);
  EXPECT_EQ(model.OnMenuCommand(Id(MenuCommand::Delete)),
            (Effects{ConfirmDelete{1, L"PROFILE_1", L"Delete the profile \"PROFILE_1\" and its settings?", L"Delete"}}));
  // The current profile moved down a place with its files: the main window loads it from there.
  EXPECT_EQ(model.OnDeleteConfirmed(1, L"PROFILE_1"), (Effects{PostProfileRequest{ProfileRequest::Reload, 2}}));
  EXPECT_EQ(state.currentProfileIndex, 2);
  EXPECT_EQ(ini::ReadString(disk, folder / "str.ini", L"Profile", L"CurProfileName"), L"PROFILE_3");
  for (const auto& name : model.list().names) EXPECT_EQ(shown(name), before[name]) << name;
  EXPECT_EQ(ini::ReadString(disk, folder / "str5.ini", L"Setting-EN", L"Item1"), L"Click");  // the freed slot

  ASSERT_TRUE(model.OnNew().empty());
  auto defaultData = testing::ReadBytes(folder / "config.bin");
  defaultData[1] = 0;
  EXPECT_EQ(shown(L"PROFILE_6"), std::pair(defaultData, std::wstring(L"Click")));

  model.OnItemClicked(0);
  ASSERT_EQ(model.OnMenuCommand(Id(MenuCommand::Delete)).size(), 1u);
  EXPECT_EQ(model.OnDeleteConfirmed(0, L"PROFILE_0"), (Effects{PostProfileRequest{ProfileRequest::Reload, 1}}));
  model.OnItemClicked(2);  // PROFILE_4
  EXPECT_TRUE(model.OnMenuCommand(Id(MenuCommand::Copy)).empty());
  EXPECT_EQ(shown(L"Copy PROFILE_4"), before[L"PROFILE_4"]);
  for (const auto& name : {L"PROFILE_2", L"PROFILE_3", L"PROFILE_4", L"PROFILE_5"}) {
    EXPECT_EQ(shown(name), before[name]) << name;
  }
  // A stale answer (the name at that place changed) deletes nothing.
  EXPECT_TRUE(model.OnDeleteConfirmed(1, L"PROFILE_1").empty());
  EXPECT_EQ(model.list().names.size(), 6u);

  // A file that cannot be read stops the change before anything is written, and the user is told.
  const auto files = [&] {
    std::map<std::filesystem::path, std::vector<unsigned char>> all;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
      if (entry.is_regular_file()) all[entry.path()] = testing::ReadBytes(entry.path());
    }
    return all;
  };
  std::filesystem::remove(folder / "config5.bin");
  std::filesystem::create_directory(folder / "config5.bin");
  const auto untouched = files();
  const auto names = model.list().names;
  model.OnItemClicked(0);
  ASSERT_EQ(model.OnMenuCommand(Id(MenuCommand::Delete)).size(), 1u);
  const Effects refused = model.OnDeleteConfirmed(0, names[0]);
  ASSERT_EQ(refused.size(), 1u);
  EXPECT_TRUE(std::get<ShowWarning>(refused[0]).text.starts_with(
      L"The profiles were left as they were: the file \"config5.bin\" could not be read or written (error "));
  EXPECT_EQ(files(), untouched);
  EXPECT_EQ(model.list().names, names);
}

}  // namespace
}  // namespace quendar::ui::profile_manager
