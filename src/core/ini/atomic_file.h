#pragma once
// Crash-safe replacement of a whole file: the new bytes are written to a temporary file in the target's
// folder and flushed to the disk, and only then does the temporary file replace the target. A process
// that dies at any point leaves either the complete old file or the complete new one (and possibly a
// stray temporary file, never under the target's name).
#include <filesystem>
#include <span>

namespace quendar::ini {

struct WriteResult {
  bool ok = false;
  int systemError = 0;  // the platform's error code of the failed step (GetLastError / errno)
};

WriteResult ReplaceFileContents(const std::filesystem::path& target, std::span<const unsigned char> bytes);

}  // namespace quendar::ini
