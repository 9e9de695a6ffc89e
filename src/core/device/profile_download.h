#pragma once
// Sending a whole profile to the mouse: 31 exchanges in a fixed order, the settings the profile does not
// carry taken from what the mouse reports, then the profile stored in its files. A failed exchange ends
// the sending (what follows it would build on a reply that never came); the files are stored anyway.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "core/device/command_set.h"
#include "core/profiles/profile_record.h"

namespace quendar::device {

inline constexpr int kDownloadExchangeCount = 31;

// The lighting rule: sets the effect bytes and the index-0 parameters from the record, over what the
// mouse reported. An unknown effect leaves everything as read.
void ApplyLighting(const profiles::ProfileRecord& record, DeviceImage& image);

// The stage bytes of the record's seven stages; the eighth keeps what the mouse reported.
void ApplyCpiStages(const profiles::ProfileRecord& record, DeviceImage& image);

struct DownloadFailure {
  int exchange = 0;  // 1..31, in the download's order
  ExchangeError error;
  friend bool operator==(const DownloadFailure&, const DownloadFailure&) = default;
};

struct DownloadResult {
  int exchanges = 0;  // exchanges made, the failed one included
  std::optional<DownloadFailure> failure;
  bool ok() const { return !failure; }
};

// "exchange 17 of 31, opcode 0x13: sending the packet failed (platform error 31)".
std::string Describe(const DownloadFailure& failure);

// The exchanges of a download, without storing anything.
DownloadResult SendProfile(const profiles::ProfileRecord& record, CommandSet& commands);

// SendProfile, then `storeProfile` (the profile data and caption files), after the last exchange made.
DownloadResult DownloadProfile(const profiles::ProfileRecord& record, CommandSet& commands,
                               const std::function<void()>& storeProfile);

}  // namespace quendar::device
