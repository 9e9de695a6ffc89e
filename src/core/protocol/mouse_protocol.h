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

// The programmable buttons, and the macros the mouse holds as fixed-size blocks.
inline constexpr std::size_t kButtonCount = 12;
inline constexpr std::size_t kMacroCount = 12;
inline constexpr std::size_t kMacroBlockSize = 128;

// The command interface's opcodes; a read is its write with bit 7 set.
namespace opcode {
inline constexpr std::uint8_t kWriteReportRate = 0x01;
inline constexpr std::uint8_t kWriteSensorSettings = 0x03;
inline constexpr std::uint8_t kWriteLightingParameters = 0x07;
inline constexpr std::uint8_t kWriteLightingEffect = 0x0D;
inline constexpr std::uint8_t kWriteSensitivity = 0x0E;
inline constexpr std::uint8_t kWriteColourBlocks = 0x10;
inline constexpr std::uint8_t kWriteCpiStages = 0x11;
inline constexpr std::uint8_t kWriteKeyMatrices = 0x12;
inline constexpr std::uint8_t kWriteMacroBlocks = 0x13;
inline constexpr std::uint8_t kReadBit = 0x80;
inline constexpr std::uint8_t kReadSensorSettings = kWriteSensorSettings | kReadBit;
inline constexpr std::uint8_t kReadLightingParameters = kWriteLightingParameters | kReadBit;
inline constexpr std::uint8_t kReadLightingEffect = kWriteLightingEffect | kReadBit;
inline constexpr std::uint8_t kReadColourBlocks = kWriteColourBlocks | kReadBit;
inline constexpr std::uint8_t kReadCpiStages = kWriteCpiStages | kReadBit;
}  // namespace opcode

}  // namespace quendar::protocol
