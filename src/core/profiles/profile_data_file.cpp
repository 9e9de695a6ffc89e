#include "core/profiles/profile_data_file.h"

#include <algorithm>

namespace quendar::profiles {

DataFileRead ReadDataFile(files::FileSystem& files, const std::filesystem::path& file) {
  DataFileRead result;
  files::ReadResult read = files.Read(file);
  if (read.missing()) return result;
  if (read.unreadable()) {
    result.status = DataFileStatus::Unreadable;
    result.failure = read.failure;
    return result;
  }
  if (read.bytes.size() != kDataFileSize) {
    result.status = DataFileStatus::WrongSize;
    result.size = read.bytes.size();
    return result;
  }
  result.status = DataFileStatus::Loaded;
  result.contents.firstRunFlag = read.bytes[0];
  std::copy(read.bytes.begin() + 1, read.bytes.end(), result.contents.record.bytes().begin());
  return result;
}

std::array<std::uint8_t, kDataFileSize> EncodeDataFile(std::uint8_t firstRunFlag, const ProfileRecord& record) {
  std::array<std::uint8_t, kDataFileSize> bytes{};
  bytes[0] = firstRunFlag;
  std::ranges::copy(record.bytes(), bytes.begin() + 1);
  return bytes;
}

files::WriteResult WriteDataFile(files::FileSystem& files, const std::filesystem::path& file,
                                 std::uint8_t firstRunFlag, const ProfileRecord& record) {
  const auto bytes = EncodeDataFile(firstRunFlag, record);
  return files.Replace(file, bytes);
}

}  // namespace quendar::profiles
