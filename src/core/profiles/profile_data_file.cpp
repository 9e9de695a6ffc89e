#include "core/profiles/profile_data_file.h"

#include <algorithm>
#include <fstream>

namespace quendar::profiles {

DataFileRead ReadDataFile(const std::filesystem::path& file) {
  DataFileRead result;
  std::error_code ec;
  if (!std::filesystem::exists(file, ec)) return result;
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    result.status = DataFileStatus::Unreadable;
    return result;
  }
  // Read one byte more than the format holds, so a longer file is told apart without trusting a size
  // query on a file that may be changing.
  std::array<char, kDataFileSize + 1> buffer{};
  in.read(buffer.data(), buffer.size());
  if (in.gcount() != static_cast<std::streamsize>(kDataFileSize)) {
    result.status = DataFileStatus::WrongSize;
    return result;
  }
  result.status = DataFileStatus::Loaded;
  result.contents.firstRunFlag = static_cast<std::uint8_t>(buffer[0]);
  std::transform(buffer.begin() + 1, buffer.begin() + kDataFileSize, result.contents.record.bytes().begin(),
                 [](char c) { return static_cast<std::uint8_t>(c); });
  return result;
}

std::array<std::uint8_t, kDataFileSize> EncodeDataFile(std::uint8_t firstRunFlag, const ProfileRecord& record) {
  std::array<std::uint8_t, kDataFileSize> bytes{};
  bytes[0] = firstRunFlag;
  std::ranges::copy(record.bytes(), bytes.begin() + 1);
  return bytes;
}

ini::WriteResult WriteDataFile(const std::filesystem::path& file, std::uint8_t firstRunFlag,
                               const ProfileRecord& record) {
  const auto bytes = EncodeDataFile(firstRunFlag, record);
  return ini::ReplaceFileContents(file, bytes);
}

}  // namespace quendar::profiles
