#include "core/profiles/profile_paths.h"

#include <algorithm>
#include <cstdint>
#include <type_traits>

#include "core/ini/text_encoding.h"
#include "core/profiles/profile_state.h"

namespace quendar::profiles {

std::filesystem::path ProgramFolder(const std::filesystem::path& modulePath) { return modulePath.parent_path(); }

std::filesystem::path ProgramFile(const std::filesystem::path& modulePath, std::wstring_view fileName) {
  return ProgramFolder(modulePath) / std::filesystem::path(std::wstring(fileName));
}

std::wstring DataFileName(int profileIndex) { return L"config" + std::to_wstring(profileIndex) + L".bin"; }

std::wstring TextFileName(int profileIndex) { return L"str" + std::to_wstring(profileIndex) + L".ini"; }

std::vector<std::filesystem::path> OwnFiles(const std::filesystem::path& modulePath) {
  std::vector<std::filesystem::path> own{ProgramFile(modulePath, kDefaultDataFileName),
                                         ProgramFile(modulePath, kListFileName),
                                         ProgramFile(modulePath, kMacroStoreFileName)};
  for (int i = 0; i < static_cast<int>(kMaxProfiles); ++i) {
    own.push_back(ProgramFile(modulePath, DataFileName(i)));
    own.push_back(ProgramFile(modulePath, TextFileName(i)));
  }
  return own;
}

namespace {
// A name read from a file as a path. Where wide text is not the platform's own path form it goes through
// UTF-8: the standard conversion would follow the locale, which in a C locale refuses every non-ASCII
// letter.
std::filesystem::path PathFromWide(std::wstring_view text) {
  // Decided by the path's own character type: where it is wide, the text is the path as it stands.
  if constexpr (std::is_same_v<std::filesystem::path::value_type, wchar_t>) {
    return std::filesystem::path(std::wstring(text));
  } else {
    const std::string utf8 = ini::ToUtf8(text);
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
  }
}

// Where wide text is not the platform's own path form, only Unicode scalar values convert.
bool ConvertsToPath(wchar_t c) {
  if constexpr (sizeof(wchar_t) == 4) {
    const auto value = static_cast<std::uint32_t>(c);
    return value <= 0x10FFFF && (value < 0xD800 || value > 0xDFFF);
  }
  return true;
}

bool IsOneFolderName(std::wstring_view name) {
  return !name.empty() && name != L"." && name != L".." && name.find_first_of(L"/\\:") == std::wstring_view::npos &&
         std::ranges::all_of(name, ConvertsToPath);
}
}  // namespace

std::filesystem::path SkinFolder(const std::filesystem::path& modulePath, std::wstring_view skinName) {
  const std::wstring_view name = IsOneFolderName(skinName) ? skinName : kBundledSkinName;
  return ProgramFolder(modulePath) / L"Skins" / PathFromWide(name);
}

}  // namespace quendar::profiles
