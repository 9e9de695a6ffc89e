#include "win32/device/win32_hid_backend.h"

#include <setupapi.h>

#include <algorithm>
#include <vector>

#include "core/device/read_cancel_latch.h"
#include "win32/device/hid_interface_class.h"
#include "win32/device/overlapped_call.h"
#include "win32/device/overlapped_command_channel.h"
#include "win32/device/win32_reader_signal.h"
#include "win32/framework/unique_handle.h"

namespace quendar::win32 {

namespace {

constexpr NTSTATUS kHidpStatusSuccess = static_cast<NTSTATUS>(0x00110000);
constexpr DWORD kShareReadWrite = FILE_SHARE_READ | FILE_SHARE_WRITE;

struct DeviceInfoListTraits {
  using Type = HDEVINFO;
  static Type Invalid() { return INVALID_HANDLE_VALUE; }
  static bool IsValid(Type h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
  static void Close(Type h) { ::SetupDiDestroyDeviceInfoList(h); }
};
using UniqueDeviceInfoList = UniqueHandle<DeviceInfoListTraits>;

device::DeviceFailure Failure(device::DeviceCall call, const std::wstring& path, DWORD error = ::GetLastError()) {
  return device::DeviceFailure{call, path, static_cast<std::uint32_t>(error)};
}

class SetupApiInterfaceList final : public device::HidInterfaceList {
 public:
  explicit SetupApiInterfaceList(UniqueDeviceInfoList list) : list_(std::move(list)) {}

  device::DeviceResult<std::optional<std::wstring>> PathAt(std::uint32_t index) override {
    SP_DEVICE_INTERFACE_DATA data{};
    data.cbSize = sizeof data;
    if (!::SetupDiEnumDeviceInterfaces(list_.get(), nullptr, &kHidInterfaceClass, index, &data)) {
      const DWORD error = ::GetLastError();
      if (error == ERROR_NO_MORE_ITEMS) return std::optional<std::wstring>();
      return Failure(device::DeviceCall::ReadInterfacePath, {}, error);
    }
    DWORD required = 0;
    ::SetupDiGetDeviceInterfaceDetailW(list_.get(), &data, nullptr, 0, &required, nullptr);
    if (required < sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W)) return Failure(device::DeviceCall::ReadInterfacePath, {});
    std::vector<std::byte> buffer(required);
    auto* detail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_W*>(buffer.data());
    detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W);
    if (!::SetupDiGetDeviceInterfaceDetailW(list_.get(), &data, detail, required, nullptr, nullptr)) {
      return Failure(device::DeviceCall::ReadInterfacePath, {});
    }
    // The path ends at its terminator or at the end of what the platform filled in, whichever first.
    const std::size_t capacity = (required - offsetof(SP_DEVICE_INTERFACE_DETAIL_DATA_W, DevicePath)) / sizeof(wchar_t);
    return std::optional<std::wstring>(std::wstring(detail->DevicePath, ::wcsnlen(detail->DevicePath, capacity)));
  }

 private:
  UniqueDeviceInfoList list_;
};

class FileProbe final : public device::HidProbe {
 public:
  FileProbe(UniqueFileHandle file, std::wstring path, const HidFunctions& hid)
      : file_(std::move(file)), path_(std::move(path)), hid_(hid) {}

  device::DeviceResult<device::HidAttributes> Attributes() override {
    HIDD_ATTRIBUTES attributes{};
    attributes.Size = sizeof attributes;
    if (!hid_.getAttributes(file_.get(), &attributes)) return Failure(device::DeviceCall::ReadAttributes, path_);
    return device::HidAttributes{attributes.VendorID, attributes.ProductID, attributes.VersionNumber};
  }

  device::DeviceResult<device::HidCaps> Capabilities() override {
    PHIDP_PREPARSED_DATA preparsed = nullptr;
    if (!hid_.getPreparsedData(file_.get(), &preparsed)) return Failure(device::DeviceCall::ReadPreparsedData, path_);
    HIDP_CAPS caps{};
    const NTSTATUS status = hid_.getCaps(preparsed, &caps);
    hid_.freePreparsedData(preparsed);
    if (status != kHidpStatusSuccess) {
      return Failure(device::DeviceCall::ReadCapabilities, path_, static_cast<DWORD>(status));
    }
    return device::HidCaps{caps.Usage, caps.UsagePage, caps.InputReportByteLength, caps.OutputReportByteLength,
                           caps.FeatureReportByteLength};
  }

 private:
  UniqueFileHandle file_;
  std::wstring path_;
  const HidFunctions& hid_;
};

// One read at a time into the channel's own OverlappedCall, which completes on its own event: the
// reader's wake signal is only ever set by other threads, so a wake never passes for a completion.
class OverlappedEventChannel final : public device::EventChannel {
 public:
  OverlappedEventChannel(UniqueFileHandle file, std::wstring path) : file_(std::move(file)), path_(std::move(path)) {}

  ~OverlappedEventChannel() override {
    // The handle closes after this; the read, if the platform still holds it, keeps its buffer until it ends.
    if (read_ && read_->inFlight) ::CancelIoEx(file_.get(), &read_->overlapped);
    ReleaseWhenEnded(std::move(read_));
  }

  // The reader's thread.
  device::DeviceStatus StartRead(std::size_t length) override {
    if (read_ && read_->inFlight) return {};
    if (!read_) read_ = OverlappedCall::Create();
    if (!read_) return Failure(device::DeviceCall::StartRead, path_);
    read_->Prepare();
    cancel_.Arm();
    const DWORD size = static_cast<DWORD>(std::min(length, read_->buffer.size()));
    if (!::ReadFile(file_.get(), read_->buffer.data(), size, nullptr, &read_->overlapped) &&
        ::GetLastError() != ERROR_IO_PENDING) {
      const DWORD error = ::GetLastError();
      cancel_.Disarm();
      return Failure(device::DeviceCall::StartRead, path_, error);
    }
    read_->inFlight = true;
    // A cancel that came before the platform had the read found nothing to end: end it now.
    if (cancel_.CancelledSinceArm()) ::CancelIoEx(file_.get(), &read_->overlapped);
    return {};
  }

  // The reader's thread.
  std::optional<device::EventReport> WaitForRead(device::ReaderSignal& wake) override {
    if (!read_ || !read_->inFlight) return std::nullopt;
    // The backend creates every ReaderSignal, so this is a kernel event.
    const HANDLE handles[] = {read_->done.get(), static_cast<Win32ReaderSignal&>(wake).handle()};
    // The read's own event comes first: a read that ended as the wake came is taken.
    if (::WaitForMultipleObjects(2, handles, FALSE, INFINITE) != WAIT_OBJECT_0 && !read_->Ended()) return std::nullopt;
    DWORD transferred = 0;
    const bool ok = ::GetOverlappedResult(file_.get(), &read_->overlapped, &transferred, FALSE);
    read_->inFlight = false;
    cancel_.Disarm();
    device::EventReport report;
    if (ok) {
      report.length = std::min<std::size_t>(transferred, report.bytes.size());
      std::copy_n(read_->buffer.begin(), report.length, report.bytes.begin());
    }
    return report;
  }

  void CancelPendingRead() override {
    // From any thread: CancelIoEx reaches reads issued by another thread.
    if (cancel_.RequestCancel()) ::CancelIoEx(file_.get(), nullptr);
  }

 private:
  UniqueFileHandle file_;
  std::wstring path_;
  std::unique_ptr<OverlappedCall> read_;  // the reader's thread only
  device::ReadCancelLatch cancel_;
};

UniqueFileHandle OpenPath(const std::wstring& path, DWORD access, DWORD flags) {
  return UniqueFileHandle(::CreateFileW(path.c_str(), access, kShareReadWrite, nullptr, OPEN_EXISTING, flags, nullptr));
}

}  // namespace

device::DeviceResult<std::unique_ptr<device::HidInterfaceList>> Win32HidBackend::ListInterfaces() {
  // Without the HID functions every probe would fail and be skipped: say why at once instead.
  if (const auto hid = hid_.Functions(); !hid) return hid.failure();
  UniqueDeviceInfoList list(
      ::SetupDiGetClassDevsW(&kHidInterfaceClass, nullptr, nullptr, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE));
  if (!list.valid()) return Failure(device::DeviceCall::ListInterfaces, {});
  return std::make_unique<SetupApiInterfaceList>(std::move(list));
}

device::DeviceResult<std::unique_ptr<device::HidProbe>> Win32HidBackend::OpenProbe(const std::wstring& path) {
  const device::DeviceResult<const HidFunctions*> hid = hid_.Functions();
  if (!hid) return hid.failure();
  UniqueFileHandle file = OpenPath(path, 0, 0);
  if (!file.valid()) return Failure(device::DeviceCall::OpenProbe, path);
  return std::make_unique<FileProbe>(std::move(file), path, **hid);
}

device::DeviceResult<std::unique_ptr<device::HidChannel>> Win32HidBackend::OpenCommandChannel(const std::wstring& path) {
  UniqueFileHandle file = OpenPath(path, GENERIC_READ | GENERIC_WRITE, FILE_FLAG_OVERLAPPED);
  if (!file.valid()) return Failure(device::DeviceCall::OpenCommandInterface, path);
  std::unique_ptr<device::HidChannel> channel = MakeOverlappedCommandChannel(std::move(file));
  if (!channel) return Failure(device::DeviceCall::OpenCommandInterface, path);
  return channel;
}

device::DeviceResult<std::unique_ptr<device::EventChannel>> Win32HidBackend::OpenEventChannel(const std::wstring& path) {
  UniqueFileHandle file = OpenPath(path, GENERIC_READ, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OVERLAPPED);
  if (!file.valid()) return Failure(device::DeviceCall::OpenEventInterface, path);
  return std::make_unique<OverlappedEventChannel>(std::move(file), path);
}

device::DeviceResult<std::unique_ptr<device::ReaderSignal>> Win32HidBackend::CreateReaderSignal() {
  auto signal = std::make_unique<Win32ReaderSignal>();
  if (!signal->valid()) return Failure(device::DeviceCall::CreateReaderSignal, {});
  return signal;
}

}  // namespace quendar::win32
