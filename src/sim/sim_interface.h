#pragma once
// The HID interfaces the simulated machine lists: the mouse's four collections and unrelated devices.
#include <string>
#include <vector>

#include "core/device/hid_backend.h"

namespace quendar::sim {

enum class InterfaceRole {
  MouseCollection,     // the mouse's standard pointer collection
  KeyboardCollection,  // the mouse's keyboard collection (macro keys)
  Command,             // 0xFF00/0xFF00: packets and data chunks
  Event,               // 0xFF01/0xFF01: CPI stage reports
  OtherKeyboard,       // unrelated devices of other makers
  OtherGamepad,
};

// Failures the platform may report for one interface during discovery.
struct InterfaceFaults {
  bool probeOpenFails = false;
  bool noPreparsedData = false;
  bool invalidPreparsedData = false;  // capabilities answer 0xC0110001
  bool openFails = false;             // the command or event open fails
};

struct SimInterface {
  InterfaceRole role = InterfaceRole::MouseCollection;
  std::wstring path;
  device::HidAttributes attributes;
  device::HidCaps caps;
  InterfaceFaults faults;

  bool BelongsToMouse() const;
};

// An interface of the given role with the lengths and paths of the real hardware.
SimInterface MakeInterface(InterfaceRole role);
// Unrelated keyboard, mouse collection, keyboard collection, event, command, unrelated gamepad: the
// event interface before the command interface, as the platform usually lists them.
std::vector<SimInterface> DefaultListing();

}  // namespace quendar::sim
