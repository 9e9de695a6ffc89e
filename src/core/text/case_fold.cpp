#include "core/text/case_fold.h"

#include <algorithm>
#include <cstdint>

namespace quendar::text {

wchar_t FoldCase(wchar_t c) {
  if (c < 0x80) return (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c + 32) : c;
  if ((c >= 0xC0 && c <= 0xDE && c != 0xD7)) return static_cast<wchar_t>(c + 32);
  if (c >= 0x391 && c <= 0x3AB && c != 0x3A2) return static_cast<wchar_t>(c + 32);  // Greek
  if (c >= 0x410 && c <= 0x42F) return static_cast<wchar_t>(c + 32);                // Cyrillic
  if (c >= 0x400 && c <= 0x40F) return static_cast<wchar_t>(c + 80);
  if (c >= 0xFF21 && c <= 0xFF3A) return static_cast<wchar_t>(c + 32);  // full-width Latin
  return c;
}

namespace {
bool SameFolded(wchar_t x, wchar_t y) { return FoldCase(x) == FoldCase(y); }
}  // namespace

bool EqualsIgnoringCase(std::wstring_view a, std::wstring_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), SameFolded);
}

std::size_t HashIgnoringCase(std::wstring_view s) {
  // FNV-1a over the folded characters.
  std::uint64_t hash = 14695981039346656037ull;
  for (wchar_t c : s) {
    hash ^= static_cast<std::uint64_t>(static_cast<std::uint32_t>(FoldCase(c)));
    hash *= 1099511628211ull;
  }
  return static_cast<std::size_t>(hash);
}

std::size_t FindIgnoringCase(std::wstring_view text, std::wstring_view pattern, std::size_t from) {
  if (from > text.size()) return std::wstring_view::npos;
  const auto found = std::search(text.begin() + static_cast<std::ptrdiff_t>(from), text.end(), pattern.begin(),
                                 pattern.end(), SameFolded);
  return found == text.end() && !pattern.empty() ? std::wstring_view::npos
                                                 : static_cast<std::size_t>(found - text.begin());
}

}  // namespace quendar::text
