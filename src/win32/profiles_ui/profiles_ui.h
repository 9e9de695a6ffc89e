#pragma once
// The main window's entry points to the profile manager and the help panel: one call each, and the
// flags the main window's click rules read (a second "Config" opens nothing; the help button toggles).
#include <windows.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string_view>

#include "core/files/file_system.h"

namespace quendar::win32 {

class Skin;
class ProfileManagerDialog;
class HelpDialog;

class ProfilesUi {
 public:
  struct Callbacks {
    std::function<void()> managerClosed;
    std::function<void()> helpClosed;
    std::function<void(std::wstring_view)> openAddress;  // empty: the platform's "open" verb
  };

  ProfilesUi(HINSTANCE instance, HWND mainWindow, Skin& skin, files::FileSystem& files, std::filesystem::path listFile,
             std::uint8_t& currentProfileIndex, Callbacks callbacks = {});
  ~ProfilesUi();
  ProfilesUi(const ProfilesUi&) = delete;
  ProfilesUi& operator=(const ProfilesUi&) = delete;

  // Opens the profile manager unless it is open already. True when it is open afterwards.
  bool OpenProfileManager();
  bool profileManagerOpen() const;

  bool OpenHelp();
  void CloseHelp();
  bool helpOpen() const;

  // The open windows, for tests and the main window's message routing.
  HWND profileManagerWindow() const;
  HWND helpWindow() const;

 private:
  HINSTANCE instance_;
  HWND mainWindow_;
  Skin& skin_;
  files::FileSystem& files_;
  std::filesystem::path listFile_;
  std::uint8_t& currentProfileIndex_;
  Callbacks callbacks_;
  // A closed dialog's object stays until the next opening: it may be closing from its own handler.
  std::unique_ptr<ProfileManagerDialog> manager_;
  std::unique_ptr<HelpDialog> help_;
};

}  // namespace quendar::win32
