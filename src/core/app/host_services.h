#pragma once
// What the portable core asks of the desktop: message boxes and the common file dialogs. The Windows
// program implements it with the system's dialogs; tests implement it with scripted answers.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace quendar::app {

struct FileDialogOptions {
  // Filter in the "Description(*.ext)|*.ext||" form of the profile dialogs.
  std::wstring filter;
  // Initial file name (may be a full path).
  std::filesystem::path initialPath;
};

class HostServices {
 public:
  virtual ~HostServices() = default;

  virtual void ShowMessage(std::wstring_view text, std::wstring_view caption) = 0;

  // An open dialog (the chosen file must exist) or a save dialog (asks before overwriting); the read-only
  // box is hidden and no extension is added. Nothing when the user cancels.
  virtual std::optional<std::filesystem::path> ChooseFileToOpen(const FileDialogOptions& options) = 0;
  virtual std::optional<std::filesystem::path> ChooseFileToSave(const FileDialogOptions& options) = 0;

  // A yes/no question with a warning icon; true for yes.
  virtual bool Confirm(std::wstring_view text, std::wstring_view caption) = 0;
};

}  // namespace quendar::app
