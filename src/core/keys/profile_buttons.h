#pragma once
// The button choices a profile record carries, and key matrix 1 built from them.

#include <array>

#include "core/keys/button_code.h"
#include "core/profiles/profile_record.h"

namespace quendar::keys {

// The twelve buttons' choices, "Button 1" first.
std::array<ButtonAssignment, kButtonCount> ButtonAssignments(const profiles::ProfileRecord& record);
void StoreButtonAssignment(profiles::ProfileRecord& record, std::size_t button, const ButtonAssignment& assignment);

// Codes are computed afresh from the choices at every download; the record never stores them.
KeyMatrix BuildKeyMatrix(const profiles::ProfileRecord& record);

}  // namespace quendar::keys
