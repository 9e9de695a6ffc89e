#include "core/macros/macro_item.h"

namespace quendar::macros {

std::wstring RemoveAll(std::wstring_view text, std::wstring_view pattern) {
  std::wstring result;
  result.reserve(text.size());
  std::size_t pos = 0;
  while (pos < text.size()) {
    const auto hit = pattern.empty() ? std::wstring_view::npos : text.find(pattern, pos);
    if (hit == std::wstring_view::npos) {
      result.append(text.substr(pos));
      break;
    }
    result.append(text.substr(pos, hit - pos));
    pos = hit + pattern.size();
  }
  return result;
}

ClassifiedItem ClassifyMacroItem(std::wstring_view item) {
  if (item.find(kPressSuffix) != std::wstring_view::npos) {
    return {MacroEventKind::Press, RemoveAll(item, kPressSuffix)};
  }
  if (item.find(kReleaseSuffix) != std::wstring_view::npos) {
    return {MacroEventKind::Release, RemoveAll(item, kReleaseSuffix)};
  }
  return {};
}

std::wstring PressItem(std::wstring_view keyName) { return std::wstring(keyName) + std::wstring(kPressSuffix); }
std::wstring ReleaseItem(std::wstring_view keyName) { return std::wstring(keyName) + std::wstring(kReleaseSuffix); }
std::wstring DelayItem(long milliseconds) { return std::to_wstring(milliseconds) + std::wstring(kDelaySuffix); }

std::wstring MouseClickItem(std::wstring_view clickLabel, MacroEventKind kind) {
  const std::wstring_view marker = kind == MacroEventKind::Release ? kReleaseSuffix : kPressSuffix;
  std::wstring result;
  constexpr std::wstring_view kClick = L" Click";
  std::size_t pos = 0;
  while (pos <= clickLabel.size()) {
    const auto hit = clickLabel.find(kClick, pos);
    if (hit == std::wstring_view::npos) {
      result.append(clickLabel.substr(pos));
      break;
    }
    result.append(clickLabel.substr(pos, hit - pos)).append(marker);
    pos = hit + kClick.size();
  }
  return result;
}

}  // namespace quendar::macros
