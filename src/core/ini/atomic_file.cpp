#include "core/ini/atomic_file.h"

#include <fcntl.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <string>
#include <system_error>
#include <thread>

#include "core/ini/kernel32_imports.h"

#ifdef _WIN32
#include <io.h>
#include <process.h>
#include <share.h>
#include <stdlib.h>
#include <sys/stat.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace quendar::ini {

namespace {

std::atomic<unsigned> temporaryCounter{0};

constexpr int kRenameAttempts = 5;
constexpr std::chrono::milliseconds kRenameRetryPause{20};

#ifdef _WIN32
// MoveFileExW directly: write-through makes the rename itself durable, and the error is the system's.
int ReplaceWith(const std::filesystem::path& temporary, const std::filesystem::path& target) {
  if (MoveFileExW(temporary.c_str(), target.c_str(), kernel32::kMoveReplaceExisting | kernel32::kMoveWriteThrough)) {
    return 0;
  }
  return static_cast<int>(GetLastError());
}
bool IsTransientReplaceError(int error) {
  return error == static_cast<int>(kernel32::kAccessDenied) || error == static_cast<int>(kernel32::kSharingViolation) ||
         error == static_cast<int>(kernel32::kLockViolation);
}
#else
int ReplaceWith(const std::filesystem::path& temporary, const std::filesystem::path& target) {
  return ::rename(temporary.c_str(), target.c_str()) == 0 ? 0 : errno;
}
bool IsTransientReplaceError(int error) { return error == EBUSY; }
#endif

#ifdef _WIN32
// _doserrno carries the system error code of the failed call, which is what the user is shown.
int LastSystemError() { return _doserrno != 0 ? static_cast<int>(_doserrno) : errno; }

int CreateExclusive(const std::filesystem::path& path) {
  _doserrno = 0;
  int fd = -1;
  _wsopen_s(&fd, path.c_str(), _O_CREAT | _O_EXCL | _O_WRONLY | _O_BINARY, _SH_DENYRW, _S_IREAD | _S_IWRITE);
  return fd;
}
bool WriteAll(int fd, const unsigned char* data, std::size_t size) {
  while (size > 0) {
    const unsigned chunk = size > (1u << 30) ? (1u << 30) : static_cast<unsigned>(size);
    const int written = _write(fd, data, chunk);
    if (written <= 0) return false;
    data += written;
    size -= static_cast<std::size_t>(written);
  }
  return true;
}
bool Flush(int fd) { return _commit(fd) == 0; }
int Close(int fd) { return _close(fd); }
int ProcessId() { return _getpid(); }
void FlushFolder(const std::filesystem::path&) {}  // NTFS journals the rename itself
#else
int LastSystemError() { return errno; }

int CreateExclusive(const std::filesystem::path& path) {
  return ::open(path.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0644);
}
bool WriteAll(int fd, const unsigned char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t written = ::write(fd, data, size);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    data += written;
    size -= static_cast<std::size_t>(written);
  }
  return true;
}
bool Flush(int fd) { return ::fsync(fd) == 0; }
int Close(int fd) { return ::close(fd); }
int ProcessId() { return static_cast<int>(::getpid()); }
// The rename is durable only once the folder's entry is on the disk too.
void FlushFolder(const std::filesystem::path& folder) {
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}
#endif

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  ~FileDescriptor() { Close(); }
  int get() const { return fd_; }
  bool valid() const { return fd_ >= 0; }
  bool Close() {
    if (fd_ < 0) return true;
    const int fd = fd_;
    fd_ = -1;
    return quendar::ini::Close(fd) == 0;
  }

 private:
  int fd_;
};

std::filesystem::path TemporaryNameFor(const std::filesystem::path& target) {
  std::filesystem::path name = target;
  name += L".tmp-" + std::to_wstring(ProcessId()) + L"-" + std::to_wstring(temporaryCounter.fetch_add(1));
  return name;
}

}  // namespace

WriteResult ReplaceFileContents(const std::filesystem::path& target, std::span<const unsigned char> bytes) {
  std::filesystem::path temporary;
  int fd = -1;
  for (int attempt = 0; attempt < 16 && fd < 0; ++attempt) {
    temporary = TemporaryNameFor(target);
    errno = 0;
    fd = CreateExclusive(temporary);
    if (fd < 0 && errno != EEXIST) break;
  }
  if (fd < 0) return {false, LastSystemError()};

  FileDescriptor file(fd);
  std::error_code ignored;
  if (!WriteAll(file.get(), bytes.data(), bytes.size()) || !Flush(file.get())) {
    const int error = LastSystemError();
    file.Close();
    std::filesystem::remove(temporary, ignored);
    return {false, error};
  }
  if (!file.Close()) {
    const int error = LastSystemError();
    std::filesystem::remove(temporary, ignored);
    return {false, error};
  }
  // A reader that holds the target open without delete sharing (a scanner, another program reading
  // the INI file) blocks the replacement for a moment; try again briefly before giving up.
  int replaceError = 0;
  for (int attempt = 0; attempt < kRenameAttempts; ++attempt) {
    if (attempt > 0) std::this_thread::sleep_for(kRenameRetryPause);
    replaceError = ReplaceWith(temporary, target);
    if (replaceError == 0 || !IsTransientReplaceError(replaceError)) break;
  }
  if (replaceError != 0) {
    std::filesystem::remove(temporary, ignored);
    return {false, replaceError};
  }
  FlushFolder(target.parent_path());
  return {true, 0};
}

}  // namespace quendar::ini
