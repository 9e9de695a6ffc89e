#include "win32/device/overlapped_command_channel.h"

#include <windows.h>
#include <hidclass.h>

#include <algorithm>
#include <chrono>
#include <optional>

namespace quendar::win32 {

namespace {

static_assert(device::kTimeoutError == ERROR_TIMEOUT);

DWORD MillisecondsUntil(device::Deadline deadline) {
  const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
  return static_cast<DWORD>(std::clamp<long long>(left.count(), 0, INFINITE - 1));
}

class OverlappedCommandChannel final : public device::HidChannel {
 public:
  OverlappedCommandChannel(UniqueFileHandle file, UniqueKernelHandle event)
      : file_(std::move(file)), event_(std::move(event)) {}

  device::IoResult SetFeature(std::span<const std::uint8_t> report, device::Deadline deadline) override {
    return Run(deadline, report.size(), [&](OVERLAPPED& overlapped) {
      // The platform takes a non-const buffer but only reads it.
      return ::DeviceIoControl(file_.get(), IOCTL_HID_SET_FEATURE, const_cast<std::uint8_t*>(report.data()),
                               static_cast<DWORD>(report.size()), nullptr, 0, nullptr, &overlapped);
    });
  }
  device::IoResult GetFeature(std::span<std::uint8_t> report, device::Deadline deadline) override {
    // The report ID travels in and the report comes back in the same buffer.
    return Run(deadline, report.size(), [&](OVERLAPPED& overlapped) {
      return ::DeviceIoControl(file_.get(), IOCTL_HID_GET_FEATURE, report.data(), static_cast<DWORD>(report.size()),
                               report.data(), static_cast<DWORD>(report.size()), nullptr, &overlapped);
    });
  }
  device::IoResult ReadReport(std::span<std::uint8_t> report, device::Deadline deadline) override {
    return Run(deadline, std::nullopt, [&](OVERLAPPED& overlapped) {
      return ::ReadFile(file_.get(), report.data(), static_cast<DWORD>(report.size()), nullptr, &overlapped);
    });
  }
  device::IoResult WriteReport(std::span<const std::uint8_t> report, device::Deadline deadline) override {
    return Run(deadline, std::nullopt, [&](OVERLAPPED& overlapped) {
      return ::WriteFile(file_.get(), report.data(), static_cast<DWORD>(report.size()), nullptr, &overlapped);
    });
  }

 private:
  // Issues one call and waits for it until the deadline. A feature request moves the whole report
  // when it succeeds (`wholeReport`); reads and writes answer the bytes the platform moved.
  template <class Issue>
  device::IoResult Run(device::Deadline deadline, std::optional<std::size_t> wholeReport, Issue issue) {
    OVERLAPPED overlapped{};
    overlapped.hEvent = event_.get();
    ::ResetEvent(event_.get());
    if (!issue(overlapped) && ::GetLastError() != ERROR_IO_PENDING) return device::IoResult::Failed(::GetLastError());

    DWORD transferred = 0;
    if (::WaitForSingleObject(event_.get(), MillisecondsUntil(deadline)) != WAIT_OBJECT_0) {
      ::CancelIoEx(file_.get(), &overlapped);
      // The buffer and the OVERLAPPED must outlive the call: wait for its end, cancelled or not. A call
      // that completed before the cancel reached it still counts.
      if (::GetOverlappedResult(file_.get(), &overlapped, &transferred, TRUE)) {
        return device::IoResult::Done(wholeReport.value_or(transferred));
      }
      return device::IoResult::Failed(device::kTimeoutError);
    }
    if (!::GetOverlappedResult(file_.get(), &overlapped, &transferred, FALSE)) {
      return device::IoResult::Failed(::GetLastError());
    }
    return device::IoResult::Done(wholeReport.value_or(transferred));
  }

  UniqueFileHandle file_;
  UniqueKernelHandle event_;  // manual reset: the completion of the call in progress
};

}  // namespace

std::unique_ptr<device::HidChannel> MakeOverlappedCommandChannel(UniqueFileHandle file) {
  UniqueKernelHandle event(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
  if (!event.valid()) return nullptr;
  return std::make_unique<OverlappedCommandChannel>(std::move(file), std::move(event));
}

}  // namespace quendar::win32
