#pragma once
// The profile data file: the first-run flag byte followed by the record, 1840 bytes, nothing else.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>

#include "core/files/file_system.h"
#include "core/profiles/profile_record.h"

namespace quendar::profiles {

inline constexpr std::size_t kDataFileSize = 1 + kRecordSize;

struct DataFileContents {
  std::uint8_t firstRunFlag = 0;
  ProfileRecord record;
};

enum class DataFileStatus { Loaded, Missing, WrongSize, Unreadable };

struct DataFileRead {
  DataFileStatus status = DataFileStatus::Missing;
  DataFileContents contents;               // Loaded
  std::size_t size = 0;                    // WrongSize: the size found
  std::optional<files::FileFailure> failure;  // Unreadable
};

DataFileRead ReadDataFile(files::FileSystem& files, const std::filesystem::path& file);

std::array<std::uint8_t, kDataFileSize> EncodeDataFile(std::uint8_t firstRunFlag, const ProfileRecord& record);

// Replaces the file as a whole (crash-safe), creating it when missing.
files::WriteResult WriteDataFile(files::FileSystem& files, const std::filesystem::path& file,
                                 std::uint8_t firstRunFlag, const ProfileRecord& record);

}  // namespace quendar::profiles
