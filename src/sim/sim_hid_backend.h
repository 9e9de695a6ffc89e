#pragma once
// The simulated machine's HID stack: what DeviceLink discovers and talks through in tests, benchmarks,
// the demo build and the command-line companion.
#include <memory>

#include "core/device/hid_backend.h"
#include "sim/simulated_mouse.h"

namespace quendar::sim {

class SimHidBackend final : public device::HidBackend {
 public:
  // `readerSignalFails`: the platform refuses the reader's event, as on a machine out of handles.
  explicit SimHidBackend(std::shared_ptr<SimulatedMouse> mouse, bool readerSignalFails = false)
      : mouse_(std::move(mouse)), readerSignalFails_(readerSignalFails) {}

  device::DeviceResult<std::unique_ptr<device::HidInterfaceList>> ListInterfaces() override {
    return mouse_->ListInterfaces();
  }
  device::DeviceResult<std::unique_ptr<device::HidProbe>> OpenProbe(const std::wstring& path) override {
    return mouse_->OpenProbe(path);
  }
  device::DeviceResult<std::unique_ptr<device::HidChannel>> OpenCommandChannel(const std::wstring& path) override {
    return mouse_->OpenCommandChannel(path);
  }
  device::DeviceResult<std::unique_ptr<device::EventChannel>> OpenEventChannel(const std::wstring& path) override {
    return mouse_->OpenEventChannel(path);
  }
  device::DeviceResult<std::unique_ptr<device::ReaderSignal>> CreateReaderSignal() override;
  device::Pacer& GetPacer() override { return mouse_->WirePacer(); }

  SimulatedMouse& Mouse() { return *mouse_; }

 private:
  std::shared_ptr<SimulatedMouse> mouse_;
  bool readerSignalFails_;
};

}  // namespace quendar::sim
