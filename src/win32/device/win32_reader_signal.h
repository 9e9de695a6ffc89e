#pragma once
// The reader's manual-reset event as a kernel event, so it can be the completion event of an
// overlapped read.
#include <windows.h>

#include "core/device/hid_backend.h"
#include "win32/framework/unique_handle.h"

namespace quendar::win32 {

class Win32ReaderSignal final : public device::ReaderSignal {
 public:
  Win32ReaderSignal() : event_(::CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}
  void Set() override { ::SetEvent(event_.get()); }
  void Reset() override { ::ResetEvent(event_.get()); }
  void Wait() override { ::WaitForSingleObject(event_.get(), INFINITE); }
  bool valid() const { return event_.valid(); }
  HANDLE handle() const { return event_.get(); }

 private:
  UniqueKernelHandle event_;
};

}  // namespace quendar::win32
