#include "fake_hidapi.h"

#include <gtest/gtest.h>
#include <hidapi/hidapi.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <mutex>

#include "core/ini/text_encoding.h"

namespace quendar::linux_hid::testing {
namespace {

// hidapi's C interface has no context argument: the installed machine is found here.
std::atomic<FakeHidapiMachine*> installed{nullptr};

FakeHidapiMachine& Machine(const char* call) {
  FakeHidapiMachine* machine = installed.load();
  if (!machine) ADD_FAILURE() << call << " called with no fake machine installed", std::abort();
  return *machine;
}

// A manual-reset event whose wait also ends at a deadline: hid_read_timeout waits on it for the event
// read it starts.
class TimedSignal final : public device::ReaderSignal {
 public:
  void Set() override {
    { std::lock_guard lock(mutex_); set_ = true; }
    changed_.notify_all();
  }
  void Reset() override { std::lock_guard lock(mutex_); set_ = false; }
  void Wait() override {
    std::unique_lock lock(mutex_);
    changed_.wait_until(lock, deadline, [this] { return set_; });
  }
  std::chrono::steady_clock::time_point deadline;  // set before the read starts

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  bool set_ = false;
};

}  // namespace

FakeHidapiMachine::FakeHidapiMachine(std::shared_ptr<sim::SimulatedMouse> mouse, int openError)
    : mouse(std::move(mouse)), openError(openError) {
  FakeHidapiMachine* expected = nullptr;
  if (!installed.compare_exchange_strong(expected, this)) ADD_FAILURE() << "a fake hidapi machine is already installed";
}

FakeHidapiMachine::~FakeHidapiMachine() { installed.store(nullptr); }

}  // namespace quendar::linux_hid::testing

using quendar::linux_hid::testing::Machine;

struct hid_device_ {
  std::unique_ptr<quendar::device::HidChannel> command;
  std::unique_ptr<quendar::device::EventChannel> event;
  quendar::linux_hid::testing::TimedSignal readDone;
};

namespace {
// A command-node call with hidapi's answer: the bytes moved, or -1 with errno set.
template <class Call>
int OnCommandNode(hid_device* dev, const char* what, Call call) {
  if (!dev->command) return ADD_FAILURE() << what << " on the event node", -1;
  const quendar::device::IoResult result = call(*dev->command, std::chrono::steady_clock::now() + std::chrono::seconds(1));
  return result.ok ? static_cast<int>(result.bytes) : (errno = EIO, -1);
}
}  // namespace

extern "C" {

int hid_init(void) { return 0; }
int hid_exit(void) { return 0; }

hid_device_info* hid_enumerate(unsigned short vendor_id, unsigned short product_id) {
  hid_device_info* first = nullptr;
  hid_device_info** next = &first;
  for (const quendar::sim::SimInterface& item : Machine("hid_enumerate").Mouse().PresentInterfaces()) {
    if ((vendor_id && item.attributes.vendorId != vendor_id) || (product_id && item.attributes.productId != product_id)) {
      continue;
    }
    *next = new hid_device_info{.path = strdup(quendar::ini::ToUtf8(item.path).c_str()),
                                .vendor_id = item.attributes.vendorId, .product_id = item.attributes.productId,
                                .release_number = item.attributes.versionNumber,
                                .usage_page = item.caps.usagePage, .usage = item.caps.usage};
    next = &(*next)->next;
  }
  return first;
}

void hid_free_enumeration(hid_device_info* devs) {
  while (devs) {
    hid_device_info* next = devs->next;
    std::free(devs->path);
    delete devs;
    devs = next;
  }
}

hid_device* hid_open_path(const char* path) {
  auto& machine = Machine("hid_open_path");
  if (machine.openError != 0) return errno = machine.openError, nullptr;
  const std::wstring wide = quendar::ini::FromUtf8(path);
  for (const quendar::sim::SimInterface& item : machine.Mouse().PresentInterfaces()) {
    if (item.path != wide) continue;
    auto device = std::make_unique<hid_device_>();
    if (item.role == quendar::sim::InterfaceRole::Command) {
      if (auto channel = machine.Mouse().OpenCommandChannel(wide)) device->command = std::move(*channel);
    } else if (item.role == quendar::sim::InterfaceRole::Event) {
      if (auto channel = machine.Mouse().OpenEventChannel(wide)) device->event = std::move(*channel);
    } else {
      ADD_FAILURE() << "hid_open_path on a node that is neither the command nor the event node: " << path;
    }
    if (!device->command && !device->event) return errno = ENODEV, nullptr;
    return device.release();
  }
  return errno = ENOENT, nullptr;
}

void hid_close(hid_device* dev) { delete dev; }

int hid_send_feature_report(hid_device* dev, const unsigned char* data, size_t length) {
  return OnCommandNode(dev, "feature report", [&](auto& channel, auto deadline) { return channel.SetFeature({data, length}, deadline); });
}
int hid_get_feature_report(hid_device* dev, unsigned char* data, size_t length) {
  return OnCommandNode(dev, "feature report", [&](auto& channel, auto deadline) { return channel.GetFeature({data, length}, deadline); });
}
int hid_write(hid_device* dev, const unsigned char* data, size_t length) {
  return OnCommandNode(dev, "output report", [&](auto& channel, auto deadline) { return channel.WriteReport({data, length}, deadline); });
}

int hid_read_timeout(hid_device* dev, unsigned char* data, size_t length, int milliseconds) {
  const auto wait = std::chrono::milliseconds(milliseconds);
  if (dev->command) {
    // The command collection has no report IDs: hidraw hands its input reports over without one.
    std::vector<std::uint8_t> report(length + 1, 0);
    const auto result = dev->command->ReadReport(report, std::chrono::steady_clock::now() + wait);
    if (!result.ok) return result.error == quendar::device::kTimeoutError ? 0 : (errno = EIO, -1);
    const std::size_t bytes = result.bytes == 0 ? 0 : result.bytes - 1;
    std::copy_n(report.begin() + 1, bytes, data);
    return static_cast<int>(bytes);
  }
  if (!dev->event->StartRead(length)) return errno = EIO, -1;
  dev->readDone.Reset();
  dev->readDone.deadline = std::chrono::steady_clock::now() + wait;
  std::optional<quendar::device::EventReport> report = dev->event->WaitForRead(dev->readDone);
  if (!report) {
    // Out of time: the read is cancelled and ends with no data, as hidapi's does.
    dev->event->CancelPendingRead();
    report = dev->event->WaitForRead(dev->readDone);
  }
  if (!report) return ADD_FAILURE() << "a cancelled event read did not end", -1;
  std::copy_n(report->bytes.begin(), std::min(report->length, length), data);
  return static_cast<int>(std::min(report->length, length));
}

}  // extern "C"
