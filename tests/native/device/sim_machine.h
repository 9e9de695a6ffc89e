#pragma once
// A simulated mouse behind the HID stack and a device link over it, as every test that needs "the
// machine with the mouse attached" builds it.
#include <memory>
#include <vector>

#include "core/device/device_change.h"
#include "core/device/device_link.h"
#include "native/device/device_host_fake.h"
#include "sim/sim_hid_backend.h"

namespace quendar::device::testing {

struct SimMachine {
  explicit SimMachine(std::vector<sim::SimInterface> listing = sim::DefaultListing())
      : mouse(sim::SimulatedMouse::Create({.listing = std::move(listing)})), backend(mouse), link(backend) {}
  SimMachine(const SimMachine&) = delete;
  SimMachine& operator=(const SimMachine&) = delete;
  ~SimMachine() { mouse->SetNoticeSink(nullptr); }

  // The sim's arrival and removal notices reach the link as WM_DEVICECHANGE would, on the calling thread.
  void RouteNoticesTo(DeviceHost& host) {
    mouse->SetNoticeSink([this, &host](std::uint32_t code, const std::wstring& path) {
      const DeviceChangeNotice notice{kDeviceTypeInterface, path};
      OnDeviceChange(link, host, code, &notice);
    });
  }
  // Unplugs without telling anyone, as if the notices were lost.
  void UnplugSilently() {
    mouse->SetNoticeSink(nullptr);
    mouse->Unplug();
  }

  std::shared_ptr<sim::SimulatedMouse> mouse;
  sim::SimHidBackend backend;
  DeviceLink link;
};

// The machine with the application shell listening to its notices.
struct HostedMachine : SimMachine {
  explicit HostedMachine(std::vector<sim::SimInterface> listing = sim::DefaultListing())
      : SimMachine(std::move(listing)) {
    RouteNoticesTo(host);
  }
  DeviceHostFake host;
};

}  // namespace quendar::device::testing
