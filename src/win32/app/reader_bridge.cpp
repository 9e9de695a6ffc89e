#include "win32/app/reader_bridge.h"

#include <utility>

#include "core/app/app_messages.h"

namespace quendar::win32 {

ReaderBridge::ReaderBridge(HWND window, UINT noticeMessage, WindowWork work)
    : window_(window), noticeMessage_(noticeMessage), work_(std::move(work)) {}

ReaderBridge::~ReaderBridge() { Stop(); }

void ReaderBridge::CreateHeldReader(device::DeviceLink& link) {
  reader_ = std::make_unique<device::InputReportThread>(link, *this);
}

bool ReaderBridge::RegisterDeviceNotices() {
  deviceNotices_ = std::make_unique<DeviceNotificationRegistration>(window_);
  return deviceNotices_->valid();
}

void ReaderBridge::Stop() {
  // A reader blocked in a send to this thread must get its answer before the thread waits for it.
  gate_.CloseAndDrain();
  reader_.reset();
  deviceNotices_.reset();
}

void ReaderBridge::SendDeviceNotice(unsigned code, std::intptr_t argument) {
  gate_.Send(window_, noticeMessage_, code, static_cast<LPARAM>(argument));
}

void ReaderBridge::OnStageSwitched(std::uint8_t stage) { SendDeviceNotice(app::kNoticeStageSwitched, stage); }

void ReaderBridge::OnMouseNotDetected() { SendDeviceNotice(app::kNoticeNotDetected, 0); }

void ReaderBridge::HideWindow() {
  if (work_.hide) work_.hide();
}

void ReaderBridge::RunConnectionSteps() {
  if (work_.runConnectionSteps) work_.runConnectionSteps();
}

}  // namespace quendar::win32
