#!/usr/bin/env bash
# Names every DLL each program imports and why the loader can only take it from the system: a DLL that
# is neither a known DLL nor side-by-side nor an API set is looked for beside the executable first,
# before the program can restrict its search, and a file planted there would run inside the program.
# DLLs the program needs beyond these (hid.dll) are loaded at run time by full system-folder path.
set -euo pipefail

# Lower-case name -> why it is safe.
declare -A reason=(
  [kernel32.dll]="known DLL"
  [user32.dll]="known DLL"
  [gdi32.dll]="known DLL"
  [advapi32.dll]="known DLL"
  [shell32.dll]="known DLL"
  [shlwapi.dll]="known DLL"
  [ole32.dll]="known DLL"
  [oleaut32.dll]="known DLL"
  [comdlg32.dll]="known DLL"
  [setupapi.dll]="known DLL"
  [msvcrt.dll]="known DLL"
  [imm32.dll]="known DLL"
  [ws2_32.dll]="known DLL"
  [gdiplus.dll]="known DLL (from Windows 8 on)"
  [comctl32.dll]="side-by-side: the embedded manifest names Microsoft.Windows.Common-Controls"
)

status=0
for exe in "$@"; do
  [ -f "$exe" ] || { echo "missing: $exe"; status=1; continue; }
  dlls=$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p')
  [ -n "$dlls" ] || { echo "no import table read from $exe"; status=1; continue; }
  echo "$exe imports:"
  while read -r dll; do
    name=$(tr 'A-Z' 'a-z' <<<"$dll")
    why=${reason[$name]:-}
    if [[ -z "$why" && "$name" =~ ^api-ms-win-[a-z0-9-]+\.dll$ ]]; then why="API set, resolved by the loader"; fi
    if [[ "$name" == comctl32.dll ]] && ! grep -aq 'Microsoft.Windows.Common-Controls' "$exe"; then
      why=""  # without the manifest's dependency the loader searches the executable's folder first
    fi
    if [[ -z "$why" ]]; then
      echo "  $dll: NOT a system-only DLL (a file beside the executable would be loaded)"
      status=1
    else
      echo "  $dll: $why"
    fi
  done <<<"$dlls"
done
exit $status
