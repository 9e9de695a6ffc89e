#pragma once
// A DLL that is no known system DLL, loaded from the system folder by its full path: imported statically,
// the loader would look for it beside the executable first, and a file placed there would run inside the
// program.
#include <windows.h>

#include "win32/framework/unique_handle.h"

namespace quendar::win32 {

struct ModuleTraits {
  using Type = HMODULE;
  static Type Invalid() { return nullptr; }
  static bool IsValid(Type h) { return h != nullptr; }
  static void Close(Type h) { ::FreeLibrary(h); }
};
using UniqueLibrary = UniqueHandle<ModuleTraits>;

// Null when it could not be loaded (GetLastError says why).
HMODULE LoadFromSystemFolder(const wchar_t* name);

// Binds one export of `module` to a typed pointer; false when the module lacks it.
template <class Function>
bool BindExport(HMODULE module, const char* name, Function& target) {
  target = reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(module, name)));
  return target != nullptr;
}

}  // namespace quendar::win32
