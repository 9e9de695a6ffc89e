#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

#include "platform/platform_file_system.h"

namespace quendar::platform {

namespace {

using files::FileFailure;
using files::FileStep;

class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  ~Descriptor() { Close(); }
  int get() const { return fd_; }
  bool valid() const { return fd_ >= 0; }
  bool Close() {
    if (fd_ < 0) return true;
    const int fd = std::exchange(fd_, -1);
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

bool WriteAll(int fd, const unsigned char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t written = ::write(fd, data, size);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      if (written == 0) errno = ENOSPC;
      return false;
    }
    data += written;
    size -= static_cast<std::size_t>(written);
  }
  return true;
}

// The rename is durable only once the folder's entry is on the disk too.
void FlushFolder(const std::filesystem::path& folder) {
  Descriptor fd(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (fd.valid()) ::fsync(fd.get());
}

}  // namespace

std::filesystem::path PlatformFileSystem::NextTemporaryName(const std::filesystem::path& target) {
  return files::TemporaryNameFor(target, static_cast<unsigned long>(::getpid()), temporaryCounter_.fetch_add(1));
}

files::ReadResult PlatformFileSystem::Read(const std::filesystem::path& file) {
  files::ReadResult result;
  Descriptor fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC));
  if (!fd.valid()) {
    if (errno == ENOENT || errno == ENOTDIR) return result;  // Missing
    result.status = files::ReadResult::Status::Unreadable;
    result.failure = FileFailure{FileStep::Read, file, errno};
    return result;
  }
  struct stat info {};
  if (::fstat(fd.get(), &info) == 0 && !S_ISREG(info.st_mode)) {
    result.status = files::ReadResult::Status::Unreadable;
    result.failure = FileFailure{FileStep::Read, file, EISDIR};
    return result;
  }
  unsigned char buffer[65536];
  for (;;) {
    const ssize_t got = ::read(fd.get(), buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) {
      result.bytes.clear();
      result.status = files::ReadResult::Status::Unreadable;
      result.failure = FileFailure{FileStep::Read, file, errno};
      return result;
    }
    if (got == 0) break;
    result.bytes.insert(result.bytes.end(), buffer, buffer + got);
  }
  result.status = files::ReadResult::Status::Read;
  return result;
}

files::WriteResult PlatformFileSystem::Replace(const std::filesystem::path& file, std::span<const unsigned char> bytes) {
  std::filesystem::path temporary;
  int fd = -1;
  for (int attempt = 0; attempt < 16 && fd < 0; ++attempt) {
    temporary = NextTemporaryName(file);
    fd = ::open(temporary.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0644);
    if (fd < 0 && errno != EEXIST) break;
  }
  if (fd < 0) return FileFailure{FileStep::CreateTemporary, file, errno};

  Descriptor out(fd);
  if (!WriteAll(out.get(), bytes.data(), bytes.size()) || ::fsync(out.get()) != 0 || !out.Close()) {
    const int error = errno;
    out.Close();
    ::unlink(temporary.c_str());
    return FileFailure{FileStep::Write, file, error};
  }
  if (::rename(temporary.c_str(), file.c_str()) != 0) {
    const int error = errno;
    ::unlink(temporary.c_str());
    return FileFailure{FileStep::Replace, file, error};
  }
  FlushFolder(file.parent_path());
  return {};
}

files::WriteResult PlatformFileSystem::Rename(const std::filesystem::path& from, const std::filesystem::path& to) {
  // link + unlink refuses an existing target, which rename would replace.
  if (::link(from.c_str(), to.c_str()) != 0) return FileFailure{FileStep::Rename, from, errno};
  if (::unlink(from.c_str()) != 0) return FileFailure{FileStep::Rename, from, errno};
  FlushFolder(to.parent_path());
  return {};
}

files::WriteResult PlatformFileSystem::Remove(const std::filesystem::path& file) {
  if (::unlink(file.c_str()) != 0 && errno != ENOENT) return FileFailure{FileStep::Remove, file, errno};
  return {};
}

std::wstring PlatformFileSystem::DescribeError(int systemError) {
  const char* text = std::strerror(systemError);
  std::wstring wide;
  for (const char* c = text; *c != '\0'; ++c) wide.push_back(static_cast<wchar_t>(static_cast<unsigned char>(*c)));
  return wide;
}

}  // namespace quendar::platform
