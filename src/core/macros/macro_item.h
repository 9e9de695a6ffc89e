#pragma once
// The text items a macro is made of, and how they are recognised. Items are matched by substring, so the
// exact spelling of the suffixes matters: stored macros rely on it.

#include <string>
#include <string_view>

namespace quendar::macros {

inline constexpr std::wstring_view kPressSuffix = L"   Dn";
inline constexpr std::wstring_view kReleaseSuffix = L"   Up";
inline constexpr std::wstring_view kDelaySuffix = L" ms";

enum class MacroEventKind { None, Press, Release };

struct ClassifiedItem {
  MacroEventKind kind = MacroEventKind::None;
  std::wstring keyName;  // the item without its press/release marker; empty for other items
};

// A press wins over a release when an item carries both markers; anything else is no event.
ClassifiedItem ClassifyMacroItem(std::wstring_view item);

std::wstring PressItem(std::wstring_view keyName);
std::wstring ReleaseItem(std::wstring_view keyName);
std::wstring DelayItem(long milliseconds);

// "L-Button Click" -> "L-Button   Dn" / "L-Button   Up": the mouse-button items of the macro editor.
std::wstring MouseClickItem(std::wstring_view clickLabel, MacroEventKind kind);

// Every occurrence of `pattern` removed.
std::wstring RemoveAll(std::wstring_view text, std::wstring_view pattern);

}  // namespace quendar::macros
