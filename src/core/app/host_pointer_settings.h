#pragma once
// The four host settings a profile carries (pointer acceleration, pointer speed, wheel lines,
// double-click time), as the calls the platform's system-parameters function receives, and the
// sequence that applies them with one warning per refused setting.
#include <array>
#include <cstdint>
#include <string_view>

#include "core/profiles/host_settings.h"

namespace quendar::app {

// Action codes and update flags as the platform numbers them.
enum class SpiAction : unsigned {
  SetDoubleClickTime = 0x20,
  SetMouse = 0x04,
  SetWheelScrollLines = 0x69,
  SetMouseSpeed = 0x71,
};
inline constexpr unsigned kSpiSendChange = 0x2;
inline constexpr unsigned kSpiUpdateProfileAndSendChange = 0x3;
inline constexpr std::uint32_t kWheelScrollOneScreen = 0xFFFFFFFF;

// How the third parameter is passed: absent, as the address of three integers, or as a value.
enum class SpiPointerParam { None, Triple, Value };

struct SystemParameterCall {
  SpiAction action{};
  std::uint32_t uiParam = 0;
  SpiPointerParam pointerParam = SpiPointerParam::None;
  std::array<int, 3> triple{};  // when pointerParam is Triple
  std::uintptr_t value = 0;     // when pointerParam is Value
  unsigned updateFlags = 0;
  std::wstring_view failureWarning;

  friend bool operator==(const SystemParameterCall&, const SystemParameterCall&) = default;
};

// The four calls, in the order they are made.
std::array<SystemParameterCall, 4> HostPointerCalls(const profiles::HostPointerSettings& settings);

// The platform's system-parameters function; returns whether the platform accepted the setting.
class SystemParametersPort {
 public:
  virtual ~SystemParametersPort() = default;
  virtual bool Apply(const SystemParameterCall& call) = 0;
};

// Message boxes with the caption "Warning" and an OK button.
class WarningPort {
 public:
  virtual ~WarningPort() = default;
  virtual void Warn(std::wstring_view text) = 0;
};

// Makes every call; a refused one shows its warning and the next call is still made. Returns the
// number of refused settings.
int ApplyHostPointerSettings(const profiles::HostPointerSettings& settings, SystemParametersPort& platform,
                             WarningPort& warnings);

}  // namespace quendar::app
