// Any file content must parse without fault, and the written form must be stable: what the store writes
// for a file, read back and written again, is the same text.
#include <cstddef>
#include <cstdint>
#include <span>

#include "core/ini/ini_document.h"
#include "core/ini/text_encoding.h"

using quendar::ini::IniDocument;

namespace {
std::wstring Canonical(std::wstring_view text) {
  return IniDocument::Parse(text, quendar::ini::TextEncoding::Utf16LeBom).Serialize();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const unsigned char> bytes(data, size);
  const auto encoding = quendar::ini::DetectEncoding(bytes);
  const std::wstring text = quendar::ini::DecodeText(bytes, encoding);
  const IniDocument doc = IniDocument::Parse(text, encoding);

  for (const std::wstring& section : doc.SectionNames()) {
    for (std::size_t buffer : {std::size_t{1}, std::size_t{3}, std::size_t{1024}}) {
      if (doc.Get(section, L"k", buffer).size() >= buffer) __builtin_trap();
    }
  }
  const std::wstring once = Canonical(text);
  const std::wstring twice = Canonical(once);
  if (Canonical(twice) != twice) __builtin_trap();

  // UTF-16 files round-trip through the encoder.
  if (auto encoded = quendar::ini::EncodeText(text, quendar::ini::TextEncoding::Utf16LeBom)) {
    if (quendar::ini::DecodeText(*encoded, quendar::ini::TextEncoding::Utf16LeBom) != text) __builtin_trap();
  }
  return 0;
}
