#include "sim/sim_interface.h"

#include "core/device/device_link.h"

namespace quendar::sim {

namespace {
constexpr const wchar_t* kInterfaceClassSuffix = L"#{4d1e55b2-f16f-11cf-88cb-001111000030}";

std::wstring MousePath(const wchar_t* interfaceAndCollection) {
  return std::wstring(L"\\\\?\\HID#VID_04D9&PID_A165&") + interfaceAndCollection + L"#8&2c6f1a3b&0&0000" +
         kInterfaceClassSuffix;
}
}  // namespace

bool SimInterface::BelongsToMouse() const {
  return attributes.vendorId == device::kMouseVendorId && attributes.productId == device::kMouseProductId;
}

SimInterface MakeInterface(InterfaceRole role) {
  SimInterface item;
  item.role = role;
  item.attributes = {device::kMouseVendorId, device::kMouseProductId, 0x0105};
  switch (role) {
    case InterfaceRole::MouseCollection:
      item.path = MousePath(L"MI_00");
      item.caps = {0x0002, 0x0001, 8, 0, 0};
      break;
    case InterfaceRole::KeyboardCollection:
      item.path = MousePath(L"MI_01&Col01");
      item.caps = {0x0006, 0x0001, 9, 2, 0};
      break;
    case InterfaceRole::Event:
      item.path = MousePath(L"MI_01&Col02");
      item.caps = {device::kEventUsage, device::kEventUsagePage, 8, 0, 0};
      break;
    case InterfaceRole::Command:
      item.path = MousePath(L"MI_02");
      item.caps = {device::kCommandUsage, device::kCommandUsagePage, 33, 33, 9};
      break;
    case InterfaceRole::OtherKeyboard:
      item.path = std::wstring(L"\\\\?\\HID#VID_046D&PID_C31C&MI_00#7&1f0e2d3c&0&0000") + kInterfaceClassSuffix;
      item.attributes = {0x046D, 0xC31C, 0x6400};
      item.caps = {0x0006, 0x0001, 9, 2, 0};
      break;
    case InterfaceRole::OtherGamepad:
      item.path = std::wstring(L"\\\\?\\HID#VID_045E&PID_028E#6&3a4b5c6d&0&0000") + kInterfaceClassSuffix;
      item.attributes = {0x045E, 0x028E, 0x0114};
      // Vendor-defined like the mouse's command interface, but another maker's device.
      item.caps = {device::kCommandUsage, device::kCommandUsagePage, 20, 20, 9};
      break;
  }
  return item;
}

std::vector<SimInterface> DefaultListing() {
  return {MakeInterface(InterfaceRole::OtherKeyboard), MakeInterface(InterfaceRole::MouseCollection),
          MakeInterface(InterfaceRole::KeyboardCollection), MakeInterface(InterfaceRole::Event),
          MakeInterface(InterfaceRole::Command), MakeInterface(InterfaceRole::OtherGamepad)};
}

}  // namespace quendar::sim
