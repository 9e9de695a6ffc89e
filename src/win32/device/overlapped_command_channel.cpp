#include "win32/device/overlapped_command_channel.h"

#include <hidclass.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <optional>

#include "win32/device/overlapped_call.h"

namespace quendar::win32 {

namespace {

static_assert(device::kTimeoutError == ERROR_TIMEOUT);
static_assert(device::kInterfaceRetiredError == ERROR_DEVICE_NOT_AVAILABLE);

DWORD MillisecondsUntil(device::Deadline deadline) {
  const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
  return static_cast<DWORD>(std::clamp<long long>(left.count(), 0, INFINITE - 1));
}

class OverlappedCommandChannel final : public device::HidChannel {
 public:
  OverlappedCommandChannel(UniqueFileHandle file, std::unique_ptr<OverlappedCall> call, CancelCall cancel)
      : file_(std::move(file)), call_(std::move(call)), cancel_(cancel) {}
  ~OverlappedCommandChannel() override { ReleaseWhenEnded(std::move(call_)); }

  device::IoResult SetFeature(std::span<const std::uint8_t> report, device::Deadline deadline) override {
    return Run(deadline, report, {}, report.size(), [&](OverlappedCall& call) {
      return ::DeviceIoControl(file_.get(), IOCTL_HID_SET_FEATURE, call.buffer.data(), static_cast<DWORD>(report.size()),
                               nullptr, 0, nullptr, &call.overlapped);
    });
  }
  device::IoResult GetFeature(std::span<std::uint8_t> report, device::Deadline deadline) override {
    // The report ID travels in and the report comes back in the same buffer.
    return Run(deadline, report, report, report.size(), [&](OverlappedCall& call) {
      return ::DeviceIoControl(file_.get(), IOCTL_HID_GET_FEATURE, call.buffer.data(), static_cast<DWORD>(report.size()),
                               call.buffer.data(), static_cast<DWORD>(report.size()), nullptr, &call.overlapped);
    });
  }
  device::IoResult ReadReport(std::span<std::uint8_t> report, device::Deadline deadline) override {
    return Run(deadline, {}, report, std::nullopt, [&](OverlappedCall& call) {
      return ::ReadFile(file_.get(), call.buffer.data(), static_cast<DWORD>(report.size()), nullptr, &call.overlapped);
    });
  }
  device::IoResult WriteReport(std::span<const std::uint8_t> report, device::Deadline deadline) override {
    return Run(deadline, report, {}, std::nullopt, [&](OverlappedCall& call) {
      return ::WriteFile(file_.get(), call.buffer.data(), static_cast<DWORD>(report.size()), nullptr, &call.overlapped);
    });
  }

 private:
  // Issues one call on the channel's own buffer (`in` copied there first, `out` filled from it) and
  // waits for it until the deadline. A feature request moves the whole report when it succeeds
  // (`wholeReport`); reads and writes answer the bytes the platform moved.
  template <class Issue>
  device::IoResult Run(device::Deadline deadline, std::span<const std::uint8_t> in, std::span<std::uint8_t> out,
                       std::optional<std::size_t> wholeReport, Issue issue) {
    if (!call_) return device::IoResult::Failed(device::kInterfaceRetiredError);
    if (in.size() > call_->buffer.size() || out.size() > call_->buffer.size()) {
      return device::IoResult::Failed(ERROR_INSUFFICIENT_BUFFER);
    }
    call_->Prepare();
    std::copy(in.begin(), in.end(), call_->buffer.begin());
    if (!issue(*call_) && ::GetLastError() != ERROR_IO_PENDING) return device::IoResult::Failed(::GetLastError());
    call_->inFlight = true;

    if (::WaitForSingleObject(call_->done.get(), MillisecondsUntil(deadline)) != WAIT_OBJECT_0) {
      cancel_(file_.get(), &call_->overlapped);
      const auto grace = static_cast<DWORD>(device::kCancelGrace.count());
      if (::WaitForSingleObject(call_->done.get(), grace) != WAIT_OBJECT_0) {
        // The call may end whenever the driver pleases: it keeps its buffer, the channel takes no more.
        ReleaseWhenEnded(std::move(call_));
        return device::IoResult::Failed(device::kInterfaceRetiredError);
      }
      // A call that completed before the cancel reached it still counts.
      return Collect(out, wholeReport, device::kTimeoutError);
    }
    return Collect(out, wholeReport, std::nullopt);
  }

  // The ended call's result; a failed one answers `failure` when given, else the platform's error.
  device::IoResult Collect(std::span<std::uint8_t> out, std::optional<std::size_t> wholeReport,
                           std::optional<std::uint32_t> failure) {
    DWORD transferred = 0;
    const bool ok = ::GetOverlappedResult(file_.get(), &call_->overlapped, &transferred, FALSE);
    const DWORD error = ::GetLastError();
    call_->inFlight = false;
    if (!ok) return device::IoResult::Failed(failure.value_or(error));
    const std::size_t moved = std::min<std::size_t>(transferred, out.size());
    std::copy_n(call_->buffer.begin(), wholeReport ? out.size() : moved, out.begin());
    return device::IoResult::Done(wholeReport.value_or(transferred));
  }

  UniqueFileHandle file_;
  std::unique_ptr<OverlappedCall> call_;  // null once retired
  CancelCall cancel_;
};

}  // namespace

std::unique_ptr<device::HidChannel> MakeOverlappedCommandChannel(UniqueFileHandle file, CancelCall cancel) {
  std::unique_ptr<OverlappedCall> call = OverlappedCall::Create();
  if (!call) return nullptr;
  return std::make_unique<OverlappedCommandChannel>(std::move(file), std::move(call), cancel);
}

}  // namespace quendar::win32
