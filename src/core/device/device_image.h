#pragma once
// The mouse's settings as this program last read or wrote them. What the mouse reports and the profile
// does not set goes back to it unchanged, so these buffers survive between downloads.

#include <array>
#include <cstdint>

#include "core/keys/button_code.h"
#include "core/macros/macro_block.h"

namespace quendar::device {

inline constexpr std::size_t kColourBlockSize = 24;
inline constexpr std::size_t kStageByteCount = 8;
inline constexpr std::size_t kKeyMatrixCount = 4;
inline constexpr std::size_t kKeyMatrixBytes = 64;

// Bits of SensorSettings option 2 that this program sets; the others are the mouse's.
inline constexpr std::uint8_t kButtonLightBit = 0x08;
inline constexpr std::uint8_t kConnectedBit = 0x40;

// The three bytes of one lighting parameter index. What the program knows of them: `power` 4 switches
// the light on; the second breathing variant sets `breathingLevel` 0x7D and `breathingMode` 3 (with the
// effect's option 2 also 3). Everything else goes back to the mouse as it reported it.
struct LightingParameter {
  std::uint8_t power = 0;
  std::uint8_t breathingLevel = 0;
  std::uint8_t breathingMode = 0;
  friend bool operator==(const LightingParameter&, const LightingParameter&) = default;
};

struct DeviceImage {
  // sensor type, rate, option 1, option 2
  std::array<std::uint8_t, 4> sensorSettings{};
  // effect, option 1, option 2
  std::array<std::uint8_t, 3> lightingEffect{};
  std::array<LightingParameter, 2> lightingParameters{};
  // X byte, Y byte
  std::array<std::uint8_t, 2> sensitivity{};
  std::array<std::array<std::uint8_t, kColourBlockSize>, 2> colourBlocks{};
  std::uint8_t stageCount = 0;
  std::array<std::uint8_t, kStageByteCount> stageBytes{};
  std::array<keys::KeyMatrix, kKeyMatrixCount> keyMatrices{};  // matrices 1..4
  std::array<macros::MacroBlock, macros::kMacroCount> macroBlocks{};  // items 1..12

  friend bool operator==(const DeviceImage&, const DeviceImage&) = default;
};

// A key matrix as it travels: sixteen codes of four bytes each, byte 0 first.
std::array<std::uint8_t, kKeyMatrixBytes> SerializeKeyMatrix(const keys::KeyMatrix& matrix);

}  // namespace quendar::device
