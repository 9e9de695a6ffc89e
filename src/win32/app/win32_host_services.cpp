#include "win32/app/win32_host_services.h"

#include <commdlg.h>

#include <algorithm>
#include <vector>

#include "win32/framework/common_dialogs.h"

namespace quendar::win32 {

namespace {
// Room for long paths; the dialog reports a longer choice as an error, which counts as a cancel.
constexpr std::size_t kPathBufferChars = 32768;
}  // namespace

std::wstring ToCommonDialogFilter(std::wstring_view filter) {
  std::wstring result(filter);
  std::replace(result.begin(), result.end(), L'|', L'\0');
  // The list ends with two NULs whatever the text ended with.
  while (result.size() >= 2 && result[result.size() - 1] == L'\0' && result[result.size() - 2] == L'\0') {
    result.pop_back();
  }
  if (result.empty() || result.back() != L'\0') result.push_back(L'\0');
  result.push_back(L'\0');
  return result;
}

void Win32HostServices::ShowMessage(std::wstring_view text, std::wstring_view caption) {
  const std::wstring textCopy(text);
  const std::wstring captionCopy(caption);
  ::MessageBoxW(owner_, textCopy.c_str(), captionCopy.c_str(), MB_OK);
}

bool Win32HostServices::Confirm(std::wstring_view text, std::wstring_view caption) {
  const std::wstring textCopy(text);
  const std::wstring captionCopy(caption);
  return ::MessageBoxW(owner_, textCopy.c_str(), captionCopy.c_str(), MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) == IDYES;
}

std::optional<std::filesystem::path> Win32HostServices::ChooseFileToOpen(const app::FileDialogOptions& options) {
  return RunFileDialog(options, false);
}

std::optional<std::filesystem::path> Win32HostServices::ChooseFileToSave(const app::FileDialogOptions& options) {
  return RunFileDialog(options, true);
}

std::optional<std::filesystem::path> Win32HostServices::RunFileDialog(const app::FileDialogOptions& options,
                                                                       bool save) {
  const std::wstring filter = ToCommonDialogFilter(options.filter);
  std::vector<wchar_t> fileName(kPathBufferChars, L'\0');
  const std::wstring initial = options.initialPath.wstring();
  std::copy_n(initial.begin(), std::min(initial.size(), fileName.size() - 1), fileName.begin());

  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner_;
  dialog.lpstrFilter = filter.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = fileName.data();
  dialog.nMaxFile = static_cast<DWORD>(fileName.size());
  // No default extension: the profile code decides about ".bin" itself. OFN_NOCHANGEDIR keeps the
  // working folder, which nothing in the program depends on but a dialog should not move.
  dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_NOCHANGEDIR |
                 (save ? 0 : OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST);
  DWORD error = 0;
  const BOOL chosen = save ? ShowSaveFileDialog(dialog, error) : ShowOpenFileDialog(dialog, error);
  if (!chosen) return std::nullopt;
  return std::filesystem::path(fileName.data());
}

}  // namespace quendar::win32
