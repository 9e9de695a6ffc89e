#pragma once
// What a call into the platform's HID stack answers: its value, or a DeviceFailure that names the call,
// the interface it was made on and the platform's error. Discovery, the opens, the capability queries
// and the event read all answer this way, so a caller can always say what failed and why.
#include <cstdint>
#include <optional>
#include <string>
#include <type_traits>
#include <utility>
#include <variant>

namespace quendar::device {

// The operations of the device layer that can fail.
enum class DeviceCall : std::uint8_t {
  LoadHidLibrary,        // loading the platform's HID library from the system folder
  ListInterfaces,        // getting the list of present HID interfaces
  ReadInterfacePath,     // reading one listed interface and its device path
  OpenProbe,             // opening an interface with no access rights, only to ask what it is
  ReadAttributes,        // vendor, product and version of an interface
  ReadPreparsedData,     // the interface's report descriptor, which the capabilities come from
  ReadCapabilities,      // usage page, usage and report lengths
  OpenCommandInterface,  // opening the command interface for reading and writing
  OpenEventInterface,    // opening the event interface for overlapped reading
  CreateReaderSignal,    // the event that wakes the event reader
  StartRead,             // starting a read of one event report
  FindMouse,             // no platform call failed, but the listing holds no command interface of the mouse
};

struct DeviceFailure {
  DeviceCall call = DeviceCall::FindMouse;
  std::wstring path;              // the interface the call was made on; empty where there is none
  std::uint32_t systemError = 0;  // the platform's error or status code; 0 when it gave none

  friend bool operator==(const DeviceFailure&, const DeviceFailure&) = default;
};

// One line for a log or a command line, e.g.
// "opening the command interface \\?\hid#vid_04d9&pid_a165&mi_01 failed (system error 5)".
std::string Describe(const DeviceFailure& failure);

// A value or the failure that kept it from being had.
template <class T>
class [[nodiscard]] DeviceResult {
 public:
  template <class U>
    requires(std::is_constructible_v<T, U &&> && !std::is_same_v<std::remove_cvref_t<U>, DeviceFailure> &&
             !std::is_same_v<std::remove_cvref_t<U>, DeviceResult>)
  DeviceResult(U&& value) : state_(std::in_place_index<0>, std::forward<U>(value)) {}
  DeviceResult(DeviceFailure failure) : state_(std::in_place_index<1>, std::move(failure)) {}

  bool ok() const { return state_.index() == 0; }
  bool failed() const { return !ok(); }
  explicit operator bool() const { return ok(); }

  T& value() & { return std::get<0>(state_); }
  const T& value() const& { return std::get<0>(state_); }
  T&& value() && { return std::get<0>(std::move(state_)); }
  T& operator*() & { return value(); }
  const T& operator*() const& { return value(); }
  T* operator->() { return &value(); }
  const T* operator->() const { return &value(); }
  const DeviceFailure& failure() const { return std::get<1>(state_); }

 private:
  std::variant<T, DeviceFailure> state_;
};

// A call that answers nothing but whether it worked.
template <>
class [[nodiscard]] DeviceResult<void> {
 public:
  DeviceResult() = default;
  DeviceResult(DeviceFailure failure) : failure_(std::move(failure)) {}

  bool ok() const { return !failure_.has_value(); }
  bool failed() const { return failure_.has_value(); }
  explicit operator bool() const { return ok(); }
  const DeviceFailure& failure() const { return *failure_; }

 private:
  std::optional<DeviceFailure> failure_;
};

using DeviceStatus = DeviceResult<void>;

}  // namespace quendar::device
