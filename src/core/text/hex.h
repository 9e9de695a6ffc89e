#pragma once
// Bytes as upper-case hexadecimal digits, the one way every trace, log and view of this program
// writes them.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace quendar::text {

// Two digits: 0x0A -> "0A".
std::string HexByte(std::uint8_t value);
// Two digits per byte, `separator` between them: {1, 0xAB} -> "01 AB".
std::string HexBytes(std::span<const std::uint8_t> bytes, std::string_view separator = " ");
// The same as wide text, for windows.
std::wstring WideHexBytes(std::span<const std::uint8_t> bytes, std::wstring_view separator = L" ");

}  // namespace quendar::text
