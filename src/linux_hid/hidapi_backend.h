#pragma once
// The HID stack of Linux through hidapi's hidraw backend. hidapi lists one entry per top-level collection
// of each hidraw node with its vendor, product and usage page, so the discovery walk of DeviceLink runs
// unchanged over that listing: an entry's "path" carries the node and what the listing said of it, and a
// probe only reads that back (opening a node may need rights a probe must not require). Commands are
// feature, output and input reports on the command node; the event node is read by a worker thread of
// its channel in bounded slices, so a cancel ends a pending read within one slice. Opens answer the
// failure with the node and errno (EACCES: the user lacks the udev rule's rights).
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "core/device/hid_backend.h"

namespace quendar::linux_hid {

class HidapiBackend final : public device::HidBackend {
 public:
  // `pacer`: the pauses between exchanges; null pauses for real on the steady clock.
  explicit HidapiBackend(device::Pacer* pacer = nullptr);
  ~HidapiBackend() override;
  HidapiBackend(const HidapiBackend&) = delete;
  HidapiBackend& operator=(const HidapiBackend&) = delete;

  device::DeviceResult<std::unique_ptr<device::HidInterfaceList>> ListInterfaces() override;
  device::DeviceResult<std::unique_ptr<device::HidProbe>> OpenProbe(const std::wstring& path) override;
  device::DeviceResult<std::unique_ptr<device::HidChannel>> OpenCommandChannel(const std::wstring& path) override;
  device::DeviceResult<std::unique_ptr<device::EventChannel>> OpenEventChannel(const std::wstring& path) override;
  device::DeviceResult<std::unique_ptr<device::ReaderSignal>> CreateReaderSignal() override;
  device::Pacer& GetPacer() override { return *pacer_; }

 private:
  std::unique_ptr<device::Pacer> ownPacer_;
  device::Pacer* pacer_;
  bool initialized_;  // hid_init succeeded
};

}  // namespace quendar::linux_hid
