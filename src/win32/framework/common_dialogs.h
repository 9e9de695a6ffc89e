#pragma once
// The system's colour and file dialogs, loaded from comdlg32 only while one is shown. Importing comdlg32
// at start-up brings the printing stack with it (winspool, and under Wine CUPS with its TLS and Kerberos
// libraries): about 5 MB of working set in every run for dialogs that most runs never open.
#include <windows.h>
#include <cderr.h>
#include <commdlg.h>

namespace quendar::win32 {

// Each returns what the platform's function returns; `extendedError` receives CommDlgExtendedError()
// (or ERROR_MOD_NOT_FOUND / ERROR_PROC_NOT_FOUND when the library cannot be used).
BOOL ShowColourDialog(CHOOSECOLORW& dialog, DWORD& extendedError);
BOOL ShowOpenFileDialog(OPENFILENAMEW& dialog, DWORD& extendedError);
BOOL ShowSaveFileDialog(OPENFILENAMEW& dialog, DWORD& extendedError);

}  // namespace quendar::win32
