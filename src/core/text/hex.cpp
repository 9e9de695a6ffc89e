#include "core/text/hex.h"

namespace quendar::text {

namespace {
constexpr char kDigits[] = "0123456789ABCDEF";

template <class String, class Separator>
String Join(std::span<const std::uint8_t> bytes, Separator separator) {
  String text;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (i != 0) text += separator;
    text += static_cast<typename String::value_type>(kDigits[bytes[i] >> 4]);
    text += static_cast<typename String::value_type>(kDigits[bytes[i] & 0x0F]);
  }
  return text;
}
}  // namespace

std::string HexByte(std::uint8_t value) { return {kDigits[value >> 4], kDigits[value & 0x0F]}; }

std::string HexBytes(std::span<const std::uint8_t> bytes, std::string_view separator) {
  return Join<std::string>(bytes, separator);
}

std::wstring WideHexBytes(std::span<const std::uint8_t> bytes, std::wstring_view separator) {
  return Join<std::wstring>(bytes, separator);
}

}  // namespace quendar::text
