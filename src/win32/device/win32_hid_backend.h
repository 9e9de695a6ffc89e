#pragma once
// The platform's HID stack: SetupAPI enumeration of the HID interface class, HidD/HidP queries through
// hid.dll loaded from the system folder, and overlapped I/O on the mouse's interfaces (command calls
// bounded by their exchange's deadline, event reads that own their buffer until the platform lets go).
#include "core/device/hid_backend.h"
#include "win32/device/hid_library.h"
#include "win32/device/high_resolution_pacer.h"

namespace quendar::win32 {

class Win32HidBackend final : public device::HidBackend {
 public:
  device::DeviceResult<std::unique_ptr<device::HidInterfaceList>> ListInterfaces() override;
  device::DeviceResult<std::unique_ptr<device::HidProbe>> OpenProbe(const std::wstring& path) override;
  device::DeviceResult<std::unique_ptr<device::HidChannel>> OpenCommandChannel(const std::wstring& path) override;
  device::DeviceResult<std::unique_ptr<device::EventChannel>> OpenEventChannel(const std::wstring& path) override;
  device::DeviceResult<std::unique_ptr<device::ReaderSignal>> CreateReaderSignal() override;
  device::Pacer& GetPacer() override { return pacer_; }

 private:
  HidLibrary hid_;
  HighResolutionPacer pacer_;
};

}  // namespace quendar::win32
