#include "win32/device/win32_hid_backend.h"

#include <setupapi.h>
extern "C" {
#include <hidsdi.h>
}

#include <vector>

#include "core/device/read_cancel_latch.h"
#include "win32/device/hid_interface_class.h"
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

class SetupApiInterfaceList final : public device::HidInterfaceList {
 public:
  explicit SetupApiInterfaceList(UniqueDeviceInfoList list) : list_(std::move(list)) {}

  device::EnumStatus Interface(std::uint32_t index) override {
    data_ = SP_DEVICE_INTERFACE_DATA{};
    data_.cbSize = sizeof data_;
    if (::SetupDiEnumDeviceInterfaces(list_.get(), nullptr, &kHidInterfaceClass, index, &data_)) {
      return device::EnumStatus::Ok;
    }
    return ::GetLastError() == ERROR_NO_MORE_ITEMS ? device::EnumStatus::NoMoreItems : device::EnumStatus::Failed;
  }

  std::optional<std::wstring> DetailPath(std::uint32_t) override {
    DWORD required = 0;
    ::SetupDiGetDeviceInterfaceDetailW(list_.get(), &data_, nullptr, 0, &required, nullptr);
    if (required < sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W)) return std::nullopt;
    std::vector<std::byte> buffer(required);
    auto* detail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_W*>(buffer.data());
    detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W);
    if (!::SetupDiGetDeviceInterfaceDetailW(list_.get(), &data_, detail, required, nullptr, nullptr)) {
      return std::nullopt;
    }
    // The path ends at its terminator or at the end of what the platform filled in, whichever first.
    const std::size_t capacity = (required - offsetof(SP_DEVICE_INTERFACE_DETAIL_DATA_W, DevicePath)) / sizeof(wchar_t);
    return std::wstring(detail->DevicePath, ::wcsnlen(detail->DevicePath, capacity));
  }

 private:
  UniqueDeviceInfoList list_;
  SP_DEVICE_INTERFACE_DATA data_{};
};

class FileProbe final : public device::HidProbe {
 public:
  explicit FileProbe(UniqueFileHandle file) : file_(std::move(file)) {}

  std::optional<device::HidAttributes> Attributes() override {
    HIDD_ATTRIBUTES attributes{};
    attributes.Size = sizeof attributes;
    if (!::HidD_GetAttributes(file_.get(), &attributes)) return std::nullopt;
    return device::HidAttributes{attributes.VendorID, attributes.ProductID, attributes.VersionNumber};
  }

  device::CapsQuery Capabilities() override {
    PHIDP_PREPARSED_DATA preparsed = nullptr;
    if (!::HidD_GetPreparsedData(file_.get(), &preparsed)) return {device::CapsStatus::NoPreparsedData, {}};
    HIDP_CAPS caps{};
    const NTSTATUS status = ::HidP_GetCaps(preparsed, &caps);
    ::HidD_FreePreparsedData(preparsed);
    // 0xC0110001 (invalid preparsed data) and any other failure status alike.
    if (status != kHidpStatusSuccess) return {device::CapsStatus::InvalidPreparsedData, {}};
    return {device::CapsStatus::Ok,
            {caps.Usage, caps.UsagePage, caps.InputReportByteLength, caps.OutputReportByteLength,
             caps.FeatureReportByteLength}};
  }

 private:
  UniqueFileHandle file_;
};

class OverlappedEventChannel final : public device::EventChannel {
 public:
  explicit OverlappedEventChannel(UniqueFileHandle file) : file_(std::move(file)) {}

  ~OverlappedEventChannel() override {
    // The read's buffer and OVERLAPPED must outlive it: end it before the handle closes.
    if (pending_) {
      ::CancelIoEx(file_.get(), &overlapped_);
      DWORD transferred = 0;
      ::GetOverlappedResult(file_.get(), &overlapped_, &transferred, TRUE);
    }
  }

  // The reader's thread.
  bool StartRead(std::span<std::uint8_t> buffer, device::ReaderSignal& completion) override {
    overlapped_ = OVERLAPPED{};
    // The backend creates every ReaderSignal, so this is the kernel event the read can complete on.
    overlapped_.hEvent = static_cast<Win32ReaderSignal&>(completion).handle();
    cancel_.Arm();
    if (!::ReadFile(file_.get(), buffer.data(), static_cast<DWORD>(buffer.size()), nullptr, &overlapped_) &&
        ::GetLastError() != ERROR_IO_PENDING) {
      cancel_.Disarm();
      return false;
    }
    pending_ = true;
    // A cancel that came before the platform had the read found nothing to end: end it now.
    if (cancel_.CancelledSinceArm()) ::CancelIoEx(file_.get(), &overlapped_);
    return true;
  }

  // The reader's thread.
  std::size_t FinishRead() override {
    if (!pending_) return 0;
    DWORD transferred = 0;
    const bool ok = ::GetOverlappedResult(file_.get(), &overlapped_, &transferred, TRUE);
    pending_ = false;
    cancel_.Disarm();
    return ok ? transferred : 0;
  }

  void CancelPendingRead() override {
    // From any thread: CancelIoEx reaches reads issued by another thread.
    if (cancel_.RequestCancel()) ::CancelIoEx(file_.get(), nullptr);
  }

 private:
  UniqueFileHandle file_;
  OVERLAPPED overlapped_{};
  bool pending_ = false;  // the reader's thread only
  device::ReadCancelLatch cancel_;
};

UniqueFileHandle OpenPath(const std::wstring& path, DWORD access, DWORD flags) {
  return UniqueFileHandle(::CreateFileW(path.c_str(), access, kShareReadWrite, nullptr, OPEN_EXISTING, flags, nullptr));
}

}  // namespace

std::unique_ptr<device::HidInterfaceList> Win32HidBackend::ListInterfaces() {
  UniqueDeviceInfoList list(
      ::SetupDiGetClassDevsW(&kHidInterfaceClass, nullptr, nullptr, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE));
  if (!list.valid()) return nullptr;
  return std::make_unique<SetupApiInterfaceList>(std::move(list));
}

std::unique_ptr<device::HidProbe> Win32HidBackend::OpenProbe(const std::wstring& path) {
  UniqueFileHandle file = OpenPath(path, 0, 0);
  if (!file.valid()) return nullptr;
  return std::make_unique<FileProbe>(std::move(file));
}

std::unique_ptr<device::HidChannel> Win32HidBackend::OpenCommandChannel(const std::wstring& path) {
  UniqueFileHandle file = OpenPath(path, GENERIC_READ | GENERIC_WRITE, FILE_FLAG_OVERLAPPED);
  if (!file.valid()) return nullptr;
  return MakeOverlappedCommandChannel(std::move(file));
}

std::unique_ptr<device::EventChannel> Win32HidBackend::OpenEventChannel(const std::wstring& path) {
  UniqueFileHandle file = OpenPath(path, GENERIC_READ, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OVERLAPPED);
  if (!file.valid()) return nullptr;
  return std::make_unique<OverlappedEventChannel>(std::move(file));
}

std::unique_ptr<device::ReaderSignal> Win32HidBackend::CreateReaderSignal() {
  auto signal = std::make_unique<Win32ReaderSignal>();
  if (!signal->valid()) return nullptr;
  return signal;
}

}  // namespace quendar::win32
