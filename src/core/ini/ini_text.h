#pragma once
// Character rules the INI reader and writer share.
#include <string_view>

namespace quendar::ini::detail {

// The blanks the platform's INI parser trims: the C white-space characters and Ctrl-Z.
constexpr bool IsBlank(wchar_t c) { return c == L' ' || (c >= L'\t' && c <= L'\r') || c == 0x1A; }

constexpr std::wstring_view TrimLeft(std::wstring_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  return s;
}
constexpr std::wstring_view TrimRight(std::wstring_view s) {
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}
constexpr std::wstring_view Trim(std::wstring_view s) { return TrimRight(TrimLeft(s)); }

// Case-insensitive comparison of section and key names: ASCII, Latin-1, Greek and Cyrillic letters fold.
wchar_t FoldCase(wchar_t c);
bool EqualsIgnoringCase(std::wstring_view a, std::wstring_view b);

}  // namespace quendar::ini::detail
