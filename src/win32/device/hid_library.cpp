#include "win32/device/hid_library.h"

#include "win32/framework/system_library.h"

namespace quendar::win32 {

HidLibrary::HidLibrary() : module_(LoadFromSystemFolder(L"hid.dll")) {
  if (module_ == nullptr) {
    loadError_ = ::GetLastError();
    return;
  }
  HidFunctions table;
  if (!BindExport(module_, "HidD_GetAttributes", table.getAttributes) ||
      !BindExport(module_, "HidD_GetPreparsedData", table.getPreparsedData) ||
      !BindExport(module_, "HidD_FreePreparsedData", table.freePreparsedData) ||
      !BindExport(module_, "HidP_GetCaps", table.getCaps)) {
    loadError_ = ::GetLastError();
    return;
  }
  functions_ = table;
}

HidLibrary::~HidLibrary() {
  if (module_ != nullptr) ::FreeLibrary(module_);
}

device::DeviceResult<const HidFunctions*> HidLibrary::Functions() const {
  if (functions_.getCaps == nullptr) {
    return device::DeviceFailure{device::DeviceCall::LoadHidLibrary, L"hid.dll", loadError_};
  }
  return &functions_;
}

}  // namespace quendar::win32
