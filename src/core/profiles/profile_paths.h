#pragma once
// Where the profile files live: beside the executable.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace quendar::profiles {

inline constexpr std::wstring_view kDefaultDataFileName = L"config.bin";
inline constexpr std::wstring_view kListFileName = L"str.ini";
inline constexpr std::wstring_view kMacroStoreFileName = L"record.ini";

// The folder of the running executable. Files are formed in that folder whatever the executable is
// called, so a renamed program never takes its own path for a data file.
std::filesystem::path ProgramFolder(const std::filesystem::path& modulePath);

// A file beside the executable.
std::filesystem::path ProgramFile(const std::filesystem::path& modulePath, std::wstring_view fileName);

std::wstring DataFileName(int profileIndex);  // "config3.bin"
std::wstring TextFileName(int profileIndex);  // "str3.ini"

// Every file the program writes beside the executable: config.bin, config0..5.bin, str.ini,
// str0..5.ini, record.ini.
std::vector<std::filesystem::path> OwnFiles(const std::filesystem::path& modulePath);

// The skin every installation carries.
inline constexpr std::wstring_view kBundledSkinName = L"Default";

// Folder of the skin named by the "Path" key: <program folder>/Skins/<name>. The name is one folder
// name inside "Skins": an empty one, or one that would lead elsewhere (a separator, a drive, "." or
// ".."), gives the bundled skin instead, so a profile file never points the program outside its folder.
std::filesystem::path SkinFolder(const std::filesystem::path& modulePath, std::wstring_view skinName);

// The run-time paths of the current profile, rebuilt by every load, save, import and export.
struct ProfilePaths {
  std::filesystem::path modulePath;
  std::filesystem::path dataPath;   // configN.bin, config.bin while loading defaults, or an exported copy
  std::filesystem::path textPath;   // strN.ini, str.ini while loading defaults, or an import's companion
  std::filesystem::path listPath;   // str.ini
  std::filesystem::path macroStorePath;  // record.ini
};

}  // namespace quendar::profiles
