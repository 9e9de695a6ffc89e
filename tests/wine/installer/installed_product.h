#pragma once
// What the installer leaves on a user's machine, read the way Windows and the user see it: the install
// folder, the Start-menu shortcut, the per-user registry entries. Also runs the installer and the
// uninstaller silently and waits for them.
#include <windows.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>

#include "wine/harness/program.h"

namespace quendar::test {

using namespace std::chrono_literals;

inline constexpr const wchar_t* kUninstallKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\QUENDAR 2017";
inline constexpr const wchar_t* kRunKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr const wchar_t* kRunValue = L"QUENDAR 2017";

class InstalledProduct {
 public:
  InstalledProduct();

  // %LOCALAPPDATA%\Programs\QUENDAR 2017, the default folder.
  const std::filesystem::path& folder() const { return folder_; }
  std::filesystem::path exe() const { return folder_ / L"QUENDAR 2017.exe"; }
  std::filesystem::path uninstaller() const { return folder_ / L"uninstall.exe"; }
  const std::filesystem::path& shortcut() const { return shortcut_; }

  // Removes whatever an earlier install left, without the uninstaller.
  void Forget() const;

  // Runs the installer from QUENDAR_SETUP_EXE with `arguments` and returns its exit code.
  DWORD Install(const std::wstring& arguments) const;
  // Runs the installed uninstaller with `arguments`; it hands over to a copy of itself and returns at
  // once, so this waits until the copy has taken the uninstall entry away. Returns whether it did.
  bool Uninstall(const std::wstring& arguments) const;

  // The shortcut's target, as the shell resolves it.
  std::optional<std::filesystem::path> ShortcutTarget() const;

 private:
  std::filesystem::path folder_;
  std::filesystem::path shortcut_;
};

// A per-user registry string or DWORD; nullopt when the value (or its key) is missing.
std::optional<std::wstring> UserString(const wchar_t* key, const wchar_t* value);
std::optional<DWORD> UserDword(const wchar_t* key, const wchar_t* value);
bool MachineKeyExists(const wchar_t* key);

// The application manifest embedded in an executable (resource 1 of type RT_MANIFEST).
std::string EmbeddedManifest(const std::filesystem::path& exe);

}  // namespace quendar::test
