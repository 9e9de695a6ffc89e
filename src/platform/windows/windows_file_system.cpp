#include <windows.h>

#include <chrono>
#include <thread>
#include <utility>

#include "platform/platform_file_system.h"

namespace quendar::platform {

namespace {

using files::FileFailure;
using files::FileStep;

// A scanner, a backup or a sync client holds a file for a moment; wait that long before a read or the
// final replace counts as failed. Bounded: the window's thread waits here.
constexpr int kBusyAttempts = 20;
constexpr std::chrono::milliseconds kBusyPause{25};

bool IsBusy(DWORD error) {
  return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION || error == ERROR_ACCESS_DENIED;
}

class Handle {
 public:
  explicit Handle(HANDLE handle) : handle_(handle) {}
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  ~Handle() { Close(); }
  HANDLE get() const { return handle_; }
  bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
  bool Close() {
    if (handle_ == INVALID_HANDLE_VALUE) return true;
    return CloseHandle(std::exchange(handle_, INVALID_HANDLE_VALUE)) != FALSE;
  }

 private:
  HANDLE handle_;
};

template <typename Attempt>
DWORD RetryWhileBusy(Attempt attempt) {
  DWORD error = ERROR_SUCCESS;
  for (int round = 0; round < kBusyAttempts; ++round) {
    if (round > 0) std::this_thread::sleep_for(kBusyPause);
    error = attempt();
    if (error == ERROR_SUCCESS || !IsBusy(error)) break;
  }
  return error;
}

files::ReadResult Unreadable(const std::filesystem::path& file, DWORD error) {
  files::ReadResult result;
  result.status = files::ReadResult::Status::Unreadable;
  result.failure = FileFailure{FileStep::Read, file, static_cast<int>(error)};
  return result;
}

}  // namespace

std::filesystem::path PlatformFileSystem::NextTemporaryName(const std::filesystem::path& target) {
  return files::TemporaryNameFor(target, GetCurrentProcessId(), temporaryCounter_.fetch_add(1));
}

files::ReadResult PlatformFileSystem::Read(const std::filesystem::path& file) {
  HANDLE opened = INVALID_HANDLE_VALUE;
  const DWORD openError = RetryWhileBusy([&] {
    opened = CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    return opened == INVALID_HANDLE_VALUE ? GetLastError() : ERROR_SUCCESS;
  });
  files::ReadResult result;
  if (openError == ERROR_FILE_NOT_FOUND || openError == ERROR_PATH_NOT_FOUND) return result;  // Missing
  // Access denied on a folder's name is how a folder answers a file open.
  if (openError != ERROR_SUCCESS) return Unreadable(file, openError);
  Handle handle(opened);
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(handle.get(), &size)) return Unreadable(file, GetLastError());
  result.bytes.resize(static_cast<std::size_t>(size.QuadPart));
  std::size_t done = 0;
  while (done < result.bytes.size()) {
    const DWORD want = static_cast<DWORD>(std::min<std::size_t>(result.bytes.size() - done, 1u << 30));
    DWORD got = 0;
    if (!ReadFile(handle.get(), result.bytes.data() + done, want, &got, nullptr)) return Unreadable(file, GetLastError());
    if (got == 0) break;  // the file shrank while it was read
    done += got;
  }
  result.bytes.resize(done);
  result.status = files::ReadResult::Status::Read;
  return result;
}

files::WriteResult PlatformFileSystem::Replace(const std::filesystem::path& file, std::span<const unsigned char> bytes) {
  std::filesystem::path temporary;
  HANDLE created = INVALID_HANDLE_VALUE;
  DWORD createError = ERROR_SUCCESS;
  for (int attempt = 0; attempt < 16 && created == INVALID_HANDLE_VALUE; ++attempt) {
    temporary = NextTemporaryName(file);
    created = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    createError = created == INVALID_HANDLE_VALUE ? GetLastError() : ERROR_SUCCESS;
    if (createError != ERROR_FILE_EXISTS && createError != ERROR_ALREADY_EXISTS) break;
  }
  if (created == INVALID_HANDLE_VALUE) return FileFailure{FileStep::CreateTemporary, file, static_cast<int>(createError)};

  Handle out(created);
  std::size_t done = 0;
  DWORD writeError = ERROR_SUCCESS;
  while (done < bytes.size() && writeError == ERROR_SUCCESS) {
    const DWORD want = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 30));
    DWORD wrote = 0;
    if (!WriteFile(out.get(), bytes.data() + done, want, &wrote, nullptr)) {
      writeError = GetLastError();
    } else if (wrote == 0) {
      writeError = ERROR_DISK_FULL;
    }
    done += wrote;
  }
  if (writeError == ERROR_SUCCESS && !FlushFileBuffers(out.get())) writeError = GetLastError();
  if (!out.Close() && writeError == ERROR_SUCCESS) writeError = GetLastError();
  if (writeError != ERROR_SUCCESS) {
    DeleteFileW(temporary.c_str());
    return FileFailure{FileStep::Write, file, static_cast<int>(writeError)};
  }
  // Write-through makes the rename itself durable.
  const DWORD replaceError = RetryWhileBusy([&] {
    return MoveFileExW(temporary.c_str(), file.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)
               ? ERROR_SUCCESS
               : GetLastError();
  });
  if (replaceError != ERROR_SUCCESS) {
    DeleteFileW(temporary.c_str());
    return FileFailure{FileStep::Replace, file, static_cast<int>(replaceError)};
  }
  return {};
}

files::WriteResult PlatformFileSystem::Rename(const std::filesystem::path& from, const std::filesystem::path& to) {
  const DWORD error = RetryWhileBusy(
      [&] { return MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_WRITE_THROUGH) ? ERROR_SUCCESS : GetLastError(); });
  if (error != ERROR_SUCCESS) return FileFailure{FileStep::Rename, from, static_cast<int>(error)};
  return {};
}

files::WriteResult PlatformFileSystem::Remove(const std::filesystem::path& file) {
  const DWORD error = RetryWhileBusy([&] { return DeleteFileW(file.c_str()) ? ERROR_SUCCESS : GetLastError(); });
  if (error == ERROR_SUCCESS || error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return {};
  return FileFailure{FileStep::Remove, file, static_cast<int>(error)};
}

std::wstring PlatformFileSystem::DescribeError(int systemError) {
  wchar_t buffer[512] = {};
  const DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                      static_cast<DWORD>(systemError), 0, buffer, 512, nullptr);
  std::wstring text(buffer, length);
  while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' ')) text.pop_back();
  return text;
}

}  // namespace quendar::platform
