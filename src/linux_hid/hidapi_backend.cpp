#include "linux_hid/hidapi_backend.h"

#include <hidapi/hidapi.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

#include "core/device/device_link.h"
#include "core/device/portable_reader_signal.h"
#include "core/ini/text_encoding.h"

namespace quendar::linux_hid {
namespace {

// hidapi 0.13 does not hand out the report descriptor, so the lengths are the ones the mouse's
// collections declare (report ID byte included): 8-byte packets as feature reports, 32-byte chunks as
// input and output reports, 8-byte event reports.
device::HidCaps CapsOf(std::uint16_t usagePage, std::uint16_t usage) {
  if (usagePage == device::kCommandUsagePage) return {usage, usagePage, 33, 33, 9};
  if (usagePage == device::kEventUsagePage) return {usage, usagePage, 8, 0, 0};
  return {usage, usagePage, 0, 0, 0};
}

// One listing entry as DeviceLink passes it around: the node, then what the listing said of it.
struct InterfaceKey {
  std::string node;
  device::HidAttributes attributes;
  std::uint16_t usagePage = 0;
  std::uint16_t usage = 0;
};

constexpr char kKeySeparator = '|';

std::wstring EncodeKey(const hid_device_info& info) {
  char fields[32];
  std::snprintf(fields, sizeof fields, "%04X:%04X:%04X:%04X:%04X", info.vendor_id, info.product_id,
                info.release_number, info.usage_page, info.usage);
  return ini::FromUtf8(std::string(info.path) + kKeySeparator + fields);
}

std::optional<InterfaceKey> DecodeKey(const std::wstring& key) {
  const std::string text = ini::ToUtf8(key);
  const std::size_t at = text.rfind(kKeySeparator);
  if (at == std::string::npos) return std::nullopt;
  unsigned vid = 0, pid = 0, release = 0, page = 0, usage = 0;
  if (std::sscanf(text.c_str() + at + 1, "%4X:%4X:%4X:%4X:%4X", &vid, &pid, &release, &page, &usage) != 5) {
    return std::nullopt;
  }
  InterfaceKey result;
  result.node = text.substr(0, at);
  result.attributes = {static_cast<std::uint16_t>(vid), static_cast<std::uint16_t>(pid),
                       static_cast<std::uint16_t>(release)};
  result.usagePage = static_cast<std::uint16_t>(page);
  result.usage = static_cast<std::uint16_t>(usage);
  return result;
}

struct DeviceCloser {
  void operator()(hid_device* device) const { hid_close(device); }
};
using DeviceHandle = std::unique_ptr<hid_device, DeviceCloser>;

// errno of the call that just failed; hidapi leaves the system's value in place for hidraw calls.
std::uint32_t LastError() { return static_cast<std::uint32_t>(errno); }

int MillisecondsUntil(device::Deadline deadline) {
  const auto left =
      std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now()).count();
  return static_cast<int>(std::clamp<long long>(left, 0, 60'000));
}

class InterfaceList final : public device::HidInterfaceList {
 public:
  explicit InterfaceList(std::vector<std::wstring> keys) : keys_(std::move(keys)) {}
  device::DeviceResult<std::optional<std::wstring>> PathAt(std::uint32_t index) override {
    if (index >= keys_.size()) return std::optional<std::wstring>{};
    return std::optional<std::wstring>(keys_[index]);
  }

 private:
  std::vector<std::wstring> keys_;
};

class ListedProbe final : public device::HidProbe {
 public:
  explicit ListedProbe(InterfaceKey key) : key_(std::move(key)) {}
  device::DeviceResult<device::HidAttributes> Attributes() override { return key_.attributes; }
  device::DeviceResult<device::HidCaps> Capabilities() override { return CapsOf(key_.usagePage, key_.usage); }

 private:
  InterfaceKey key_;
};

// hidraw hands the reports of a collection without report IDs over without the ID byte, while the
// transport's reports always begin with it (0 here): input reports get it back, output and feature
// reports carry it to hidapi, which drops ID 0.
class NodeCommandChannel final : public device::HidChannel {
 public:
  explicit NodeCommandChannel(DeviceHandle device) : device_(std::move(device)) {}

  // hidraw's feature calls are synchronous ioctls; the kernel bounds each control transfer itself.
  device::IoResult SetFeature(std::span<const std::uint8_t> report, device::Deadline) override {
    const int sent = hid_send_feature_report(device_.get(), report.data(), report.size());
    if (sent < 0) return device::IoResult::Failed(LastError());
    return device::IoResult::Done(static_cast<std::size_t>(sent));
  }

  device::IoResult GetFeature(std::span<std::uint8_t> report, device::Deadline) override {
    if (report.empty()) return device::IoResult::Failed(EINVAL);
    report[0] = 0;
    const int got = hid_get_feature_report(device_.get(), report.data(), report.size());
    if (got < 0) return device::IoResult::Failed(LastError());
    return device::IoResult::Done(static_cast<std::size_t>(got));
  }

  device::IoResult ReadReport(std::span<std::uint8_t> report, device::Deadline deadline) override {
    if (report.empty()) return device::IoResult::Failed(EINVAL);
    std::fill(report.begin(), report.end(), 0);
    const int got = hid_read_timeout(device_.get(), report.data() + 1, report.size() - 1, MillisecondsUntil(deadline));
    if (got < 0) return device::IoResult::Failed(LastError());
    if (got == 0) return device::IoResult::Failed(device::kTimeoutError);
    return device::IoResult::Done(static_cast<std::size_t>(got) + 1);
  }

  device::IoResult WriteReport(std::span<const std::uint8_t> report, device::Deadline) override {
    const int written = hid_write(device_.get(), report.data(), report.size());
    if (written < 0) return device::IoResult::Failed(LastError());
    return device::IoResult::Done(static_cast<std::size_t>(written));
  }

 private:
  DeviceHandle device_;
};

// How long one blocking read of the event node may last before the worker looks for a cancel.
constexpr int kReadSliceMs = 50;

// The event node read on a worker thread: StartRead hands the worker a length, the worker reads into
// the channel's own report in slices until a report comes, the read is cancelled or the node fails,
// then wakes whoever waits for the read.
class NodeEventChannel final : public device::EventChannel {
 public:
  NodeEventChannel(DeviceHandle device, std::wstring node)
      : device_(std::move(device)), node_(std::move(node)), worker_([this] { Work(); }) {}

  ~NodeEventChannel() override {
    {
      std::lock_guard lock(mutex_);
      closing_ = true;
    }
    changed_.notify_all();
    worker_.join();
  }

  device::DeviceStatus StartRead(std::size_t length) override {
    {
      std::lock_guard lock(mutex_);
      if (failedError_ != 0) return device::DeviceFailure{device::DeviceCall::StartRead, node_, failedError_};
      if (state_ != State::Idle) return {};  // the last read is still there
      state_ = State::Pending;
      length_ = std::min(length, report_.bytes.size());
      cancelled_ = false;
    }
    changed_.notify_all();
    return {};
  }

  std::optional<device::EventReport> WaitForRead(device::ReaderSignal& wake) override {
    std::unique_lock lock(mutex_);
    if (state_ == State::Pending) {
      // The worker sets `wake` when the read ends from now on; an end before was seen under the lock.
      wake_ = &wake;
      lock.unlock();
      wake.Wait();
      lock.lock();
      wake_ = nullptr;
    }
    if (state_ != State::Ended) return std::nullopt;
    state_ = State::Idle;
    return std::exchange(report_, device::EventReport{});
  }

  void CancelPendingRead() override {
    std::lock_guard lock(mutex_);
    if (state_ == State::Pending) cancelled_ = true;
  }

 private:
  enum class State { Idle, Pending, Ended };

  void Work() {
    std::array<std::uint8_t, device::kDataBufferSize> bytes{};
    std::unique_lock lock(mutex_);
    while (true) {
      changed_.wait(lock, [this] { return closing_ || state_ == State::Pending; });
      if (closing_) return;
      const std::size_t wanted = length_;
      int got = 0;
      while (got == 0 && !cancelled_ && !closing_) {
        lock.unlock();
        got = hid_read_timeout(device_.get(), bytes.data(), wanted, kReadSliceMs);
        const int error = errno;
        lock.lock();
        // The node is gone: no further read can start.
        if (got < 0) failedError_ = error != 0 ? static_cast<std::uint32_t>(error) : EIO;
      }
      report_ = {};
      if (got > 0 && !cancelled_ && !closing_) {
        std::copy_n(bytes.begin(), got, report_.bytes.begin());
        report_.length = static_cast<std::size_t>(got);
      }
      state_ = State::Ended;
      if (wake_) wake_->Set();
    }
  }

  DeviceHandle device_;
  std::wstring node_;
  std::mutex mutex_;
  std::condition_variable changed_;
  State state_ = State::Idle;
  std::size_t length_ = 0;
  device::EventReport report_;
  device::ReaderSignal* wake_ = nullptr;
  bool cancelled_ = false;
  std::uint32_t failedError_ = 0;
  bool closing_ = false;
  std::thread worker_;  // last: starts once every member it uses exists
};

}  // namespace

HidapiBackend::HidapiBackend(device::Pacer* pacer)
    : ownPacer_(pacer ? nullptr : std::make_unique<device::SteadyPacer>()),
      pacer_(pacer ? pacer : ownPacer_.get()),
      initialized_(hid_init() == 0) {}

// hid_exit is left out: it ends the library for the whole process, also for a second backend.
HidapiBackend::~HidapiBackend() = default;

device::DeviceResult<std::unique_ptr<device::HidInterfaceList>> HidapiBackend::ListInterfaces() {
  // hidapi answers null both for an empty listing and for a failure: only hid_error tells them apart,
  // and the walk ends without the mouse either way.
  if (!initialized_) return device::DeviceFailure{device::DeviceCall::LoadHidLibrary, L"", EIO};
  hid_device_info* first = hid_enumerate(device::kMouseVendorId, device::kMouseProductId);
  std::vector<std::wstring> keys;
  for (const hid_device_info* info = first; info; info = info->next) {
    if (info->path) keys.push_back(EncodeKey(*info));
  }
  hid_free_enumeration(first);
  return std::unique_ptr<device::HidInterfaceList>(std::make_unique<InterfaceList>(std::move(keys)));
}

device::DeviceResult<std::unique_ptr<device::HidProbe>> HidapiBackend::OpenProbe(const std::wstring& path) {
  std::optional<InterfaceKey> key = DecodeKey(path);
  if (!key) return device::DeviceFailure{device::DeviceCall::OpenProbe, path, EINVAL};
  return std::unique_ptr<device::HidProbe>(std::make_unique<ListedProbe>(std::move(*key)));
}

namespace {
// The node of a listing entry opened for reading and writing, or the failure naming the node and errno.
device::DeviceResult<DeviceHandle> OpenNode(const std::wstring& path, device::DeviceCall call) {
  const std::optional<InterfaceKey> key = DecodeKey(path);
  if (!key) return device::DeviceFailure{call, path, EINVAL};
  errno = 0;
  DeviceHandle device(hid_open_path(key->node.c_str()));
  if (!device) {
    const int error = errno;
    return device::DeviceFailure{call, ini::FromUtf8(key->node), static_cast<std::uint32_t>(error != 0 ? error : ENODEV)};
  }
  return device;
}
}  // namespace

device::DeviceResult<std::unique_ptr<device::HidChannel>> HidapiBackend::OpenCommandChannel(const std::wstring& path) {
  device::DeviceResult<DeviceHandle> device = OpenNode(path, device::DeviceCall::OpenCommandInterface);
  if (!device) return device.failure();
  return std::unique_ptr<device::HidChannel>(std::make_unique<NodeCommandChannel>(std::move(*device)));
}

device::DeviceResult<std::unique_ptr<device::EventChannel>> HidapiBackend::OpenEventChannel(const std::wstring& path) {
  device::DeviceResult<DeviceHandle> device = OpenNode(path, device::DeviceCall::OpenEventInterface);
  if (!device) return device.failure();
  const std::wstring node = ini::FromUtf8(DecodeKey(path)->node);
  return std::unique_ptr<device::EventChannel>(std::make_unique<NodeEventChannel>(std::move(*device), node));
}

device::DeviceResult<std::unique_ptr<device::ReaderSignal>> HidapiBackend::CreateReaderSignal() {
  return std::unique_ptr<device::ReaderSignal>(std::make_unique<device::PortableReaderSignal>());
}

}  // namespace quendar::linux_hid
