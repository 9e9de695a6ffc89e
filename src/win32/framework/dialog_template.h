#pragma once
// A dialog template built in memory: a window with no controls, for skinned dialogs that draw and
// hit-test everything themselves and need no resource of their own.
#include <windows.h>

#include <string_view>
#include <vector>

namespace quendar::win32 {

// Frameless (the skin draws the whole window) and hidden until the base has sized it.
inline constexpr DWORD kSkinnedDialogStyle = WS_POPUP | WS_SYSMENU | DS_SETFONT | DS_CENTER;

class DialogTemplate {
 public:
  // `size` in dialog units; the skinned base resizes the window to its background anyway.
  DialogTemplate(std::wstring_view title, DWORD style = kSkinnedDialogStyle, DWORD exStyle = 0,
                 SIZE size = {100, 60}, std::wstring_view fontFace = L"Segoe UI", WORD pointSize = 9);

  const DLGTEMPLATE* get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

 private:
  void AppendString(std::wstring_view text);
  // DLGTEMPLATE is DWORD aligned; the strings after it are WORD arrays.
  std::vector<WORD> words_;
};

}  // namespace quendar::win32
