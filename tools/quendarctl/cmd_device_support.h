#pragma once
// What the device commands of quendarctl share: hex text in the formats other tools parse, and the
// mouse to talk to (the platform's HID stack or a fresh simulated mouse).
#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "core/device/device_link.h"
#include "core/device/hid_backend.h"
#include "sim/wire_log.h"

namespace quendar::ctl {

// The udev rule that gives the logged-in user the mouse's hidraw nodes, and the command that installs it.
inline constexpr const char* kUdevRuleName = "packaging/linux/70-quendar-mouse.rules";
inline constexpr const char* kUdevInstallCommand = "sudo packaging/linux/install-udev-rule.sh";

// Two uppercase hex digits per byte, separated by one space.
std::string SpacedHex(std::span<const std::uint8_t> bytes);
// Two uppercase hex digits per byte, nothing between.
std::string PackedHex(std::span<const std::uint8_t> bytes);

// One report or pause of a download as `trace` prints it: "F> ", "F< ", "O> ", "I< " and the report
// without its ID as long as the unit it carries, or "wait N" (milliseconds). Empty for an event report.
std::string WireLine(const sim::WireEntry& entry);

// A backend with the mouse found on it, ready for commands.
struct ConnectedMouse {
  std::unique_ptr<device::HidBackend> backend;
  std::unique_ptr<device::DeviceLink> link;
};

// Finds the mouse through the platform backend, or on a fresh simulated mouse. On failure the result
// has no link and `error` says why.
ConnectedMouse ConnectMouse(bool simulated, std::string& error);

}  // namespace quendar::ctl
