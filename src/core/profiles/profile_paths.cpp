#include "core/profiles/profile_paths.h"

namespace quendar::profiles {

std::filesystem::path ProgramFolder(const std::filesystem::path& modulePath) { return modulePath.parent_path(); }

std::filesystem::path ProgramFile(const std::filesystem::path& modulePath, std::wstring_view fileName) {
  return ProgramFolder(modulePath) / std::filesystem::path(std::wstring(fileName));
}

std::wstring DataFileName(int profileIndex) { return L"config" + std::to_wstring(profileIndex) + L".bin"; }

std::wstring TextFileName(int profileIndex) { return L"str" + std::to_wstring(profileIndex) + L".ini"; }

std::filesystem::path SkinFolder(const std::filesystem::path& modulePath, std::wstring_view skinName) {
  return ProgramFolder(modulePath) / L"Skins" / std::filesystem::path(std::wstring(skinName));
}

}  // namespace quendar::profiles
