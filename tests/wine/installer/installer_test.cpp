// The per-user installer as a user meets it, in a Wine prefix made new for the run: silent installs,
// upgrades over a used install, the interface language, the start-with-Windows entry, the uninstaller.
#include <gtest/gtest.h>

#include <algorithm>
#include <cwctype>
#include <string_view>

#include "core/app/app_messages.h"
#include "core/ini/ini_store.h"
#include "wine/installer/installed_product.h"
#include "wine/harness/program.h"
#include "platform/platform_file_system.h"

namespace quendar::test {
namespace {

namespace fs = std::filesystem;

const fs::path kRuntime = QUENDAR_RUNTIME_DIR;

bool IsProfileTextFile(const fs::path& relative) {
  std::wstring name = relative.filename().wstring();
  std::transform(name.begin(), name.end(), name.begin(), ::towlower);
  return relative.parent_path().empty() && name.starts_with(L"str") && name.ends_with(L".ini");
}

// The shipped text file as the installer should leave it: the same UTF-16LE bytes but "Lan".
std::string ShippedTextWithLanguage(const fs::path& shipped, std::wstring_view code) {
  std::string bytes = FileBytes(shipped);
  const std::wstring empty = L"\r\nLan=\r\n";
  const std::wstring filled = L"\r\nLan=" + std::wstring(code) + L"\r\n";
  auto raw = [](const std::wstring& text) {
    return std::string(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(wchar_t));
  };
  const std::size_t at = bytes.find(raw(empty));
  if (at == std::string::npos) return {};
  return bytes.replace(at, raw(empty).size(), raw(filled));
}

// Whole files compared without printing them: where they part is what a reader needs.
::testing::AssertionResult HoldsBytes(const fs::path& file, const std::string& expected) {
  const std::string actual = FileBytes(file);
  if (actual == expected) return ::testing::AssertionSuccess();
  const auto parted = std::mismatch(actual.begin(), actual.end(), expected.begin(), expected.end());
  return ::testing::AssertionFailure() << file << " (" << actual.size() << " bytes) differs from the expected "
                                       << expected.size() << " bytes at byte " << (parted.first - actual.begin());
}

class Installer : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(SetupExePath().empty()) << "QUENDAR_SETUP_EXE is not set";
    product_.Forget();
  }
  void TearDown() override { product_.Forget(); }

  platform::PlatformFileSystem disk;

  void ExpectLanguage(std::wstring_view code) {
    for (const auto& entry : fs::directory_iterator(kRuntime)) {
      const fs::path name = entry.path().filename();
      if (!IsProfileTextFile(name)) continue;
      const fs::path installed = product_.folder() / name;
      EXPECT_EQ(ini::ReadString(disk, installed, L"Skins", L"Lan"), code) << name;
      EXPECT_TRUE(HoldsBytes(installed, ShippedTextWithLanguage(entry.path(), code)))
          << name << ": only \"Lan\" may change, and the file stays UTF-16LE";
    }
  }

  InstalledProduct product_;
};

TEST_F(Installer, SilentInstallPutsEveryFileInTheUsersProgramsFolderWithoutElevation) {
  EXPECT_NE(EmbeddedManifest(SetupExePath()).find("level=\"asInvoker\""), std::string::npos)
      << "the installer must not ask for elevation";

  ASSERT_EQ(product_.Install(L"/S /LAN=EN"), 0u);

  EXPECT_TRUE(HoldsBytes(product_.exe(), FileBytes(AppExePath()))) << "the real-mouse program";
  EXPECT_TRUE(fs::exists(product_.uninstaller()));
  int files = 0;
  for (const auto& entry : fs::recursive_directory_iterator(kRuntime)) {
    if (!entry.is_regular_file()) continue;
    const fs::path relative = fs::relative(entry.path(), kRuntime);
    if (IsProfileTextFile(relative)) continue;  // "Lan" is filled in; checked by the language test
    EXPECT_TRUE(HoldsBytes(product_.folder() / relative, FileBytes(entry.path()))) << relative;
    ++files;
  }
  EXPECT_GT(files, 100) << "the skin and the default profiles";
  ExpectLanguage(L"EN");

  const std::wstring folder = product_.folder().wstring();
  EXPECT_EQ(UserString(kUninstallKey, L"DisplayName"), L"QUENDAR 2017");
  EXPECT_EQ(UserString(kUninstallKey, L"DisplayVersion"), QUENDAR_VERSION);
  EXPECT_EQ(UserString(kUninstallKey, L"Publisher"), L"VELMARK");
  EXPECT_EQ(UserString(kUninstallKey, L"DisplayIcon"), product_.exe().wstring() + L",0");
  EXPECT_EQ(UserString(kUninstallKey, L"InstallLocation"), folder);
  EXPECT_EQ(UserString(kUninstallKey, L"UninstallString"), L"\"" + product_.uninstaller().wstring() + L"\"");
  EXPECT_EQ(UserString(kUninstallKey, L"QuietUninstallString"), L"\"" + product_.uninstaller().wstring() + L"\" /S");
  const auto sizeKb = UserDword(kUninstallKey, L"EstimatedSize");
  ASSERT_TRUE(sizeKb.has_value());
  EXPECT_GE(*sizeKb * 1024, fs::file_size(product_.exe()));
  EXPECT_FALSE(MachineKeyExists(kUninstallKey)) << "nothing is registered for all users";
}

TEST_F(Installer, ProgramStartsFromTheShortcutTargetAndAnUpgradeEndsItThroughItsExitCommand) {
  ASSERT_EQ(product_.Install(L"/S"), 0u);
  const auto target = product_.ShortcutTarget();
  ASSERT_TRUE(target.has_value()) << "no Start-menu shortcut at " << product_.shortcut();
  EXPECT_TRUE(fs::equivalent(*target, product_.exe())) << *target;

  ProgramProcess program(target->wstring());
  ASSERT_TRUE(program.started());
  const HWND window = program.WaitForWindow(app::kWindowClassName);
  ASSERT_NE(window, nullptr) << "the installed program showed no window";
  EXPECT_TRUE(WaitFor([&] { return ::IsWindowVisible(window) != FALSE; }));

  // The installer asks the running copy to exit (exit code 0, not a forced end) and then replaces it.
  EXPECT_EQ(product_.Install(L"/S"), 0u);
  EXPECT_EQ(program.WaitForExit(1s), 0u);
  EXPECT_TRUE(HoldsBytes(product_.exe(), FileBytes(AppExePath())));
}

TEST_F(Installer, UpgradeKeepsTheUsersProfilesAndMacrosAndReplacesProgramAndSkin) {
  ASSERT_EQ(product_.Install(L"/S /LAN=CHS"), 0u);
  const fs::path config0 = product_.folder() / L"config0.bin";
  const fs::path list = product_.folder() / L"str.ini";
  const fs::path macros = product_.folder() / L"record.ini";
  const fs::path skinImage = product_.folder() / L"Skins" / L"Default" / L"main.png";
  std::string profile = FileBytes(config0);
  ASSERT_EQ(profile.size(), 1840u);
  profile[0x17] = '\x42';
  WriteFileBytes(config0, profile);
  ASSERT_FALSE(ini::WriteString(disk, list, L"Profile", L"CurProfileName", L"PROFILE_3").failed());
  ASSERT_FALSE(ini::WriteString(disk, macros, L"My macro", L"ItemCount", L"0").failed());
  const std::string changedList = FileBytes(list);
  const std::string changedMacros = FileBytes(macros);
  WriteFileBytes(skinImage, "not a picture");
  WriteFileBytes(product_.exe(), "an older program");

  ASSERT_EQ(product_.Install(L"/S"), 0u);
  EXPECT_TRUE(HoldsBytes(config0, profile));
  EXPECT_TRUE(HoldsBytes(list, changedList));
  EXPECT_TRUE(HoldsBytes(macros, changedMacros));
  EXPECT_TRUE(HoldsBytes(skinImage, FileBytes(kRuntime / L"Skins" / L"Default" / L"main.png")));
  EXPECT_TRUE(HoldsBytes(product_.exe(), FileBytes(AppExePath())));
}

// The chosen language lands in "Lan" of every profile text file; the start-with-Windows entry and the
// Start-menu shortcut follow their options; an upgrade without a choice keeps the earlier ones; the
// uninstall takes the entry away.
TEST_F(Installer, LanguageAutostartAndShortcutFollowTheOptionsAndUpgradesKeepThem) {
  EXPECT_EQ(product_.Install(L"/S /LAN=DE"), 2u) << "an unknown language is refused";
  EXPECT_FALSE(fs::exists(product_.folder()));
  const std::wstring command = L"\"" + product_.exe().wstring() + L"\"";
  const struct {
    const wchar_t* arguments;
    const wchar_t* lan;
    bool runEntry;
    bool shortcut;
  } steps[] = {
      {L"/S /LAN=CHT /AUTOSTART=0", L"CHT", false, true},
      {L"/S /AUTOSTART=1 /STARTMENU=0", L"CHT", true, false},
      {L"/S", L"CHT", true, false},
      {L"/S /LAN=chs /AUTOSTART=0", L"CHS", false, false},  // stored in the capitals the program compares with
      {L"/S /LAN=EN /AUTOSTART=1", L"EN", true, false},
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(testing::Message() << "setup " << step.arguments);
    ASSERT_EQ(product_.Install(step.arguments), 0u);
    ExpectLanguage(step.lan);
    EXPECT_EQ(UserString(kRunKey, kRunValue), step.runEntry ? std::optional(command) : std::nullopt);
    EXPECT_EQ(fs::exists(product_.shortcut()), step.shortcut);
  }
  ASSERT_TRUE(product_.Uninstall(L"/S"));
  EXPECT_EQ(UserString(kRunKey, kRunValue), std::nullopt);
}

TEST_F(Installer, SilentUninstallRemovesTheProgramAndKeepsProfilesUnlessAskedToRemoveThem) {
  const struct {
    const wchar_t* arguments;
    bool profilesKept;
  } cases[] = {{L"/S", true}, {L"/S /REMOVEPROFILES", false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "uninstall " << c.arguments);
    product_.Forget();
    ASSERT_EQ(product_.Install(L"/S"), 0u);
    ASSERT_TRUE(product_.Uninstall(c.arguments)) << "the uninstall entry stayed";

    EXPECT_FALSE(fs::exists(product_.exe()));
    EXPECT_FALSE(fs::exists(product_.uninstaller()));
    EXPECT_FALSE(fs::exists(product_.folder() / L"Skins"));
    EXPECT_FALSE(fs::exists(product_.shortcut()));
    EXPECT_EQ(UserString(kRunKey, kRunValue), std::nullopt);
    for (const wchar_t* profileFile : {L"config.bin", L"config0.bin", L"config5.bin", L"str.ini", L"str5.ini",
                                       L"record.ini"}) {
      EXPECT_EQ(fs::exists(product_.folder() / profileFile), c.profilesKept) << profileFile;
    }
    EXPECT_EQ(fs::exists(product_.folder()), c.profilesKept);
  }
}

// The folder chosen may already hold other programs' files, some with names like the program's own:
// install, upgrade and an uninstall that removes the profiles take exactly what the program put there.
TEST_F(Installer, AFolderHoldingOtherProgramsFilesKeepsThemThroughInstallUpgradeAndUninstall) {
  const fs::path folder = product_.folder();
  const std::pair<fs::path, std::string> foreign[] = {
      {L"settings.bin", std::string(1840, '\x07')},
      {L"notes.ini", "[Skins]\r\nLan=\r\n"},
      {L"str_old.ini", "[Skins]\r\nLan=\r\n"},
      {fs::path(L"Skins") / L"Other" / L"main.png", "another program's skin"},
      {fs::path(L"Skins") / L"Default" / L"mine.txt", "the user's own file in a shipped skin folder"},
      {L"config0.bin.tmp-notes", "not one of the program's temporary files"},
  };
  for (const auto& [name, bytes] : foreign) {
    fs::create_directories((folder / name).parent_path());
    WriteFileBytes(folder / name, bytes);
  }
  ASSERT_EQ(product_.Install(L"/S /LAN=EN"), 0u);
  ASSERT_EQ(product_.Install(L"/S /LAN=CHS"), 0u);
  ExpectLanguage(L"CHS");
  const fs::path halfSaved = folder / L"config0.bin.tmp-1234-5";
  WriteFileBytes(halfSaved, "left by a save that was ended");
  ASSERT_TRUE(product_.Uninstall(L"/S /REMOVEPROFILES"));

  for (const auto& [name, bytes] : foreign) EXPECT_TRUE(HoldsBytes(folder / name, bytes)) << name;
  EXPECT_FALSE(fs::exists(halfSaved));
  for (const auto& entry : fs::recursive_directory_iterator(kRuntime)) {
    if (entry.is_regular_file()) EXPECT_FALSE(fs::exists(folder / fs::relative(entry.path(), kRuntime))) << entry.path();
  }
  EXPECT_FALSE(fs::exists(product_.exe()));
}

}  // namespace
}  // namespace quendar::test
