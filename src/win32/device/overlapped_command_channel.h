#pragma once
// The mouse's command interface on a handle opened for overlapped I/O: every call is issued, waited
// for until the exchange's deadline, and cancelled when the device leaves it unanswered, so a wedged
// device costs the window's thread at most the deadline.
#include <memory>

#include "core/device/hid_channel.h"
#include "win32/framework/unique_handle.h"

namespace quendar::win32 {

// `file` must have been opened with FILE_FLAG_OVERLAPPED. nullptr when the wait event cannot be made.
std::unique_ptr<device::HidChannel> MakeOverlappedCommandChannel(UniqueFileHandle file);

}  // namespace quendar::win32
