#pragma once
// The HID functions of hid.dll, loaded once from the system folder. hid.dll is no known system DLL:
// imported statically, the loader would look for it beside the executable before any search
// restriction runs, and a file placed there would run inside the program.
#include <windows.h>

extern "C" {
#include <hidsdi.h>
}

#include <cstdint>

#include "core/device/device_result.h"

namespace quendar::win32 {

struct HidFunctions {
  decltype(&::HidD_GetAttributes) getAttributes = nullptr;
  decltype(&::HidD_GetPreparsedData) getPreparsedData = nullptr;
  decltype(&::HidD_FreePreparsedData) freePreparsedData = nullptr;
  decltype(&::HidP_GetCaps) getCaps = nullptr;
};

// Owns the loaded library; the table stays valid while this object lives.
class HidLibrary {
 public:
  HidLibrary();
  ~HidLibrary();
  HidLibrary(const HidLibrary&) = delete;
  HidLibrary& operator=(const HidLibrary&) = delete;

  // The table, or why the library or one of its functions could not be had.
  device::DeviceResult<const HidFunctions*> Functions() const;

 private:
  HMODULE module_ = nullptr;
  HidFunctions functions_;
  std::uint32_t loadError_ = 0;
};

}  // namespace quendar::win32
