#pragma once
// The HID stack of Linux through hidapi's hidraw backend. hidapi lists one entry per top-level collection
// of each hidraw node with its vendor, product and usage page, so the discovery walk of DeviceLink runs
// unchanged over that listing: an entry's "path" carries the node and what the listing said of it, and a
// probe only reads that back (opening a node may need rights a probe must not require). Commands are
// feature, output and input reports on the command node; the event node is read by a worker thread of
// its channel in bounded slices, so a cancel ends a pending read within one slice.
#include <cerrno>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "core/device/hid_backend.h"

namespace quendar::linux_hid {

// A node of the mouse that could not be opened, and why (errno of the open).
struct OpenFailure {
  std::string node;
  int error = 0;
  bool PermissionDenied() const { return error == EACCES || error == EPERM; }
};

class HidapiBackend final : public device::HidBackend {
 public:
  // `pacer`: the pauses between exchanges; null pauses for real on the steady clock.
  explicit HidapiBackend(device::Pacer* pacer = nullptr);
  ~HidapiBackend() override;
  HidapiBackend(const HidapiBackend&) = delete;
  HidapiBackend& operator=(const HidapiBackend&) = delete;

  std::unique_ptr<device::HidInterfaceList> ListInterfaces() override;
  std::unique_ptr<device::HidProbe> OpenProbe(const std::wstring& path) override;
  std::unique_ptr<device::HidChannel> OpenCommandChannel(const std::wstring& path) override;
  std::unique_ptr<device::EventChannel> OpenEventChannel(const std::wstring& path) override;
  std::unique_ptr<device::ReaderSignal> CreateReaderSignal() override;
  device::Pacer& GetPacer() override { return *pacer_; }

  // The last open of a node that failed since this backend was made, if any.
  const std::optional<OpenFailure>& LastOpenFailure() const { return lastOpenFailure_; }

 private:
  std::unique_ptr<device::Pacer> ownPacer_;
  device::Pacer* pacer_;
  std::optional<OpenFailure> lastOpenFailure_;
};

}  // namespace quendar::linux_hid
