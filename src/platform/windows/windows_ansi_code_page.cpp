#include <windows.h>

#include "core/ini/ansi_code_page.h"

namespace quendar::ini {

std::optional<std::vector<unsigned char>> EncodeAnsi(std::wstring_view text) {
  if (text.empty()) return std::vector<unsigned char>{};
  const int length = static_cast<int>(text.size());
  BOOL usedDefault = FALSE;
  const int size =
      WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), length, nullptr, 0, nullptr, &usedDefault);
  if (size <= 0 || usedDefault) return std::nullopt;
  std::vector<unsigned char> out(static_cast<std::size_t>(size));
  WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), length, reinterpret_cast<char*>(out.data()), size,
                      nullptr, nullptr);
  return out;
}

std::wstring DecodeAnsi(std::span<const unsigned char> bytes) {
  if (bytes.empty()) return {};
  const char* data = reinterpret_cast<const char*>(bytes.data());
  const int length = static_cast<int>(bytes.size());
  const int size = MultiByteToWideChar(CP_ACP, 0, data, length, nullptr, 0);
  std::wstring out(static_cast<std::size_t>(size > 0 ? size : 0), L'\0');
  if (size > 0) MultiByteToWideChar(CP_ACP, 0, data, length, out.data(), size);
  return out;
}

}  // namespace quendar::ini
