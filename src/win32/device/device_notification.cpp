#include "win32/device/device_notification.h"

#include <dbt.h>

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <cwchar>

#include "win32/device/hid_interface_class.h"

namespace quendar::win32 {

DeviceNotificationRegistration::DeviceNotificationRegistration(HWND window) {
  DEV_BROADCAST_DEVICEINTERFACE_W filter{};
  filter.dbcc_size = sizeof filter;
  filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
  filter.dbcc_classguid = kHidInterfaceClass;
  notify_ = ::RegisterDeviceNotificationW(window, &filter, DEVICE_NOTIFY_WINDOW_HANDLE);
}

DeviceNotificationRegistration::~DeviceNotificationRegistration() {
  if (notify_ != nullptr) ::UnregisterDeviceNotification(notify_);
}

std::optional<device::DeviceChangeNotice> ReadDeviceChangeNotice(LPARAM lParam) {
  const auto* header = reinterpret_cast<const DEV_BROADCAST_HDR*>(lParam);
  if (header == nullptr || header->dbch_size < sizeof(DEV_BROADCAST_HDR)) return std::nullopt;
  device::DeviceChangeNotice notice;
  notice.deviceType = header->dbch_devicetype;
  constexpr std::size_t kNameOffset = offsetof(DEV_BROADCAST_DEVICEINTERFACE_W, dbcc_name);
  if (notice.deviceType == DBT_DEVTYP_DEVICEINTERFACE && header->dbch_size > kNameOffset) {
    const auto* item = reinterpret_cast<const DEV_BROADCAST_DEVICEINTERFACE_W*>(header);
    const std::size_t capacity = (header->dbch_size - kNameOffset) / sizeof(wchar_t);
    notice.path.assign(item->dbcc_name, ::wcsnlen(item->dbcc_name, capacity));
  }
  return notice;
}

std::vector<std::byte> BuildInterfaceNotice(const std::wstring& path) {
  constexpr std::size_t kNameOffset = offsetof(DEV_BROADCAST_DEVICEINTERFACE_W, dbcc_name);
  const std::size_t size = kNameOffset + (path.size() + 1) * sizeof(wchar_t);
  std::vector<std::byte> buffer(std::max(size, sizeof(DEV_BROADCAST_DEVICEINTERFACE_W)));
  auto* item = reinterpret_cast<DEV_BROADCAST_DEVICEINTERFACE_W*>(buffer.data());
  item->dbcc_size = static_cast<DWORD>(size);
  item->dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
  item->dbcc_classguid = kHidInterfaceClass;
  std::memcpy(buffer.data() + kNameOffset, path.c_str(), (path.size() + 1) * sizeof(wchar_t));
  return buffer;
}

LRESULT SendDeviceChange(HWND window, std::uint32_t eventCode, const std::wstring& path) {
  std::vector<std::byte> notice = BuildInterfaceNotice(path);
  return ::SendMessageW(window, WM_DEVICECHANGE, eventCode, reinterpret_cast<LPARAM>(notice.data()));
}

}  // namespace quendar::win32
