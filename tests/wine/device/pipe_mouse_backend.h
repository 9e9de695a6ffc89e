#pragma once
// A minimal mouse for tests of the platform's channels: a named pipe stands in for the event interface,
// probes answer the mouse's identity and capabilities, the command interface is a stand-in.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/device/device_link.h"
#include "win32/device/win32_hid_backend.h"

namespace quendar::win32::testing {

inline const std::wstring kCommandPath = L"command";

class SilentCommandChannel final : public device::HidChannel {
 public:
  device::IoResult SetFeature(std::span<const std::uint8_t>, device::Deadline) override { return {}; }
  device::IoResult GetFeature(std::span<std::uint8_t>, device::Deadline) override { return {}; }
  device::IoResult ReadReport(std::span<std::uint8_t>, device::Deadline) override { return {}; }
  device::IoResult WriteReport(std::span<const std::uint8_t>, device::Deadline) override { return {}; }
};

// Lists the pipe as the event interface and a command interface after it: a silent one, or the
// channel `openCommand` makes.
class PipeMouseBackend final : public device::HidBackend {
 public:
  using CommandOpener = std::function<std::unique_ptr<device::HidChannel>()>;
  explicit PipeMouseBackend(std::wstring eventPath, CommandOpener openCommand = nullptr)
      : eventPath_(std::move(eventPath)), openCommand_(std::move(openCommand)) {}

  device::DeviceResult<std::unique_ptr<device::HidInterfaceList>> ListInterfaces() override {
    struct List final : device::HidInterfaceList {
      std::vector<std::wstring> paths;
      device::DeviceResult<std::optional<std::wstring>> PathAt(std::uint32_t i) override {
        return i < paths.size() ? std::optional(paths[i]) : std::nullopt;
      }
    };
    auto list = std::make_unique<List>();
    list->paths = {eventPath_, kCommandPath};
    return list;
  }
  device::DeviceResult<std::unique_ptr<device::HidProbe>> OpenProbe(const std::wstring& path) override {
    struct Probe final : device::HidProbe {
      device::HidCaps caps;
      device::DeviceResult<device::HidAttributes> Attributes() override {
        return device::HidAttributes{device::kMouseVendorId, device::kMouseProductId, 1};
      }
      device::DeviceResult<device::HidCaps> Capabilities() override { return caps; }
    };
    auto probe = std::make_unique<Probe>();
    probe->caps = path == kCommandPath ? device::HidCaps{0xFF00, 0xFF00, 33, 33, 9} : device::HidCaps{0xFF01, 0xFF01, 8, 0, 0};
    return probe;
  }
  device::DeviceResult<std::unique_ptr<device::HidChannel>> OpenCommandChannel(const std::wstring&) override {
    if (openCommand_) return openCommand_();
    return std::make_unique<SilentCommandChannel>();
  }
  device::DeviceResult<std::unique_ptr<device::EventChannel>> OpenEventChannel(const std::wstring& path) override {
    return platform_.OpenEventChannel(path);
  }
  device::DeviceResult<std::unique_ptr<device::ReaderSignal>> CreateReaderSignal() override {
    return platform_.CreateReaderSignal();
  }
  device::Pacer& GetPacer() override { return platform_.GetPacer(); }

 private:
  Win32HidBackend platform_;
  std::wstring eventPath_;
  CommandOpener openCommand_;
};

}  // namespace quendar::win32::testing
