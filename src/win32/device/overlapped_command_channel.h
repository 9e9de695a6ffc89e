#pragma once
// The mouse's command interface on a handle opened for overlapped I/O: every call is issued, waited
// for until the exchange's deadline, and cancelled when the device leaves it unanswered. A cancel that
// does not end the call within kCancelGrace retires the channel (the call's buffer stays with the
// platform until it lets go), so even a driver that ignores cancels costs the window's thread at most
// the deadline plus the grace.
#include <windows.h>

#include <memory>

#include "core/device/hid_channel.h"
#include "win32/framework/unique_handle.h"

namespace quendar::win32 {

// How the channel asks the platform to cancel a call: CancelIoEx, or a stand-in for a driver that
// ignores the request.
using CancelCall = BOOL(WINAPI*)(HANDLE file, LPOVERLAPPED call);

// `file` must have been opened with FILE_FLAG_OVERLAPPED. nullptr when the wait event cannot be made
// (GetLastError says why).
std::unique_ptr<device::HidChannel> MakeOverlappedCommandChannel(UniqueFileHandle file, CancelCall cancel = &::CancelIoEx);

}  // namespace quendar::win32
