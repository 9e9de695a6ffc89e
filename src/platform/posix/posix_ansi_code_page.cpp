#include "core/ini/ansi_code_page.h"
#include "core/ini/text_encoding.h"

namespace quendar::ini {

std::optional<std::vector<unsigned char>> EncodeAnsi(std::wstring_view text) {
  const std::string utf8 = ToUtf8(text);
  return std::vector<unsigned char>(utf8.begin(), utf8.end());
}

std::wstring DecodeAnsi(std::span<const unsigned char> bytes) {
  return FromUtf8(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

}  // namespace quendar::ini
