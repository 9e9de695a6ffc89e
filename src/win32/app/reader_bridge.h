#pragma once
// The way the mouse's own events reach the main window: the event reader thread, whose notices are sent
// synchronously to the window until it goes, and the window's registration for HID arrivals and removals.
// The window's thread does the work a notice asks for; this class only carries it across.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>

#include "core/device/device_host.h"
#include "core/device/device_link.h"
#include "core/device/input_report_thread.h"
#include "win32/app/notice_gate.h"
#include "win32/device/device_notification.h"

namespace quendar::win32 {

class ReaderBridge final : public device::DeviceHost {
 public:
  // What the device link asks of the window on its thread.
  struct WindowWork {
    std::function<void()> hide;
    std::function<void()> runConnectionSteps;
  };
  ReaderBridge(HWND window, UINT noticeMessage, WindowWork work);
  ~ReaderBridge() override;
  ReaderBridge(const ReaderBridge&) = delete;
  ReaderBridge& operator=(const ReaderBridge&) = delete;

  // The reader, created held; the link releases it when the mouse is there. `link` outlives the reader.
  void CreateHeldReader(device::DeviceLink& link);
  bool RegisterDeviceNotices();
  // The window's thread: after this no notice is in flight or starts, and the reader has ended.
  void Stop();

  // The window's DeviceNotice, sent from any thread; returns once the window has handled it.
  void SendDeviceNotice(unsigned code, std::intptr_t argument);

  // device::DeviceHost
  void OnStageSwitched(std::uint8_t stage) override;
  void OnMouseNotDetected() override;
  void HideWindow() override;
  void RunConnectionSteps() override;

 private:
  HWND window_;
  UINT noticeMessage_;
  WindowWork work_;
  NoticeGate gate_;
  std::unique_ptr<device::InputReportThread> reader_;
  std::unique_ptr<DeviceNotificationRegistration> deviceNotices_;
};

}  // namespace quendar::win32
