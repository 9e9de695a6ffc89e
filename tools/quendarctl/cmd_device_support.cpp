#include "cmd_device_support.h"

#include "core/text/hex.h"
#include "sim/sim_hid_backend.h"
#include "sim/simulated_mouse.h"

#ifdef _WIN32
#include "win32/device/win32_hid_backend.h"
#endif

namespace quendar::ctl {
namespace {

// The HID stack of this system, or null with the reason when this build has none.
std::unique_ptr<device::HidBackend> PlatformBackend(std::string& error) {
#ifdef _WIN32
  return std::make_unique<win32::Win32HidBackend>();
#else
  error = "this build of quendarctl has no HID backend for this system; use --simulated";
  return nullptr;
#endif
}

}  // namespace

std::string SpacedHex(std::span<const std::uint8_t> bytes) { return text::HexBytes(bytes, " "); }
std::string PackedHex(std::span<const std::uint8_t> bytes) { return text::HexBytes(bytes, ""); }

ConnectedMouse ConnectMouse(bool simulated, std::string& error) {
  ConnectedMouse result;
  if (simulated) {
    result.backend = std::make_unique<sim::SimHidBackend>(sim::SimulatedMouse::Create());
  } else {
    result.backend = PlatformBackend(error);
    if (!result.backend) return result;
  }
  auto link = std::make_unique<device::DeviceLink>(*result.backend);
  if (const device::DeviceStatus found = link->DiscoverDevice(); !found) {
    error = "no mouse: " + device::Describe(found.failure());
    return result;
  }
  result.link = std::move(link);
  return result;
}

}  // namespace quendar::ctl
