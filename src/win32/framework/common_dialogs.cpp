#include "win32/framework/common_dialogs.h"

#include "win32/framework/unique_handle.h"

namespace quendar::win32 {

namespace {

struct LibraryTraits {
  using Type = HMODULE;
  static Type Invalid() { return nullptr; }
  static bool IsValid(Type h) { return h != nullptr; }
  static void Close(Type h) { ::FreeLibrary(h); }
};

template <class Dialog>
BOOL Show(const char* function, Dialog& dialog, DWORD& extendedError) {
  UniqueHandle<LibraryTraits> library(::LoadLibraryExW(L"comdlg32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32));
  if (!library) {
    extendedError = ERROR_MOD_NOT_FOUND;
    return FALSE;
  }
  using ShowFn = BOOL(WINAPI*)(Dialog*);
  using ErrorFn = DWORD(WINAPI*)();
  auto show = reinterpret_cast<ShowFn>(reinterpret_cast<void*>(::GetProcAddress(library.get(), function)));
  auto error = reinterpret_cast<ErrorFn>(
      reinterpret_cast<void*>(::GetProcAddress(library.get(), "CommDlgExtendedError")));
  if (show == nullptr || error == nullptr) {
    extendedError = ERROR_PROC_NOT_FOUND;
    return FALSE;
  }
  const BOOL shown = show(&dialog);
  extendedError = shown ? 0 : error();
  return shown;
}

}  // namespace

BOOL ShowColourDialog(CHOOSECOLORW& dialog, DWORD& extendedError) {
  return Show("ChooseColorW", dialog, extendedError);
}

BOOL ShowOpenFileDialog(OPENFILENAMEW& dialog, DWORD& extendedError) {
  return Show("GetOpenFileNameW", dialog, extendedError);
}

BOOL ShowSaveFileDialog(OPENFILENAMEW& dialog, DWORD& extendedError) {
  return Show("GetSaveFileNameW", dialog, extendedError);
}

}  // namespace quendar::win32
