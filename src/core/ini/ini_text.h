#pragma once
// Character rules the INI reader and writer share.
#include <string_view>

#include "core/text/case_fold.h"

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

// Section and key names compare without regard to case.
using text::EqualsIgnoringCase;
using text::FoldCase;

}  // namespace quendar::ini::detail
