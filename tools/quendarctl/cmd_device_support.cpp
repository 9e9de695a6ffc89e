#include "cmd_device_support.h"

#include <cerrno>

#include "core/text/hex.h"
#include "sim/sim_hid_backend.h"
#include "sim/simulated_mouse.h"

#ifdef _WIN32
#include "win32/device/win32_hid_backend.h"
#elif defined(QUENDAR_HIDAPI)
#include "linux_hid/hidapi_backend.h"
#endif

namespace quendar::ctl {
namespace {

// The HID stack of this system, or null with the reason when this build has none.
std::unique_ptr<device::HidBackend> PlatformBackend(std::string& error) {
#ifdef _WIN32
  return std::make_unique<win32::Win32HidBackend>();
#elif defined(QUENDAR_HIDAPI)
  return std::make_unique<linux_hid::HidapiBackend>();
#else
  error = "this build of quendarctl has no HID backend for this system; use --simulated";
  return nullptr;
#endif
}

// Why the mouse cannot be used, and on Linux what gives the user the rights a refused open lacks.
std::string NotFoundText(const device::DeviceFailure& failure) {
  std::string text = "no mouse: " + device::Describe(failure);
#if !defined(_WIN32)
  const bool open = failure.call == device::DeviceCall::OpenCommandInterface ||
                    failure.call == device::DeviceCall::OpenEventInterface;
  if (open && (failure.systemError == EACCES || failure.systemError == EPERM)) {
    text += "; the mouse is connected but this user may not open it. The udev rule " + std::string(kUdevRuleName) +
            " gives the logged-in user access: install it with `" + std::string(kUdevInstallCommand) +
            "` in the source folder, then plug the mouse in again";
  }
#endif
  return text;
}

// The unit a report carries: a command packet, or a data chunk.
constexpr std::size_t kPacketBytes = 8;
constexpr std::size_t kChunkBytes = 32;

}  // namespace

std::string WireLine(const sim::WireEntry& entry) {
  auto payload = [&](std::size_t wanted) {
    std::vector<std::uint8_t> bytes = entry.Payload();
    bytes.resize(wanted, 0);  // the report without its ID, as long as the unit it carries
    return SpacedHex(bytes);
  };
  switch (entry.kind) {
    case sim::WireKind::FeatureOut: return "F> " + payload(kPacketBytes);
    case sim::WireKind::FeatureIn: return "F< " + payload(kPacketBytes);
    case sim::WireKind::ReportOut: return "O> " + payload(kChunkBytes);
    case sim::WireKind::ReportIn: return "I< " + payload(kChunkBytes);
    case sim::WireKind::Wait:
      return "wait " + std::to_string(std::chrono::duration_cast<std::chrono::milliseconds>(entry.pause).count());
    case sim::WireKind::EventIn: break;
  }
  return {};
}

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
    error = NotFoundText(found.failure());
    return result;
  }
  result.link = std::move(link);
  return result;
}

}  // namespace quendar::ctl
