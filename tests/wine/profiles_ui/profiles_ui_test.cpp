// The profile manager and the help panel in the demo program, driven with the clicks and keys a user
// gives: a new profile named and chosen, the list written and the main window reloaded; a profile file
// loaded through the file dialog, once cancelled; the help panel opened, toggled and closed.
#include <gtest/gtest.h>

#include <vector>

#include "wine/harness/demo_program.h"
#include "wine/harness/input.h"

namespace quendar::test {
namespace {

namespace fs = std::filesystem;

constexpr POINT kConfigButton{54, 619};
constexpr POINT kHelpButton{944, 12};
constexpr POINT kSaveButton{950, 620};
constexpr POINT kNewButton{100, 586};
constexpr POINT kManagerClose{247, 15};
constexpr POINT kHelpOk{279, 262};
constexpr POINT kSideViewButton{468, 540};  // the view shown at start: a click that changes nothing
constexpr int kListBox = 130;
constexpr std::size_t kSensitivityX = 1 + 0x3D;  // flag byte, then the record
constexpr std::size_t kProfileNumber = 1 + 0x00;

std::wstring ReadIni(const fs::path& file, const wchar_t* section, const wchar_t* key) {
  wchar_t value[256] = {};
  ::GetPrivateProfileStringW(section, key, L"", value, 256, file.c_str());
  return value;
}

void SetProfileList(const fs::path& folder, const std::vector<std::wstring>& names, const std::wstring& current) {
  const fs::path list = folder / L"str.ini";
  ::WritePrivateProfileStringW(L"Profile", nullptr, nullptr, list.c_str());
  ::WritePrivateProfileStringW(L"Profile", L"CurProfileName", current.c_str(), list.c_str());
  ::WritePrivateProfileStringW(L"Profile", L"ItemCount", std::to_wstring(names.size()).c_str(), list.c_str());
  for (std::size_t i = 0; i < names.size(); ++i) {
    ::WritePrivateProfileStringW(L"Profile", (L"Item" + std::to_wstring(i)).c_str(), names[i].c_str(), list.c_str());
  }
}

// A dialog of the main window (the manager and the help panel are its children) with the given title.
HWND ChildDialog(HWND parent, const wchar_t* title, HWND after = nullptr) {
  return ::FindWindowExW(parent, after, L"#32770", title);
}
HWND WaitForChildDialog(HWND parent, const wchar_t* title) {
  HWND found = nullptr;
  WaitFor([&] { return (found = ChildDialog(parent, title)) != nullptr; });
  return found;
}

LRESULT Ask(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  DWORD_PTR result = 0;
  ::SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, 5000, &result);
  return static_cast<LRESULT>(result);
}

// Types `path` into the file dialog's name box once the dialog has shown its initial name, and opens it.
void ChooseInFileDialog(HWND dialog, const std::wstring& path) {
  HWND name = nullptr;
  ASSERT_TRUE(WaitFor([&] {
    name = ::GetDlgItem(dialog, 0x47C /* cmb13 */);
    if (name == nullptr) name = ::GetDlgItem(dialog, 0x480 /* edt1 */);
    return name != nullptr && !TextOf(name).empty();
  }));
  Ask(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
  ASSERT_EQ(TextOf(name), path);
  ::PostMessageW(dialog, WM_COMMAND, IDOK, 0);
}

class ProfilesUiTest : public ::testing::Test {
 protected:
  void Start(const std::function<void(const fs::path&)>& prepare = {}) {
    demo_ = std::make_unique<DemoProgram>(L"", prepare);
    ASSERT_TRUE(demo_->ready());
    ASSERT_TRUE(demo_->WaitForState(L"Plugged in"));
    ASSERT_TRUE(demo_->Show());
  }
  void TearDown() override {
    if (demo_ && demo_->ready()) {
      EXPECT_EQ(demo_->Exit(), 0u);
    }
  }

  HWND main() const { return demo_->mainWindow(); }
  const fs::path& folder() const { return demo_->folder(); }

  HWND OpenManager() {
    demo_->ClickMain(kConfigButton.x, kConfigButton.y);
    return WaitForChildDialog(main(), L"Configuration");
  }

  // Right-clicks the list at `item` and picks the context menu's entry `position` (0 = "Delete").
  void ChooseFromMenu(HWND list, int item, int position) {
    PostClick(list, ListEntry(list, item), /*right=*/true);
    HWND menu = demo_->process().WaitForWindow(L"#32768", 10s);
    ASSERT_NE(menu, nullptr);
    for (int i = 0; i <= position; ++i) PostKey(menu, VK_DOWN);
    PostKey(menu, VK_RETURN);
  }

  std::unique_ptr<DemoProgram> demo_;
};

TEST_F(ProfilesUiTest, ManagerAddsRenamesAndChoosesAProfileTheMainWindowThenSends) {
  char sensitivity = 0;
  Start([&](const fs::path& folder) {
    SetProfileList(folder, {L"PROFILE_0", L"PROFILE_1", L"PROFILE_2"}, L"PROFILE_0");
    // A new profile starts from the default profile, whatever its slot held before.
    auto bytes = FileBytes(folder / L"config.bin");
    sensitivity = static_cast<char>(FileBytes(folder / L"config0.bin")[kSensitivityX] == 3 ? 4 : 3);
    bytes[kSensitivityX] = sensitivity;
    WriteFileBytes(folder / L"config.bin", bytes);
  });
  HWND manager = OpenManager();
  ASSERT_NE(manager, nullptr);
  HWND list = ::GetDlgItem(manager, kListBox);
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(Ask(list, LB_GETCOUNT), 3);
  EXPECT_EQ(Ask(list, LB_GETCURSEL), 0);

  demo_->ClickMain(kConfigButton.x, kConfigButton.y);  // "Config" again opens no second manager
  PostClick(manager, kNewButton);
  ASSERT_TRUE(WaitFor([&] { return Ask(list, LB_GETCOUNT) == 4 && Ask(list, LB_GETCURSEL) == 3; }));
  EXPECT_EQ(ChildDialog(main(), L"Configuration"), manager);
  EXPECT_EQ(ChildDialog(main(), L"Configuration", manager), nullptr) << "one manager";

  // The new item is selected but was never clicked: the first click picks it, the second renames.
  // Escape drops an edit; Tab keeps it.
  PostClick(list, ListEntry(list, 3));
  PostClick(list, ListEntry(list, 3));
  HWND editor = nullptr;
  ASSERT_TRUE(WaitFor([&] { return (editor = ::FindWindowExW(list, nullptr, L"Edit", nullptr)) != nullptr; }));
  Ask(editor, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"Dropped"));
  PostKey(editor, VK_ESCAPE);
  ASSERT_TRUE(WaitFor([&] { return !::IsWindow(editor); }));
  EXPECT_EQ(Ask(list, LB_GETTEXTLEN, 3), 9) << "still PROFILE_3";
  PostClick(list, ListEntry(list, 3));
  ASSERT_TRUE(WaitFor([&] { return (editor = ::FindWindowExW(list, nullptr, L"Edit", nullptr)) != nullptr; }));
  Ask(editor, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"Work"));
  PostKey(editor, VK_TAB);
  ASSERT_TRUE(WaitFor([&] { return !::IsWindow(editor); }));

  PostClick(manager, kManagerClose);
  ASSERT_TRUE(WaitFor([&] { return !::IsWindow(manager); }));
  const fs::path listFile = folder() / L"str.ini";
  EXPECT_EQ(ReadIni(listFile, L"Profile", L"ItemCount"), L"4");
  EXPECT_EQ(ReadIni(listFile, L"Profile", L"Item3"), L"Work");
  EXPECT_EQ(ReadIni(listFile, L"Profile", L"CurProfileName"), L"Work");

  // The main window reloaded profile 3: "Save" stores the record it now holds in profile 3's file.
  const auto untouched = FileBytes(folder() / L"config0.bin");
  demo_->ClickMain(kSaveButton.x, kSaveButton.y);
  ASSERT_TRUE(demo_->WaitForState(L"Last download: 31 exchanges"));
  EXPECT_TRUE(WaitFor([&] { return FileBytes(folder() / L"config3.bin")[0] == 1; }));
  EXPECT_EQ(FileBytes(folder() / L"config3.bin")[kSensitivityX], sensitivity);
  EXPECT_EQ(FileBytes(folder() / L"config0.bin"), untouched);
}

TEST_F(ProfilesUiTest, LoadGoesThroughTheFileDialogIntoTheChosenSlotAndACancelChangesNothing) {
  Start([](const fs::path& folder) {
    auto bytes = FileBytes(folder / L"config0.bin");
    bytes[kSensitivityX] = static_cast<char>(bytes[kSensitivityX] == 5 ? 6 : 5);
    WriteFileBytes(folder / L"IMPORTED.BIN", bytes);
  });
  const fs::path slot = folder() / L"config2.bin";
  const auto before = FileBytes(slot);
  HWND manager = OpenManager();
  ASSERT_NE(manager, nullptr);
  HWND list = ::GetDlgItem(manager, kListBox);
  PostClick(list, ListEntry(list, 2));
  ASSERT_TRUE(WaitFor([&] { return Ask(list, LB_GETCURSEL) == 2; }));

  // A right click elsewhere in the list leaves the selection on slot 2.
  ChooseFromMenu(list, 0, 3);  // "Load"
  HWND open = demo_->process().WaitForWindow(L"#32770", 10s);
  ASSERT_NE(open, nullptr);
  EXPECT_EQ(Ask(list, LB_GETCURSEL), 2);
  ::PostMessageW(open, WM_COMMAND, IDCANCEL, 0);
  ASSERT_TRUE(WaitFor([&] { return !::IsWindow(open); }));
  EXPECT_EQ(FileBytes(slot), before);

  ChooseFromMenu(list, 2, 3);
  open = demo_->process().WaitForWindow(L"#32770", 10s);
  ASSERT_NE(open, nullptr);
  ChooseInFileDialog(open, (folder() / L"IMPORTED.BIN").wstring());
  ASSERT_TRUE(WaitFor([&] { return !::IsWindow(open); }));
  ASSERT_TRUE(WaitFor([&] { return FileBytes(slot) != before; }));
  auto expected = FileBytes(folder() / L"IMPORTED.BIN");
  expected[0] = 1;
  expected[kProfileNumber] = 2;
  EXPECT_TRUE(FileBytes(slot) == expected) << "the chosen file, stored as slot 2's";
  PostClick(manager, kManagerClose);
  EXPECT_TRUE(WaitFor([&] { return !::IsWindow(manager); }));
}

// Delete asks first, and acts on the selected profile, not on the one under the pointer; which files
// each name keeps is the profile manager's native test.
TEST_F(ProfilesUiTest, DeleteAsksFirstAndActsOnTheSelectedProfile) {
  Start();
  HWND manager = OpenManager();
  ASSERT_NE(manager, nullptr);
  HWND list = ::GetDlgItem(manager, kListBox);
  ASSERT_TRUE(WaitFor([&] { return Ask(list, LB_GETCOUNT) == 6; }));
  PostClick(list, ListEntry(list, 1));
  ASSERT_TRUE(WaitFor([&] { return Ask(list, LB_GETCURSEL) == 1; }));
  ChooseFromMenu(list, 4, 0);  // "Delete", with the pointer over another item
  HWND question = nullptr;
  ASSERT_TRUE(WaitFor([&] {
    return (question = FindMessageBox(demo_->process(), L"Delete the profile \"PROFILE_1\" and its settings?")) != nullptr;
  }));
  EXPECT_EQ(TextOf(question), L"Delete");
  EXPECT_EQ(Ask(list, LB_GETCOUNT), 6) << "nothing is deleted before the answer";
  ::PostMessageW(question, WM_COMMAND, IDYES, 0);
  ASSERT_TRUE(WaitFor([&] { return Ask(list, LB_GETCOUNT) == 5; }));
  const fs::path listFile = folder() / L"str.ini";
  EXPECT_EQ(ReadIni(listFile, L"Profile", L"ItemCount"), L"5");
  EXPECT_EQ(ReadIni(listFile, L"Profile", L"Item1"), L"PROFILE_2");
  PostClick(manager, kManagerClose);
  EXPECT_TRUE(WaitFor([&] { return !::IsWindow(manager); }));
}

TEST_F(ProfilesUiTest, AManagerThatCouldNotStartNeverWritesTheListItDidNotRead) {
  Start([](const fs::path& folder) { fs::remove(folder / L"Skins" / L"Default" / L"Config" / L"Config.png"); });
  const std::string list = FileBytes(folder() / L"str.ini");
  HWND manager = OpenManager();
  ASSERT_NE(manager, nullptr);
  HWND box = nullptr;
  ASSERT_TRUE(WaitFor([&] { return (box = FindMessageBox(demo_->process(), L"error")) != nullptr; }));
  ASSERT_TRUE(Dismiss(box));
  ::PostMessageW(manager, WM_CLOSE, 0, 0);
  ASSERT_TRUE(WaitFor([&] { return !::IsWindow(manager); }));
  EXPECT_EQ(FileBytes(folder() / L"str.ini"), list) << "the list and its names stay";
  EXPECT_EQ(ReadIni(folder() / L"str.ini", L"Profile", L"ItemCount"), L"6");
}

TEST_F(ProfilesUiTest, HelpPanelTogglesClosesOnAnotherClickAndStaysWhileSaving) {
  Start();
  demo_->ClickMain(kHelpButton.x, kHelpButton.y);
  HWND help = WaitForChildDialog(main(), L"Help");
  ASSERT_NE(help, nullptr);

  demo_->ClickMain(kHelpButton.x, kHelpButton.y);
  ASSERT_TRUE(WaitFor([&] { return !::IsWindow(help); }));
  demo_->ClickMain(kHelpButton.x, kHelpButton.y);
  help = WaitForChildDialog(main(), L"Help");
  ASSERT_NE(help, nullptr);

  demo_->ClickMain(kSaveButton.x, kSaveButton.y);
  ASSERT_TRUE(demo_->WaitForState(L"Last download: 31 exchanges"));
  EXPECT_TRUE(::IsWindow(help));
  demo_->ClickMain(kSideViewButton.x, kSideViewButton.y);
  ASSERT_TRUE(WaitFor([&] { return !::IsWindow(help); }));

  demo_->ClickMain(kHelpButton.x, kHelpButton.y);
  help = WaitForChildDialog(main(), L"Help");
  ASSERT_NE(help, nullptr);
  PostClick(help, kHelpOk);
  EXPECT_TRUE(WaitFor([&] { return !::IsWindow(help); }));
}

}  // namespace
}  // namespace quendar::test
