#pragma once
// Sending a whole profile to the mouse: 31 exchanges in a fixed order, the settings the profile does not
// carry taken from what the mouse reports, then the profile stored in its files.

#include <array>
#include <cstdint>
#include <functional>

#include "core/device/command_set.h"
#include "core/profiles/profile_record.h"

namespace quendar::device {

inline constexpr int kDownloadExchangeCount = 31;

// The lighting rule: sets the effect bytes and the index-0 parameters from the record, over what the
// mouse reported. An unknown effect leaves everything as read.
void ApplyLighting(const profiles::ProfileRecord& record, DeviceImage& image);

// The stage bytes of the record's seven stages; the eighth keeps what the mouse reported.
void ApplyCpiStages(const profiles::ProfileRecord& record, DeviceImage& image);

// The exchanges of a download, without storing anything.
void SendProfile(const profiles::ProfileRecord& record, CommandSet& commands);

// SendProfile, then `storeProfile` (the profile data and caption files), only after the last matrix.
void DownloadProfile(const profiles::ProfileRecord& record, CommandSet& commands,
                     const std::function<void()>& storeProfile);

}  // namespace quendar::device
