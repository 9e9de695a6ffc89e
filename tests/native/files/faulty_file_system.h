#pragma once
// The machine's file system with faults switched on by the test: a refused read, a refused temporary
// file, a full disk part-way through the write, or a refused final replace, for every file or for
// files of one name. A fault that fires leaves the disk exactly as the platform would.
#include <cerrno>
#include <optional>
#include <string>

#include "core/files/file_system.h"
#include "platform/platform_file_system.h"

namespace quendar::testing {

enum class Fault { None, RefuseRead, RefuseCreate, DiskFull, RefuseReplace, RefuseRename };

class FaultyFileSystem final : public files::FileSystem {
 public:
  // Arms `fault` for files whose name is `fileName` (all files when empty).
  void Arm(Fault fault, std::wstring fileName = {}) {
    fault_ = fault;
    fileName_ = std::move(fileName);
    fired_ = 0;
    failingReplace_ = -1;
  }
  // Arms a full disk for the `n`th replacement from now (0 first) only.
  void ArmNthReplace(int n) {
    Arm(Fault::None);
    failingReplace_ = n;
  }
  int faultsFired() const { return fired_; }

  files::ReadResult Read(const std::filesystem::path& file) override {
    if (Fires(Fault::RefuseRead, file) && real_.Exists(file)) {
      return {files::ReadResult::Status::Unreadable, {}, files::FileFailure{files::FileStep::Read, file, EBUSY}};
    }
    return real_.Read(file);
  }
  files::WriteResult Replace(const std::filesystem::path& file, std::span<const unsigned char> bytes) override {
    if (failingReplace_ >= 0 && failingReplace_-- == 0) {
      ++fired_;
      return files::FileFailure{files::FileStep::Write, file, ENOSPC};
    }
    if (Fires(Fault::RefuseCreate, file)) return files::FileFailure{files::FileStep::CreateTemporary, file, EACCES};
    if (Fires(Fault::DiskFull, file)) return files::FileFailure{files::FileStep::Write, file, ENOSPC};
    if (Fires(Fault::RefuseReplace, file)) return files::FileFailure{files::FileStep::Replace, file, EBUSY};
    return real_.Replace(file, bytes);
  }
  files::WriteResult Rename(const std::filesystem::path& from, const std::filesystem::path& to) override {
    if (Fires(Fault::RefuseRename, from)) return files::FileFailure{files::FileStep::Rename, from, EBUSY};
    return real_.Rename(from, to);
  }
  files::WriteResult Remove(const std::filesystem::path& file) override { return real_.Remove(file); }
  bool Exists(const std::filesystem::path& file) override { return real_.Exists(file); }
  std::vector<std::filesystem::path> ListFiles(const std::filesystem::path& folder) override {
    return real_.ListFiles(folder);
  }
  std::wstring DescribeError(int systemError) override { return L"platform error " + std::to_wstring(systemError); }

 private:
  bool Fires(Fault fault, const std::filesystem::path& file) {
    if (fault_ != fault || (!fileName_.empty() && file.filename().wstring() != fileName_)) return false;
    ++fired_;
    return true;
  }

  platform::PlatformFileSystem real_;
  Fault fault_ = Fault::None;
  std::wstring fileName_;
  int fired_ = 0;
  int failingReplace_ = -1;
};

}  // namespace quendar::testing
