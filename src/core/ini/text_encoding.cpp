#include "core/ini/text_encoding.h"

#include <cstdint>

#include "core/ini/ansi_code_page.h"

namespace quendar::ini {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

void AppendCodePoint(std::wstring& out, char32_t cp) {
  if constexpr (sizeof(wchar_t) == 2) {
    if (cp >= 0x10000) {
      cp -= 0x10000;
      out.push_back(static_cast<wchar_t>(0xD800 + (cp >> 10)));
      out.push_back(static_cast<wchar_t>(0xDC00 + (cp & 0x3FF)));
      return;
    }
  }
  out.push_back(static_cast<wchar_t>(cp));
}

// Walks the code points of a wide string (UTF-16 on Windows, UTF-32 elsewhere).
template <typename Sink>
void ForEachCodePoint(std::wstring_view text, Sink sink) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t c = static_cast<char32_t>(text[i]);
    if constexpr (sizeof(wchar_t) == 2) {
      if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000) {
        c = 0x10000 + ((c - 0xD800) << 10) + (static_cast<char32_t>(text[i + 1]) - 0xDC00);
        ++i;
      }
    }
    sink(c);
  }
}

std::wstring DecodeUtf16(std::span<const unsigned char> bytes, bool bigEndian) {
  std::wstring out;
  out.reserve(bytes.size() / 2);
  std::size_t i = 0;
  auto unit = [&](std::size_t at) -> char16_t {
    return bigEndian ? static_cast<char16_t>((bytes[at] << 8) | bytes[at + 1])
                     : static_cast<char16_t>(bytes[at] | (bytes[at + 1] << 8));
  };
  for (; i + 1 < bytes.size(); i += 2) {
    char32_t c = unit(i);
    if (c >= 0xD800 && c < 0xDC00 && i + 3 < bytes.size()) {
      const char32_t low = unit(i + 2);
      if (low >= 0xDC00 && low < 0xE000) {
        AppendCodePoint(out, 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00));
        i += 2;
        continue;
      }
    }
    AppendCodePoint(out, (c >= 0xD800 && c < 0xE000) ? kReplacement : c);
  }
  return out;
}

void AppendUtf16Le(std::vector<unsigned char>& out, std::wstring_view text) {
  auto unit = [&](char16_t u) {
    out.push_back(static_cast<unsigned char>(u & 0xFF));
    out.push_back(static_cast<unsigned char>(u >> 8));
  };
  ForEachCodePoint(text, [&](char32_t c) {
    if (c >= 0x10000) {
      c -= 0x10000;
      unit(static_cast<char16_t>(0xD800 + (c >> 10)));
      unit(static_cast<char16_t>(0xDC00 + (c & 0x3FF)));
    } else {
      unit(static_cast<char16_t>(c));
    }
  });
}

}  // namespace

TextEncoding DetectEncoding(std::span<const unsigned char> bytes) {
  if (bytes.size() >= 3 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF) return TextEncoding::Utf8Bom;
  if (bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE) return TextEncoding::Utf16LeBom;
  if (bytes.size() >= 2 && bytes[0] == 0xFE && bytes[1] == 0xFF) return TextEncoding::Utf16BeBom;
  return TextEncoding::Ansi;
}

std::wstring DecodeText(std::span<const unsigned char> bytes, TextEncoding encoding) {
  switch (encoding) {
    case TextEncoding::Utf8Bom: {
      const auto body = bytes.size() >= 3 ? bytes.subspan(3) : bytes.subspan(bytes.size());
      return FromUtf8(std::string_view(reinterpret_cast<const char*>(body.data()), body.size()));
    }
    case TextEncoding::Utf16LeBom:
      return DecodeUtf16(bytes.size() >= 2 ? bytes.subspan(2) : bytes.subspan(bytes.size()), false);
    case TextEncoding::Utf16BeBom:
      return DecodeUtf16(bytes.size() >= 2 ? bytes.subspan(2) : bytes.subspan(bytes.size()), true);
    case TextEncoding::Ansi:
      break;
  }
  return DecodeAnsi(bytes);
}

std::optional<std::vector<unsigned char>> EncodeText(std::wstring_view text, TextEncoding encoding) {
  std::vector<unsigned char> out;
  switch (encoding) {
    case TextEncoding::Ansi:
      return EncodeAnsi(text);
    case TextEncoding::Utf8Bom: {
      out = {0xEF, 0xBB, 0xBF};
      const std::string utf8 = ToUtf8(text);
      out.insert(out.end(), utf8.begin(), utf8.end());
      return out;
    }
    case TextEncoding::Utf16LeBom:
      out = {0xFF, 0xFE};
      AppendUtf16Le(out, text);
      return out;
    case TextEncoding::Utf16BeBom: {
      out = {0xFE, 0xFF};
      AppendUtf16Le(out, text);
      for (std::size_t i = 2; i + 1 < out.size(); i += 2) std::swap(out[i], out[i + 1]);
      return out;
    }
  }
  return std::nullopt;
}

std::string ToUtf8(std::wstring_view text) {
  std::string out;
  out.reserve(text.size());
  ForEachCodePoint(text, [&](char32_t c) {
    if (c > 0x10FFFF || (c >= 0xD800 && c < 0xE000)) c = kReplacement;
    if (c < 0x80) {
      out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (c >> 6)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
      out.push_back(static_cast<char>(0xE0 | (c >> 12)));
      out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xF0 | (c >> 18)));
      out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
  });
  return out;
}

std::wstring FromUtf8(std::string_view text) {
  std::wstring out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    int extra = 0;
    char32_t c = 0;
    if (lead < 0x80) {
      c = lead;
    } else if ((lead & 0xE0) == 0xC0) {
      extra = 1, c = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
      extra = 2, c = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
      extra = 3, c = lead & 0x07;
    } else {
      AppendCodePoint(out, kReplacement);
      ++i;
      continue;
    }
    if (i + static_cast<std::size_t>(extra) >= text.size() && extra > 0) {  // cut off at the end
      AppendCodePoint(out, kReplacement);
      break;
    }
    bool valid = true;
    for (int k = 1; k <= extra; ++k) {
      const auto cont = static_cast<unsigned char>(text[i + k]);
      if ((cont & 0xC0) != 0x80) {
        valid = false;
        break;
      }
      c = (c << 6) | (cont & 0x3F);
    }
    static constexpr char32_t kMinimum[] = {0, 0x80, 0x800, 0x10000};
    if (!valid || c < kMinimum[extra] || c > 0x10FFFF || (c >= 0xD800 && c < 0xE000)) {
      AppendCodePoint(out, kReplacement);
      ++i;
      continue;
    }
    AppendCodePoint(out, c);
    i += static_cast<std::size_t>(extra) + 1;
  }
  return out;
}

}  // namespace quendar::ini
