// Arbitrary bytes as the macro store file: building the table must never crash, read or write out of
// bounds, or put anything past a block's end.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

#include "core/macros/macro_store.h"

namespace {

const std::filesystem::path& StoreFile() {
  static const std::filesystem::path file = std::filesystem::temp_directory_path() /
                                            ("quendar_fuzz_record_" + std::to_string(::getpid()) + ".ini");
  return file;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  {
    std::ofstream out(StoreFile(), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  const quendar::macros::MacroStore store(StoreFile());
  const auto built = store.BuildMacroTable();
  const auto names = store.ListMacroNames();
  if (built.cutMacros.size() > names.size()) std::abort();
  for (std::size_t k = 0; k < quendar::macros::kMacroCount; ++k) {
    const std::uint8_t* block = built.table.data() + k * quendar::macros::kMacroBlockSize;
    // A block without a macro is all zero.
    if (k >= names.size()) {
      for (std::size_t i = 0; i < quendar::macros::kMacroBlockSize; ++i) {
        if (block[i] != 0) std::abort();
      }
    }
  }
  return 0;
}
