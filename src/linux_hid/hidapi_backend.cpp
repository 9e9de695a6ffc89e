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
  device::EnumStatus Interface(std::uint32_t index) override {
    return index < keys_.size() ? device::EnumStatus::Ok : device::EnumStatus::NoMoreItems;
  }
  std::optional<std::wstring> DetailPath(std::uint32_t index) override {
    if (index >= keys_.size()) return std::nullopt;
    return keys_[index];
  }

 private:
  std::vector<std::wstring> keys_;
};

class ListedProbe final : public device::HidProbe {
 public:
  explicit ListedProbe(InterfaceKey key) : key_(std::move(key)) {}
  std::optional<device::HidAttributes> Attributes() override { return key_.attributes; }
  device::CapsQuery Capabilities() override { return {device::CapsStatus::Ok, CapsOf(key_.usagePage, key_.usage)}; }

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

// The event node read on a worker thread: StartRead hands the worker a buffer, the worker reads in
// slices until a report comes, the read is cancelled or the node fails, then sets the completion.
class NodeEventChannel final : public device::EventChannel {
 public:
  explicit NodeEventChannel(DeviceHandle device) : device_(std::move(device)), worker_([this] { Work(); }) {}

  ~NodeEventChannel() override {
    {
      std::lock_guard lock(mutex_);
      closing_ = true;
    }
    changed_.notify_all();
    worker_.join();
  }

  bool StartRead(std::span<std::uint8_t> buffer, device::ReaderSignal& completion) override {
    {
      std::lock_guard lock(mutex_);
      if (state_ != State::Idle || failed_ || buffer.empty()) return false;
      state_ = State::Pending;
      buffer_ = buffer;
      completion_ = &completion;
      cancelled_ = false;
      bytes_ = 0;
    }
    changed_.notify_all();
    return true;
  }

  std::size_t FinishRead() override {
    std::unique_lock lock(mutex_);
    if (state_ == State::Idle) return 0;
    changed_.wait(lock, [this] { return state_ == State::Ended; });
    state_ = State::Idle;
    return std::exchange(bytes_, 0);
  }

  void CancelPendingRead() override {
    std::lock_guard lock(mutex_);
    if (state_ == State::Pending) cancelled_ = true;
  }

 private:
  enum class State { Idle, Pending, Ended };

  void Work() {
    std::array<std::uint8_t, device::kDataBufferSize> report{};
    std::unique_lock lock(mutex_);
    while (true) {
      changed_.wait(lock, [this] { return closing_ || state_ == State::Pending; });
      if (closing_) {
        if (state_ == State::Pending) Complete(0);
        return;
      }
      const std::size_t wanted = std::min(buffer_.size(), report.size());
      int got = 0;
      while (got == 0 && !cancelled_ && !closing_) {
        lock.unlock();
        got = hid_read_timeout(device_.get(), report.data(), wanted, kReadSliceMs);
        lock.lock();
      }
      if (got < 0) failed_ = true;  // the node is gone: no further read can start
      if (got > 0 && !cancelled_ && !closing_) {
        std::copy_n(report.begin(), got, buffer_.begin());
        Complete(static_cast<std::size_t>(got));
      } else {
        Complete(0);
      }
    }
  }

  // Caller holds mutex_.
  void Complete(std::size_t bytes) {
    state_ = State::Ended;
    bytes_ = bytes;
    buffer_ = {};
    completion_->Set();
    changed_.notify_all();
  }

  DeviceHandle device_;
  std::mutex mutex_;
  std::condition_variable changed_;
  State state_ = State::Idle;
  std::span<std::uint8_t> buffer_;
  device::ReaderSignal* completion_ = nullptr;
  std::size_t bytes_ = 0;
  bool cancelled_ = false;
  bool failed_ = false;
  bool closing_ = false;
  std::thread worker_;  // last: starts once every member it uses exists
};

}  // namespace

HidapiBackend::HidapiBackend(device::Pacer* pacer)
    : ownPacer_(pacer ? nullptr : std::make_unique<device::SteadyPacer>()), pacer_(pacer ? pacer : ownPacer_.get()) {
  hid_init();
}

// hid_exit is left out: it ends the library for the whole process, also for a second backend.
HidapiBackend::~HidapiBackend() = default;

std::unique_ptr<device::HidInterfaceList> HidapiBackend::ListInterfaces() {
  // A listing with nothing in it is an empty list, not a failure: hidapi answers null for both.
  hid_device_info* first = hid_enumerate(device::kMouseVendorId, device::kMouseProductId);
  std::vector<std::wstring> keys;
  for (const hid_device_info* info = first; info; info = info->next) {
    if (info->path) keys.push_back(EncodeKey(*info));
  }
  hid_free_enumeration(first);
  return std::make_unique<InterfaceList>(std::move(keys));
}

std::unique_ptr<device::HidProbe> HidapiBackend::OpenProbe(const std::wstring& path) {
  std::optional<InterfaceKey> key = DecodeKey(path);
  if (!key) return nullptr;
  return std::make_unique<ListedProbe>(std::move(*key));
}

namespace {
DeviceHandle OpenNode(const std::wstring& path, std::optional<OpenFailure>& failure) {
  const std::optional<InterfaceKey> key = DecodeKey(path);
  if (!key) return nullptr;
  errno = 0;
  DeviceHandle device(hid_open_path(key->node.c_str()));
  if (!device) failure = OpenFailure{key->node, errno};
  return device;
}
}  // namespace

std::unique_ptr<device::HidChannel> HidapiBackend::OpenCommandChannel(const std::wstring& path) {
  DeviceHandle device = OpenNode(path, lastOpenFailure_);
  if (!device) return nullptr;
  return std::make_unique<NodeCommandChannel>(std::move(device));
}

std::unique_ptr<device::EventChannel> HidapiBackend::OpenEventChannel(const std::wstring& path) {
  DeviceHandle device = OpenNode(path, lastOpenFailure_);
  if (!device) return nullptr;
  return std::make_unique<NodeEventChannel>(std::move(device));
}

std::unique_ptr<device::ReaderSignal> HidapiBackend::CreateReaderSignal() {
  return std::make_unique<device::PortableReaderSignal>();
}

}  // namespace quendar::linux_hid
