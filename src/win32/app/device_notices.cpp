#include "win32/app/device_notices.h"

#include <dbt.h>

namespace quendar::win32 {

namespace {
// The HID device-interface class.
constexpr GUID kHidInterfaceClass = {0x4D1E55B2, 0xF16F, 0x11CF, {0x88, 0xCB, 0x00, 0x11, 0x11, 0x00, 0x00, 0x30}};
}  // namespace

DeviceNoticeRegistration::~DeviceNoticeRegistration() {
  if (handle_ != nullptr) ::UnregisterDeviceNotification(handle_);
}

bool DeviceNoticeRegistration::Register(HWND window) {
  DEV_BROADCAST_DEVICEINTERFACE_W filter{};
  filter.dbcc_size = sizeof(filter);
  filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
  filter.dbcc_classguid = kHidInterfaceClass;
  handle_ = ::RegisterDeviceNotificationW(window, &filter, DEVICE_NOTIFY_WINDOW_HANDLE);
  return handle_ != nullptr;
}

std::optional<device::DeviceChangeNotice> ReadDeviceChangeNotice(LPARAM lParam) {
  const auto* header = reinterpret_cast<const DEV_BROADCAST_HDR*>(lParam);
  if (header == nullptr) return std::nullopt;
  device::DeviceChangeNotice notice;
  notice.deviceType = header->dbch_devicetype;
  if (header->dbch_devicetype == DBT_DEVTYP_DEVICEINTERFACE &&
      header->dbch_size > offsetof(DEV_BROADCAST_DEVICEINTERFACE_W, dbcc_name)) {
    const auto* deviceInterface = reinterpret_cast<const DEV_BROADCAST_DEVICEINTERFACE_W*>(header);
    // The name fills the rest of the record; it need not be terminated inside it.
    const std::size_t maxChars =
        (header->dbch_size - offsetof(DEV_BROADCAST_DEVICEINTERFACE_W, dbcc_name)) / sizeof(wchar_t);
    const wchar_t* name = deviceInterface->dbcc_name;
    std::size_t length = 0;
    while (length < maxChars && name[length] != L'\0') ++length;
    notice.path.assign(name, length);
  }
  return notice;
}

}  // namespace quendar::win32
