#pragma once
// Encodings of INI files: detected from the byte-order mark, kept when a file is rewritten.
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quendar::ini {

enum class TextEncoding {
  Ansi,        // no byte-order mark: the system's ANSI code page on Windows, UTF-8 elsewhere
  Utf8Bom,     // EF BB BF
  Utf16LeBom,  // FF FE
  Utf16BeBom,  // FE FF
};

TextEncoding DetectEncoding(std::span<const unsigned char> bytes);

// The text after the byte-order mark, decoded. Invalid sequences become U+FFFD.
std::wstring DecodeText(std::span<const unsigned char> bytes, TextEncoding encoding);

// The bytes of the file, byte-order mark included. For Ansi: nothing when a character cannot be
// represented in the code page (the caller then picks a Unicode encoding instead of losing text).
std::optional<std::vector<unsigned char>> EncodeText(std::wstring_view text, TextEncoding encoding);

// UTF-8 and UTF-16 conversions shared with the rest of the core (wchar_t is UTF-16 on Windows and
// UTF-32 elsewhere).
std::string ToUtf8(std::wstring_view text);
std::wstring FromUtf8(std::string_view text);

}  // namespace quendar::ini
