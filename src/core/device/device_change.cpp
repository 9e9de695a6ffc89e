#include "core/device/device_change.h"

#include "core/text/case_fold.h"
#include "core/text/hex.h"

namespace quendar::device {

bool PathNamesTheMouse(std::wstring_view path) {
  // The platform spells these paths in whatever case its driver stack chose.
  const auto id = [](std::uint16_t value) {
    const std::uint8_t bytes[] = {static_cast<std::uint8_t>(value >> 8), static_cast<std::uint8_t>(value)};
    return text::WideHexBytes(bytes, L"");
  };
  const std::wstring mouse = L"VID_" + id(kMouseVendorId) + L"&PID_" + id(kMouseProductId);
  return text::FindIgnoringCase(path, mouse) != std::wstring_view::npos;
}

namespace {

void OnMouseRemoval(DeviceLink& link, DeviceHost& host) {
  // Other interfaces of the mouse may still be there.
  if (link.DiscoverDevice()) {
    // A read pending on a removed interface might never complete; the reader restarts it.
    link.CancelPendingEventRead();
    return;
  }
  host.OnMouseNotDetected();
  link.MarkAbsent();
}

void OnMouseArrival(DeviceLink& link, DeviceHost& host) {
  if (!link.DiscoverDevice()) {
    host.OnMouseNotDetected();
    host.HideWindow();
    link.MarkAbsent();
    return;
  }
  host.RunConnectionSteps();
  if (!link.ReaderReleased()) link.ReleaseReader();
}

}  // namespace

bool OnDeviceChange(DeviceLink& link, DeviceHost& host, std::uint32_t eventCode, const DeviceChangeNotice* notice) {
  if (eventCode != kDeviceArrival && eventCode != kDeviceRemoveComplete) return true;
  if (notice == nullptr || notice->deviceType != kDeviceTypeInterface) return true;
  if (!PathNamesTheMouse(notice->path)) return true;
  if (eventCode == kDeviceRemoveComplete) {
    OnMouseRemoval(link, host);
  } else {
    OnMouseArrival(link, host);
  }
  return true;
}

}  // namespace quendar::device
