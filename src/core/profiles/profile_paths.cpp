#include "core/profiles/profile_paths.h"

namespace quendar::profiles {

std::filesystem::path ProgramFolder(const std::filesystem::path& modulePath) { return modulePath.parent_path(); }

std::filesystem::path ProgramFile(const std::filesystem::path& modulePath, std::wstring_view fileName) {
  return ProgramFolder(modulePath) / std::filesystem::path(std::wstring(fileName));
}

std::wstring DataFileName(int profileIndex) { return L"config" + std::to_wstring(profileIndex) + L".bin"; }

std::wstring TextFileName(int profileIndex) { return L"str" + std::to_wstring(profileIndex) + L".ini"; }

namespace {
bool IsOneFolderName(std::wstring_view name) {
  return !name.empty() && name != L"." && name != L".." && name.find_first_of(L"/\\:") == std::wstring_view::npos;
}
}  // namespace

std::filesystem::path SkinFolder(const std::filesystem::path& modulePath, std::wstring_view skinName) {
  const std::wstring_view name = IsOneFolderName(skinName) ? skinName : kBundledSkinName;
  return ProgramFolder(modulePath) / L"Skins" / std::filesystem::path(std::wstring(name));
}

}  // namespace quendar::profiles
