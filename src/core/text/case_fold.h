#pragma once
// The one case-insensitive comparison of the program: INI section and key names, macro and profile
// names, file names. It folds the letters the platform's INI functions fold (ASCII, Latin-1, Greek,
// Cyrillic, full-width Latin) the same way on every machine, whatever its locale.
#include <cstddef>
#include <string_view>

namespace quendar::text {

wchar_t FoldCase(wchar_t c);
bool EqualsIgnoringCase(std::wstring_view a, std::wstring_view b);
// A hash under which names that compare equal ignoring case hash alike, for indexes of names.
std::size_t HashIgnoringCase(std::wstring_view s);
// Where `pattern` first occurs in `text` from `from` on, ignoring case; npos when nowhere.
std::size_t FindIgnoringCase(std::wstring_view text, std::wstring_view pattern, std::size_t from = 0);

}  // namespace quendar::text
