#!/usr/bin/env bash
# Every DLL a program imports must be one that Windows itself ships: no runtime DLL may have to sit beside
# the executable (and none could be planted there).
set -euo pipefail
allowed='^(kernel32|user32|gdi32|gdiplus|shell32|comctl32|comdlg32|advapi32|ole32|oleaut32|msimg32|setupapi|hid|msvcrt|winmm|uxtheme|shlwapi|version|bcrypt|ws2_32|api-ms-win-[a-z0-9-]+)\.dll$'
status=0
for exe in "$@"; do
  [ -f "$exe" ] || { echo "missing: $exe"; status=1; continue; }
  dlls=$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p')
  [ -n "$dlls" ] || { echo "no import table read from $exe"; status=1; continue; }
  while read -r dll; do
    if ! tr 'A-Z' 'a-z' <<<"$dll" | grep -Eq "$allowed"; then
      echo "$exe imports a non-system DLL: $dll"
      status=1
    fi
  done <<<"$dlls"
  echo "$(basename "$exe"): $(tr '\n' ' ' <<<"$dlls")"
done
exit $status
