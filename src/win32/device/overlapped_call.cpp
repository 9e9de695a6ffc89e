#include "win32/device/overlapped_call.h"

namespace quendar::win32 {

namespace {

void CALLBACK FreeEndedCall(PTP_CALLBACK_INSTANCE, PVOID context, PTP_WAIT wait, TP_WAIT_RESULT) {
  delete static_cast<OverlappedCall*>(context);
  ::CloseThreadpoolWait(wait);
}

}  // namespace

std::unique_ptr<OverlappedCall> OverlappedCall::Create() {
  auto call = std::make_unique<OverlappedCall>();
  call->done.reset(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
  if (!call->done.valid()) return nullptr;
  return call;
}

void OverlappedCall::Prepare() {
  overlapped = OVERLAPPED{};
  overlapped.hEvent = done.get();
  ::ResetEvent(done.get());
  inFlight = false;
}

bool OverlappedCall::Ended() const { return !inFlight || ::WaitForSingleObject(done.get(), 0) == WAIT_OBJECT_0; }

void ReleaseWhenEnded(std::unique_ptr<OverlappedCall> call) {
  if (!call || call->Ended()) return;
  PTP_WAIT wait = ::CreateThreadpoolWait(&FreeEndedCall, call.get(), nullptr);
  if (wait == nullptr) {
    (void)call.release();  // deliberately kept: the platform may still write into it
    return;
  }
  OverlappedCall* held = call.release();
  ::SetThreadpoolWait(wait, held->done.get(), nullptr);
}

}  // namespace quendar::win32
