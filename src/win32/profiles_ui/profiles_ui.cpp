#include "win32/profiles_ui/profiles_ui.h"

#include "win32/profiles_ui/help_dialog.h"
#include "win32/profiles_ui/profile_manager_dialog.h"

namespace quendar::win32 {

ProfilesUi::ProfilesUi(HINSTANCE instance, HWND mainWindow, Skin& skin, files::FileSystem& files,
                       std::filesystem::path listFile,
                       std::uint8_t& currentProfileIndex, Callbacks callbacks)
    : instance_(instance),
      mainWindow_(mainWindow),
      skin_(skin),
      files_(files),
      listFile_(std::move(listFile)),
      currentProfileIndex_(currentProfileIndex),
      callbacks_(std::move(callbacks)) {}

ProfilesUi::~ProfilesUi() = default;

bool ProfilesUi::OpenProfileManager() {
  if (profileManagerOpen()) return true;
  manager_ = std::make_unique<ProfileManagerDialog>(
      skin_, ProfileManagerContext{mainWindow_, &files_, listFile_, &currentProfileIndex_, callbacks_.managerClosed});
  return manager_->Open(instance_);
}

bool ProfilesUi::profileManagerOpen() const { return manager_ && manager_->IsOpen(); }

bool ProfilesUi::OpenHelp() {
  if (helpOpen()) return true;
  help_ = std::make_unique<HelpDialog>(skin_, HelpDialogContext{mainWindow_, callbacks_.helpClosed,
                                                                callbacks_.openAddress});
  return help_->Open(instance_);
}

void ProfilesUi::CloseHelp() {
  if (help_) help_->Close(IDCANCEL);
}

bool ProfilesUi::helpOpen() const { return help_ && help_->IsOpen(); }

HWND ProfilesUi::profileManagerWindow() const { return manager_ ? manager_->hwnd() : nullptr; }
HWND ProfilesUi::helpWindow() const { return help_ ? help_->hwnd() : nullptr; }

}  // namespace quendar::win32
