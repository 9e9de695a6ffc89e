#include "win32/framework/system_library.h"

#include <string>

namespace quendar::win32 {

// The full path, rather than a search flag: LOAD_LIBRARY_SEARCH_SYSTEM32 is refused by an unpatched
// Windows 7.
HMODULE LoadFromSystemFolder(const wchar_t* name) {
  wchar_t folder[MAX_PATH];
  const UINT length = ::GetSystemDirectoryW(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return nullptr;
  const std::wstring path = std::wstring(folder, length) + L"\\" + name;
  return ::LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

}  // namespace quendar::win32
