#include "win32/device/hid_library.h"

#include <string>

namespace quendar::win32 {

namespace {

template <class Function>
bool Bind(HMODULE module, const char* name, Function& target) {
  target = reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(module, name)));
  return target != nullptr;
}

// The full path, rather than a search flag: LOAD_LIBRARY_SEARCH_SYSTEM32 is refused by an unpatched
// Windows 7.
HMODULE LoadFromSystemFolder(const wchar_t* name) {
  wchar_t folder[MAX_PATH];
  const UINT length = ::GetSystemDirectoryW(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return nullptr;
  const std::wstring path = std::wstring(folder, length) + L"\\" + name;
  return ::LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

}  // namespace

HidLibrary::HidLibrary() : module_(LoadFromSystemFolder(L"hid.dll")) {
  if (module_ == nullptr) {
    loadError_ = ::GetLastError();
    return;
  }
  HidFunctions table;
  if (!Bind(module_, "HidD_GetAttributes", table.getAttributes) ||
      !Bind(module_, "HidD_GetPreparsedData", table.getPreparsedData) ||
      !Bind(module_, "HidD_FreePreparsedData", table.freePreparsedData) ||
      !Bind(module_, "HidP_GetCaps", table.getCaps)) {
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
