// The macro store on an arbitrary record.ini: listing, loading and encoding never fault, every block's
// loop count is 1 to 65535 for a macro with items, and only listed macros are reported as cut.
#include <algorithm>
#include <cstdlib>

#include "core/macros/macro_store.h"
#include "fuzz_files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quendar::macros;
  const auto file = quendar::fuzz::ScratchFolder() / "record.ini";
  quendar::fuzz::WriteFile(file, std::span(data, size));
  quendar::platform::PlatformFileSystem disk;
  const MacroStore store(disk, file);

  const std::vector<std::wstring> names = store.ListMacroNames();
  for (const std::wstring& name : names) store.LoadMacro(name);

  const std::vector<StoredMacro> macros = store.ReadMacros();
  const BuiltMacroTable built = store.BuildMacroTable();
  for (std::size_t k = 0; k < std::min(macros.size(), kMacroCount); ++k) {
    const std::size_t at = k * kMacroBlockSize;
    const unsigned loops = (unsigned{built.table[at]} << 8) | built.table[at + 1];
    if (macros[k].itemCount != 0 && loops == 0) std::abort();
  }
  for (const std::wstring& cut : built.cutMacros) {
    if (std::ranges::none_of(macros, [&](const StoredMacro& m) { return m.name == cut; })) std::abort();
  }
  return 0;
}
