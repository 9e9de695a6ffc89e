#pragma once
// What the simulated mouse keeps in its firmware: every setting the command set reads or writes.
#include <array>
#include <cstdint>

namespace quendar::sim {

struct MouseState {
  std::uint8_t reportRateCode = 0;
  std::array<std::uint8_t, 4> sensorSettings{};  // type, rate, option 1, option 2
  std::array<std::uint8_t, 3> lightingEffect{};  // effect, option 1, option 2
  std::array<std::array<std::uint8_t, 3>, 2> lightingParameters{};
  std::array<std::uint8_t, 2> sensitivity{};  // X byte, Y byte
  std::array<std::array<std::uint8_t, 24>, 2> colourBlocks{};
  std::uint8_t stageCount = 0;
  std::array<std::uint8_t, 8> stageBytes{};  // low 7 bits a CPI code, bit 7 set = disabled
  std::array<std::array<std::uint8_t, 64>, 4> keyMatrices{};
  std::array<std::array<std::uint8_t, 128>, 12> macroBlocks{};
  std::uint8_t currentStage = 1;  // 1-based, the stage the CPI button last switched to

  friend bool operator==(const MouseState&, const MouseState&) = default;
};

// A plausible state of a mouse fresh from the factory: sensor type 3, non-zero rate and option bytes,
// a breathing effect, both colour blocks filled and seven enabled stages.
MouseState FactoryState();

}  // namespace quendar::sim
