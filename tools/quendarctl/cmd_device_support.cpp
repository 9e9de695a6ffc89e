#include "cmd_device_support.h"

#include "core/text/hex.h"
#include "sim/sim_hid_backend.h"
#include "sim/simulated_mouse.h"

#ifdef _WIN32
#include "win32/device/win32_hid_backend.h"
#elif defined(QUENDAR_HIDAPI)
#include <cstring>

#include "linux_hid/hidapi_backend.h"
#endif

namespace quendar::ctl {
namespace {

constexpr const char* kNoMouseText = "no mouse: no HID interface 04D9:A165 with the command collection was found";

#if defined(QUENDAR_HIDAPI) && !defined(_WIN32)
// Why the mouse listed by the system could not be used: a node it refused to open.
std::string OpenFailureText(const linux_hid::OpenFailure& failure) {
  std::string text = "the mouse is connected but " + failure.node + " cannot be opened (" +
                     std::strerror(failure.error) + ")";
  if (failure.PermissionDenied()) {
    text += "; the udev rule " + std::string(kUdevRuleName) + " gives the logged-in user access to it: install it with `" +
            std::string(kUdevInstallCommand) + "` in the source folder, then plug the mouse in again";
  }
  return text;
}
#endif

// The HID stack of this system and what explains a failed discovery on it, or no backend with the
// reason when this build has none.
struct PlatformStack {
  std::unique_ptr<device::HidBackend> backend;
  std::function<std::string()> explainNotFound = [] { return std::string(kNoMouseText); };
};

PlatformStack PlatformBackend(std::string& error) {
  PlatformStack stack;
#ifdef _WIN32
  stack.backend = std::make_unique<win32::Win32HidBackend>();
#elif defined(QUENDAR_HIDAPI)
  auto hidapi = std::make_unique<linux_hid::HidapiBackend>();
  stack.explainNotFound = [backend = hidapi.get()] {
    const auto& failure = backend->LastOpenFailure();
    return failure ? OpenFailureText(*failure) : std::string(kNoMouseText);
  };
  stack.backend = std::move(hidapi);
#else
  error = "this build of quendarctl has no HID backend for this system; use --simulated";
#endif
  return stack;
}

}  // namespace

namespace {
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
  std::function<std::string()> explainNotFound = [] { return std::string(kNoMouseText); };
  if (simulated) {
    result.backend = std::make_unique<sim::SimHidBackend>(sim::SimulatedMouse::Create());
  } else {
    PlatformStack stack = PlatformBackend(error);
    if (!stack.backend) return result;
    result.backend = std::move(stack.backend);
    explainNotFound = std::move(stack.explainNotFound);
  }
  auto link = std::make_unique<device::DeviceLink>(*result.backend);
  if (!link->DiscoverDevice()) {
    error = explainNotFound();
    return result;
  }
  result.link = std::move(link);
  return result;
}

}  // namespace quendar::ctl
