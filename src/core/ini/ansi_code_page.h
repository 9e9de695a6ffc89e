#pragma once
// The machine's ANSI code page, which older INI files are written in. The platform library supplies it
// (the Win32 code page functions on Windows; on other systems the locale-independent UTF-8 that their
// text files use), so the core holds no platform code.
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quendar::ini {

// Nothing when a character has no exact form in the code page (a look-alike would be lost text).
std::optional<std::vector<unsigned char>> EncodeAnsi(std::wstring_view text);
std::wstring DecodeAnsi(std::span<const unsigned char> bytes);

}  // namespace quendar::ini
