#include "core/profile_text/readable_values.h"

#include <cstdio>

namespace quendar::profile_text {

std::optional<std::string_view> NameOf(std::span<const NamedByte> table, std::uint8_t value) {
  for (const NamedByte& entry : table) {
    if (entry.value == value) return entry.name;
  }
  return std::nullopt;
}

std::optional<std::uint8_t> ValueOf(std::span<const NamedByte> table, std::string_view name) {
  for (const NamedByte& entry : table) {
    if (entry.name == name) return entry.value;
  }
  return std::nullopt;
}

std::string AllowedNames(std::span<const NamedByte> table) {
  std::string text;
  for (std::size_t i = 0; i < table.size(); ++i) {
    if (i > 0) text += i + 1 == table.size() ? " or " : ", ";
    text += "'" + std::string(table[i].name) + "'";
  }
  return text;
}

std::string ColourText(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02X%02X%02X", red, green, blue);
  return text;
}

std::optional<std::array<std::uint8_t, 3>> ParseColour(std::string_view text) {
  if (text.size() != 7 || text[0] != '#') return std::nullopt;
  std::array<std::uint8_t, 3> rgb{};
  for (std::size_t i = 0; i < 6; ++i) {
    const char c = text[1 + i];
    int digit = -1;
    if (c >= '0' && c <= '9') digit = c - '0';
    if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
    if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
    if (digit < 0) return std::nullopt;
    rgb[i / 2] = static_cast<std::uint8_t>(rgb[i / 2] * 16 + digit);
  }
  return rgb;
}

}  // namespace quendar::profile_text
