#pragma once
// What the platform writes into while an overlapped call is in flight: the OVERLAPPED, the call's own
// completion event (set by nothing but the call's end) and its report buffer. The platform may hold a
// call past any deadline, past its cancel, past the close of its handle: whoever gives up on a call
// hands it to ReleaseWhenEnded, never frees it.
#include <windows.h>

#include <array>
#include <cstdint>
#include <memory>

#include "core/device/hid_channel.h"
#include "win32/framework/unique_handle.h"

namespace quendar::win32 {

struct OverlappedCall {
  OVERLAPPED overlapped{};
  UniqueKernelHandle done;  // manual reset
  std::array<std::uint8_t, device::kDataBufferSize> buffer{};
  bool inFlight = false;  // issued and not yet seen to end

  // nullptr when the platform cannot create the event; GetLastError says why.
  static std::unique_ptr<OverlappedCall> Create();
  // Ready for the next call: a fresh OVERLAPPED on the cleared event.
  void Prepare();
  // The platform has let go: never issued, or its completion event is set.
  bool Ended() const;
};

// Frees `call` once the platform has let go of it: at once when it has, else from the thread pool when
// its completion event is set. When not even a pool wait can be had, the call is kept for the rest of
// the process rather than freed under the platform.
void ReleaseWhenEnded(std::unique_ptr<OverlappedCall> call);

}  // namespace quendar::win32
