#pragma once
// The program-wide profile state: the record of the current profile and its companions.
#include <cstdint>
#include <span>

#include "core/profiles/profile_record.h"

namespace quendar::profiles {

inline constexpr std::size_t kMaxProfiles = 6;

struct ProfileState {
  ProfileRecord record;
  ProfileRecord savedRecord;         // what "Cancel" returns to
  std::uint8_t firstRunFlag = 0;     // 0 until the profile's data file was saved by the program
  std::uint8_t currentProfileIndex = 0;  // 0..5, selects configN.bin and strN.ini
  bool defaultsMode = false;         // true only while a reset to defaults loads the default profile

  void Snapshot() { savedRecord = record; }
  void Revert() { record = savedRecord; }
  void ReplaceMacros(std::span<const std::uint8_t, kMacroTableSize> table);
};

}  // namespace quendar::profiles
