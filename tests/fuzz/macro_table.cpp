// Arbitrary bytes as the macro store file: building the table must never crash, read or write out of
// bounds, or fill a block that has no macro. The bytes go through the same encoding detection and
// parser as a store loaded from disk, without the disk.
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>

#include "core/ini/ini_document.h"
#include "core/ini/text_encoding.h"
#include "core/macros/macro_store.h"

namespace {

using namespace quendar;

// Half of the inputs start inside a macro section, so the mutations reach the encoder rather than
// spending themselves on INI syntax.
constexpr char kSectionHead[] = "[M]\nDelayTimeSelStatus=1\nLoopTimeSelStatus=1\nItemCount=200\nItem0=A   Dn\nItem1=";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::basic_string<unsigned char> bytes;
  if (size > 0 && (data[0] & 1) != 0) {
    bytes.assign(reinterpret_cast<const unsigned char*>(kSectionHead), sizeof kSectionHead - 1);
    ++data;
    --size;
  }
  bytes.append(data, size);
  const std::span<const unsigned char> file(bytes.data(), bytes.size());
  const ini::TextEncoding encoding = ini::DetectEncoding(file);
  const ini::IniDocument document = ini::IniDocument::Parse(ini::DecodeText(file, encoding), encoding);

  const macros::BuiltMacroTable built = macros::BuildMacroTableFrom(document);
  const auto sections = document.SectionNames();
  const auto names = macros::MacroNamesFromSections(sections);
  if (built.cutMacros.size() > names.size()) std::abort();
  for (std::size_t k = names.size(); k < macros::kMacroCount; ++k) {
    for (std::size_t i = 0; i < macros::kMacroBlockSize; ++i) {
      if (built.table[k * macros::kMacroBlockSize + i] != 0) std::abort();
    }
  }
  return 0;
}
