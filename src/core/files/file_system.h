#pragma once
// The file system as the program's own files see it. Every file the program keeps (profile data, profile
// texts, the profile list, the macro store) is read whole and replaced whole through this seam, so a read
// that could not finish is told apart from a file that is not there, a write that failed names its step,
// file and platform error, and tests can refuse any step.
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace quendar::files {

// The step of a file operation that failed.
enum class FileStep {
  Read,             // an existing file could not be read whole
  CreateTemporary,  // the new content's temporary file could not be made beside the target
  Write,            // writing or flushing the new content failed (a full disk, an I/O error)
  Replace,          // the finished temporary file could not take the target's place
  Remove,
  Rename,
  Refused,  // the program refused the write itself (text that would not read back, an unread file)
};

struct FileFailure {
  FileStep step = FileStep::Write;
  std::filesystem::path file;
  int systemError = 0;  // the platform's error code (GetLastError, errno); 0 when the program refused
  friend bool operator==(const FileFailure&, const FileFailure&) = default;
};

// The outcome of a write: done, or the failure that stopped it.
class [[nodiscard]] WriteResult {
 public:
  WriteResult() = default;
  WriteResult(FileFailure failure) : failure_(std::move(failure)) {}  // NOLINT: a failure is a result
  bool failed() const { return failure_.has_value(); }
  const FileFailure& failure() const { return *failure_; }
  friend bool operator==(const WriteResult&, const WriteResult&) = default;

 private:
  std::optional<FileFailure> failure_;
};

// A whole file's bytes, or why there are none.
struct ReadResult {
  enum class Status { Read, Missing, Unreadable };
  Status status = Status::Missing;
  std::vector<unsigned char> bytes;     // Read only
  std::optional<FileFailure> failure;   // Unreadable only
  bool read() const { return status == Status::Read; }
  bool missing() const { return status == Status::Missing; }
  bool unreadable() const { return status == Status::Unreadable; }
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // Missing only when no file of that name exists. A file held open by another program without read
  // sharing is retried for a short, bounded time before it counts as unreadable.
  virtual ReadResult Read(const std::filesystem::path& file) = 0;

  // Replaces the file as a whole, creating it when missing: the bytes go to a temporary file in the same
  // folder, are flushed to the disk, and only then take the target's name, so a process killed at any
  // point leaves the complete old file or the complete new one. Temporary files are named
  // "<target>.tmp-<process>-<counter>" (see IsTemporaryNameOf).
  virtual WriteResult Replace(const std::filesystem::path& file, std::span<const unsigned char> bytes) = 0;

  // Gives a file a new name in the same folder; never replaces an existing file of the new name.
  virtual WriteResult Rename(const std::filesystem::path& from, const std::filesystem::path& to) = 0;

  // Removing a missing file succeeds.
  virtual WriteResult Remove(const std::filesystem::path& file) = 0;

  virtual bool Exists(const std::filesystem::path& file) = 0;

  // The names of the regular files directly in a folder; empty when it cannot be listed.
  virtual std::vector<std::filesystem::path> ListFiles(const std::filesystem::path& folder) = 0;

  // The platform's own sentence for an error code, for messages to the user.
  virtual std::wstring DescribeError(int systemError) = 0;
};

// The temporary file name of one replacement of `target`.
std::filesystem::path TemporaryNameFor(const std::filesystem::path& target, unsigned long processId,
                                       unsigned counter);

// True when `candidate` (a file name) is a temporary file that a replacement of a file named `target`
// (a file name) left behind.
bool IsTemporaryNameOf(std::wstring_view candidate, std::wstring_view target);

// Removes what killed replacements of the given files left in their folders; only temporary files of
// exactly those names are touched. Returns the failures of removals that were tried.
std::vector<FileFailure> RemoveStaleTemporaryFiles(FileSystem& files,
                                                   std::span<const std::filesystem::path> targets);

}  // namespace quendar::files
