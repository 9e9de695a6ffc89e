#include "core/ui/list_edit.h"

#include <algorithm>

#include "core/macros/macro_item.h"

namespace quendar::ui {

std::optional<ListEditEnd> ListItemEdit::End(bool commit, std::wstring text) {
  if (ended_) return std::nullopt;
  ended_ = true;
  return ListEditEnd{index_, target_, commit, std::move(text)};
}

std::optional<std::wstring> DelayItemFromEdit(std::wstring_view text) {
  if (text.find(L"ms") == std::wstring_view::npos) return std::nullopt;
  const std::wstring number = macros::RemoveAll(macros::RemoveAll(text, L" "), L"ms");
  // An empty number would make an item that reads as a delay but holds none.
  if (number.empty() || !std::ranges::all_of(number, [](wchar_t c) { return c >= L'0' && c <= L'9'; })) {
    return std::nullopt;
  }
  long value = 0;
  for (wchar_t c : number) {
    value = value * 10 + (c - L'0');
    if (value > kMaxEditedDelayMs) return macros::DelayItem(kMaxEditedDelayMs);
  }
  return macros::DelayItem(value);
}

}  // namespace quendar::ui
