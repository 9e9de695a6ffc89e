#pragma once
// Host services of the Windows program: the system's message box and common file dialogs.
#include <windows.h>

#include <string>
#include <string_view>

#include "core/app/host_services.h"

namespace quendar::win32 {

class Win32HostServices : public app::HostServices {
 public:
  explicit Win32HostServices(HWND owner = nullptr) : owner_(owner) {}
  // The window the message boxes and dialogs are modal to (the main dialog once it exists).
  void SetOwner(HWND owner) { owner_ = owner; }

  void ShowMessage(std::wstring_view text, std::wstring_view caption) override;
  std::optional<std::filesystem::path> ChooseFileToOpen(const app::FileDialogOptions& options) override;
  std::optional<std::filesystem::path> ChooseFileToSave(const app::FileDialogOptions& options) override;
  bool Confirm(std::wstring_view text, std::wstring_view caption) override;

 private:
  std::optional<std::filesystem::path> RunFileDialog(const app::FileDialogOptions& options, bool save);

  HWND owner_;
};

// "Text(*.bin)|*.bin||" (the filter form the program's texts use) as the double-NUL list the common
// dialogs take.
std::wstring ToCommonDialogFilter(std::wstring_view filter);

}  // namespace quendar::win32
