#include "profile_file_reader.h"

#include <filesystem>
#include <ostream>
#include <utility>

#include "platform/platform_file_system.h"

namespace quendar::ctl {

std::filesystem::path PathFromUtf8(const std::string& text) {
  return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

ProfileFileRead ReadProfileFile(const std::string& pathUtf8) {
  ProfileFileRead result;
  const std::filesystem::path path = PathFromUtf8(pathUtf8);
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) {
    result.error = "cannot open '" + pathUtf8 + "': no such file";
    return result;
  }
  const auto size = std::filesystem::file_size(path, ec);
  if (ec) {
    result.error = "cannot read '" + pathUtf8 + "': " + ec.message();
    return result;
  }
  if (size != profiles::kDataFileSize) {
    result.error = "'" + pathUtf8 + "' is " + std::to_string(size) + " bytes; a profile file is exactly " +
                   std::to_string(profiles::kDataFileSize) + " bytes";
    return result;
  }
  platform::PlatformFileSystem disk;
  const profiles::DataFileRead read = profiles::ReadDataFile(disk, path);
  if (read.status != profiles::DataFileStatus::Loaded) {
    result.error = "cannot read '" + pathUtf8 + "' as a profile file";
    return result;
  }
  result.contents = read.contents;
  return result;
}

std::optional<profiles::DataFileContents> ReadProfileFileFor(const char* command, const std::string& pathUtf8,
                                                            CommandIo& io) {
  ProfileFileRead read = ReadProfileFile(pathUtf8);
  if (!read.contents) io.err << "quendarctl " << command << ": " << read.error << "\n";
  return std::move(read.contents);
}

}  // namespace quendar::ctl
