// The parts of the machine's file system that the standard library already gives alike everywhere.
#include <system_error>

#include "platform/platform_file_system.h"

namespace quendar::platform {

bool PlatformFileSystem::Exists(const std::filesystem::path& file) {
  std::error_code ec;
  return std::filesystem::exists(file, ec);
}

std::vector<std::filesystem::path> PlatformFileSystem::ListFiles(const std::filesystem::path& folder) {
  std::vector<std::filesystem::path> names;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(folder.empty() ? "." : folder, ec), end; !ec && it != end;
       it.increment(ec)) {
    std::error_code kind;
    if (it->is_regular_file(kind)) names.push_back(it->path().filename());
  }
  return names;
}

}  // namespace quendar::platform
