#include "win32/profiles/module_path.h"

#include <vector>

namespace quendar::win32 {

std::filesystem::path ModulePath(HMODULE module) {
  // A path longer than the buffer comes back cut; grow until it fits.
  std::vector<wchar_t> buffer(MAX_PATH);
  for (;;) {
    const DWORD length = ::GetModuleFileNameW(module, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return {};
    if (length < buffer.size()) return std::filesystem::path(std::wstring(buffer.data(), length));
    buffer.resize(buffer.size() * 2);
  }
}

}  // namespace quendar::win32
