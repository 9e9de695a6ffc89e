// The profile manager and the help panel in the demo program, driven with the clicks and keys a user
// gives: a new profile named and chosen, the list written and the main window reloaded; a profile file
// loaded through the file dialog, once cancelled; the help panel opened, toggled and closed.
#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "wine/demo/demo_program.h"
#include "wine/profiles_ui/screen_capture.h"

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
constexpr int kItemHeight = 24;
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

void SetLanguage(const fs::path& folder, const wchar_t* code) {
  for (const wchar_t* file : {L"str.ini", L"str0.ini"}) {
    ::WritePrivateProfileStringW(L"Skins", L"Lan", code, (folder / file).c_str());
  }
}

void Post(HWND window, UINT down, UINT up, WPARAM buttons, POINT at) {
  ::PostMessageW(window, down, buttons, MAKELPARAM(at.x, at.y));
  ::PostMessageW(window, up, 0, MAKELPARAM(at.x, at.y));
}
void Click(HWND window, POINT at) { Post(window, WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON, at); }
void RightClick(HWND window, POINT at) { Post(window, WM_RBUTTONDOWN, WM_RBUTTONUP, MK_RBUTTON, at); }
POINT Item(int index) { return {60, index * kItemHeight + kItemHeight / 2}; }

void PressKey(HWND window, UINT key) {
  ::PostMessageW(window, WM_KEYDOWN, key, 1);
  ::PostMessageW(window, WM_KEYUP, key, 0xC0000001);
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

std::wstring TextOf(HWND window) {
  wchar_t text[512] = {};
  Ask(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text));
  return text;
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

  HWND OpenManager(const wchar_t* title = L"Configuration") {
    demo_->ClickMain(kConfigButton.x, kConfigButton.y);
    return WaitForChildDialog(main(), title);
  }

  // Right-clicks the list at `item` and picks the context menu's entry `position` (0 = "Delete").
  void ChooseFromMenu(HWND list, int item, int position) {
    RightClick(list, Item(item));
    HWND menu = demo_->process().WaitForWindow(L"#32768", std::chrono::seconds(10));
    ASSERT_NE(menu, nullptr);
    for (int i = 0; i <= position; ++i) PressKey(menu, VK_DOWN);
    PressKey(menu, VK_RETURN);
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
  RECT placed{};
  ::GetWindowRect(manager, &placed);
  ::MapWindowPoints(HWND_DESKTOP, main(), reinterpret_cast<POINT*>(&placed), 2);
  EXPECT_EQ(placed.left, 0);
  EXPECT_EQ(placed.top, 0);
  HWND list = ::GetDlgItem(manager, kListBox);
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(Ask(list, LB_GETCOUNT), 3);
  EXPECT_EQ(Ask(list, LB_GETCURSEL), 0);

  demo_->ClickMain(kConfigButton.x, kConfigButton.y);  // "Config" again opens no second manager
  Click(manager, kNewButton);
  ASSERT_TRUE(WaitFor([&] { return Ask(list, LB_GETCOUNT) == 4 && Ask(list, LB_GETCURSEL) == 3; }));
  EXPECT_EQ(ChildDialog(main(), L"Configuration"), manager);
  EXPECT_EQ(ChildDialog(main(), L"Configuration", manager), nullptr) << "one manager";
  SaveWindowScreenshot(main(), L"profile-manager-en");

  // The new item is selected but was never clicked: the first click picks it, the second renames.
  // Escape drops an edit; Tab keeps it.
  Click(list, Item(3));
  Click(list, Item(3));
  HWND editor = nullptr;
  ASSERT_TRUE(WaitFor([&] { return (editor = ::FindWindowExW(list, nullptr, L"Edit", nullptr)) != nullptr; }));
  Ask(editor, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"Dropped"));
  PressKey(editor, VK_ESCAPE);
  ASSERT_TRUE(WaitFor([&] { return !::IsWindow(editor); }));
  EXPECT_EQ(Ask(list, LB_GETTEXTLEN, 3), 9) << "still PROFILE_3";
  Click(list, Item(3));
  ASSERT_TRUE(WaitFor([&] { return (editor = ::FindWindowExW(list, nullptr, L"Edit", nullptr)) != nullptr; }));
  Ask(editor, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"Work"));
  PressKey(editor, VK_TAB);
  ASSERT_TRUE(WaitFor([&] { return !::IsWindow(editor); }));

  Click(manager, kManagerClose);
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
  Click(list, Item(2));
  ASSERT_TRUE(WaitFor([&] { return Ask(list, LB_GETCURSEL) == 2; }));

  // A right click elsewhere in the list leaves the selection on slot 2.
  ChooseFromMenu(list, 0, 3);  // "Load"
  HWND open = demo_->process().WaitForWindow(L"#32770", std::chrono::seconds(10));
  ASSERT_NE(open, nullptr);
  EXPECT_EQ(Ask(list, LB_GETCURSEL), 2);
  ::PostMessageW(open, WM_COMMAND, IDCANCEL, 0);
  ASSERT_TRUE(WaitFor([&] { return !::IsWindow(open); }));
  EXPECT_EQ(FileBytes(slot), before);

  ChooseFromMenu(list, 2, 3);
  open = demo_->process().WaitForWindow(L"#32770", std::chrono::seconds(10));
  ASSERT_NE(open, nullptr);
  ChooseInFileDialog(open, (folder() / L"IMPORTED.BIN").wstring());
  ASSERT_TRUE(WaitFor([&] { return !::IsWindow(open); }));
  ASSERT_TRUE(WaitFor([&] { return FileBytes(slot) != before; }));
  auto expected = FileBytes(folder() / L"IMPORTED.BIN");
  expected[0] = 1;
  expected[kProfileNumber] = 2;
  const auto imported = FileBytes(slot);
  ASSERT_EQ(imported.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(imported[i], expected[i]) << "byte " << i;
  Click(manager, kManagerClose);
  EXPECT_TRUE(WaitFor([&] { return !::IsWindow(manager); }));
}

// A profile's files as they are named by their slot: the record's profile number is the slot's own.
struct SlotFiles {
  std::string data, text;
  bool operator==(const SlotFiles&) const = default;
};
SlotFiles ReadSlot(const fs::path& folder, int slot) {
  SlotFiles files{FileBytes(folder / (L"config" + std::to_wstring(slot) + L".bin")),
                  FileBytes(folder / (L"str" + std::to_wstring(slot) + L".ini"))};
  if (files.data.size() > kProfileNumber) files.data[kProfileNumber] = 0;
  return files;
}

TEST_F(ProfilesUiTest, DeletingTheSecondOfSixAfterConfirmingLeavesEveryNameOnItsOwnSettingsAndCopyCopiesThem) {
  const std::vector<std::wstring> six{L"PROFILE_0", L"PROFILE_1", L"PROFILE_2", L"PROFILE_3", L"PROFILE_4", L"PROFILE_5"};
  Start([&](const fs::path& folder) {
    SetProfileList(folder, six, L"PROFILE_0");
    for (int slot = 0; slot < 6; ++slot) {
      const fs::path data = folder / (L"config" + std::to_wstring(slot) + L".bin");
      auto bytes = FileBytes(data);
      bytes[kSensitivityX] = static_cast<char>(slot + 1);
      WriteFileBytes(data, bytes);
      ::WritePrivateProfileStringW(L"Setting-EN", L"Item8", six[slot].c_str(),
                                   (folder / (L"str" + std::to_wstring(slot) + L".ini")).c_str());
    }
  });
  std::map<std::wstring, SlotFiles> before;
  for (int slot = 0; slot < 6; ++slot) before[six[slot]] = ReadSlot(folder(), slot);

  HWND manager = OpenManager();
  ASSERT_NE(manager, nullptr);
  HWND list = ::GetDlgItem(manager, kListBox);
  Click(list, Item(1));
  ASSERT_TRUE(WaitFor([&] { return Ask(list, LB_GETCURSEL) == 1; }));
  ChooseFromMenu(list, 4, 0);  // "Delete", with the pointer over another item: it acts on the selection
  HWND question = nullptr;
  ASSERT_TRUE(WaitFor([&] {
    return (question = FindMessageBox(demo_->process(), L"Delete the profile \"PROFILE_1\" and its settings?")) != nullptr;
  }));
  EXPECT_EQ(TextOf(question), L"Delete");
  EXPECT_EQ(Ask(list, LB_GETCOUNT), 6) << "nothing is deleted before the answer";
  ::PostMessageW(question, WM_COMMAND, IDYES, 0);
  ASSERT_TRUE(WaitFor([&] { return Ask(list, LB_GETCOUNT) == 5; }));

  const std::vector<std::wstring> five{L"PROFILE_0", L"PROFILE_2", L"PROFILE_3", L"PROFILE_4", L"PROFILE_5"};
  const fs::path listFile = folder() / L"str.ini";
  EXPECT_EQ(ReadIni(listFile, L"Profile", L"ItemCount"), L"5");
  for (int slot = 0; slot < 5; ++slot) {
    EXPECT_EQ(ReadIni(listFile, L"Profile", (L"Item" + std::to_wstring(slot)).c_str()), five[slot]);
    EXPECT_TRUE(ReadSlot(folder(), slot) == before[five[slot]]) << "slot " << slot;
    EXPECT_EQ(FileBytes(folder() / (L"config" + std::to_wstring(slot) + L".bin"))[kProfileNumber], slot);
  }
  EXPECT_EQ(ReadIni(folder() / L"str5.ini", L"Setting-EN", L"Item8"), L"Button Off") << "the freed slot";

  Click(list, Item(2));  // PROFILE_3
  ASSERT_TRUE(WaitFor([&] { return Ask(list, LB_GETCURSEL) == 2; }));
  ChooseFromMenu(list, 2, 2);  // "Copy"
  ASSERT_TRUE(WaitFor([&] { return Ask(list, LB_GETCOUNT) == 6; }));
  EXPECT_EQ(ReadIni(listFile, L"Profile", L"Item5"), L"Copy PROFILE_3");
  EXPECT_TRUE(ReadSlot(folder(), 5) == before[L"PROFILE_3"]);
  Click(manager, kManagerClose);
  EXPECT_TRUE(WaitFor([&] { return !::IsWindow(manager); }));
}

TEST_F(ProfilesUiTest, AManagerThatCouldNotStartNeverWritesTheListItDidNotRead) {
  Start([](const fs::path& folder) { fs::remove(folder / L"Skins" / L"Default" / L"Config" / L"Config.png"); });
  const std::string list = FileBytes(folder() / L"str.ini");
  HWND manager = OpenManager();
  ASSERT_NE(manager, nullptr);
  HWND box = nullptr;
  ASSERT_TRUE(WaitFor([&] { return (box = FindMessageBox(demo_->process(), L"error")) != nullptr; }));
  ::PostMessageW(box, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(WaitFor([&] { return !::IsWindow(box); }));
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
  RECT placed{};
  ::GetWindowRect(help, &placed);
  ::MapWindowPoints(HWND_DESKTOP, main(), reinterpret_cast<POINT*>(&placed), 2);
  RECT mainClient{};
  ::GetClientRect(main(), &mainClient);
  EXPECT_EQ(placed.top, 25);
  EXPECT_EQ(placed.left, mainClient.right - (placed.right - placed.left) - 8);
  SaveWindowScreenshot(main(), L"help-en");

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
  Click(help, kHelpOk);
  EXPECT_TRUE(WaitFor([&] { return !::IsWindow(help); }));
}

TEST_F(ProfilesUiTest, BothWindowsSpeakSimplifiedChinese) {
  Start([](const fs::path& folder) { SetLanguage(folder, L"CHS"); });
  HWND manager = OpenManager(L"配置");
  ASSERT_NE(manager, nullptr);
  HWND list = ::GetDlgItem(manager, kListBox);
  ASSERT_TRUE(WaitFor([&] { return Ask(list, LB_GETCOUNT) == 6; }));
  SaveWindowScreenshot(main(), L"profile-manager-chs");
  Click(manager, kNewButton);  // six names: the limit message in Chinese
  HWND warning = demo_->process().WaitForWindow(L"#32770", std::chrono::seconds(10));
  ASSERT_NE(warning, nullptr);
  EXPECT_EQ(TextOf(warning), L"警告");
  ::PostMessageW(warning, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(WaitFor([&] { return !::IsWindow(warning); }));
  Click(manager, kManagerClose);
  ASSERT_TRUE(WaitFor([&] { return !::IsWindow(manager); }));

  demo_->ClickMain(kHelpButton.x, kHelpButton.y);
  ASSERT_NE(WaitForChildDialog(main(), L"Help"), nullptr);
  SaveWindowScreenshot(main(), L"help-chs");
}

}  // namespace
}  // namespace quendar::test
