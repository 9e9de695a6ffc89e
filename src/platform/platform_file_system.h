#pragma once
// The file system of the machine the program runs on: POSIX calls on Linux, the Win32 file API on
// Windows (the build picks the one source file that fits). One object serves a whole program; it holds
// only the counter that keeps its temporary file names apart.
#include <atomic>

#include "core/files/file_system.h"

namespace quendar::platform {

class PlatformFileSystem final : public files::FileSystem {
 public:
  files::ReadResult Read(const std::filesystem::path& file) override;
  files::WriteResult Replace(const std::filesystem::path& file, std::span<const unsigned char> bytes) override;
  files::WriteResult Rename(const std::filesystem::path& from, const std::filesystem::path& to) override;
  files::WriteResult Remove(const std::filesystem::path& file) override;
  bool Exists(const std::filesystem::path& file) override;
  std::vector<std::filesystem::path> ListFiles(const std::filesystem::path& folder) override;
  std::wstring DescribeError(int systemError) override;

 private:
  std::filesystem::path NextTemporaryName(const std::filesystem::path& target);
  std::atomic<unsigned> temporaryCounter_{0};
};

}  // namespace quendar::platform
