#pragma once
// Facts of the mouse's protocol that the program, the simulated mouse and the interface all rely on,
// each defined once.
#include <cstddef>
#include <cstdint>

namespace quendar::protocol {

// The CPI stages the mouse's button steps through and the profile sets (stage bytes 1..7; the
// eighth stage byte is the mouse's own).
inline constexpr int kCpiStageCount = 7;
// Bit 7 of a stage byte switches the stage off; the low seven bits are its CPI code.
inline constexpr std::uint8_t kStageDisabledBit = 0x80;

// The event report the mouse sends when its button switched the CPI stage: 06 07 xx n, n the stage.
inline constexpr std::uint8_t kCpiReportId = 0x06;
inline constexpr std::uint8_t kCpiStageSwitched = 0x07;
inline constexpr std::size_t kCpiReportStageByte = 3;

}  // namespace quendar::protocol
