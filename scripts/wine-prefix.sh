#!/usr/bin/env bash
# Creates the private Wine prefix once, with the font mappings the program's three languages need and
# text smoothing as Windows has it by default.
set -uo pipefail
source "$(dirname "$0")/wine-env.sh"
stamp=$WINEPREFIX/.quendar-ready
# Raise when the settings below change: a prefix made earlier takes them at the next run.
settings_version=4
[ "$(cat "$stamp" 2>/dev/null)" = "$settings_version" ] && exit 0
mkdir -p "$WINEPREFIX"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "wine-prefix: creating $WINEPREFIX"
  for attempt in 1 2 3; do
    wine wineboot -i >/dev/null 2>&1
    "$WINESERVER" -w
    [ -f "$WINEPREFIX/system.reg" ] && break
    echo "wine-prefix: wineboot attempt $attempt did not finish the prefix; trying again"
  done
  [ -f "$WINEPREFIX/system.reg" ] || { echo "wine-prefix: could not create $WINEPREFIX" >&2; exit 1; }
fi

# A registry write can fail while the prefix is still settling: try each a few times. The mappings only
# make text legible, so a failure is reported but does not stop the tests.
reg() {
  for _ in 1 2 3; do
    wine reg add "$@" /f >/dev/null 2>&1 && return 0
    "$WINESERVER" -w
  done
  echo "wine-prefix: could not set $*" >&2
}
# Chinese faces the program asks for by name map to an installed CJK font; Latin faces fall back to it.
# Micro Hei is outlines only: Zen Hei's embedded 13-14 pixel bitmaps lose strokes ("側面" drawn broken).
for face in '宋体' '黑体' 'SimSun' 'SimHei'; do
  reg 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /t REG_SZ /d 'WenQuanYi Micro Hei'
done
# Without a replacement "Arial" resolves to a face that draws Latin letters garbled and no underscore at
# 13-14 pixels; the metric-compatible Liberation Sans reads as Arial does. The other Latin faces the
# program names are not installed either: named here, they never fall back to a CJK face's Latin letters.
for face in 'Arial' 'Segoe UI' 'Tahoma'; do
  reg 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /t REG_SZ /d 'Liberation Sans'
done
for face in 'Liberation Sans' 'Segoe UI' 'Tahoma' 'Arial'; do
  reg 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' /v "$face" /t REG_MULTI_SZ \
      /d 'wqy-microhei.ttc,WenQuanYi Micro Hei'
done
# Without smoothing Wine draws 13-14 pixel captions in bare pixels that misread ("Loft Shift", "Γ5");
# Windows smooths text by default (ClearType, RGB stripes, its standard gamma).
desktop='HKCU\Control Panel\Desktop'
reg "$desktop" /v FontSmoothing /t REG_SZ /d 2
reg "$desktop" /v FontSmoothingType /t REG_DWORD /d 2
reg "$desktop" /v FontSmoothingGamma /t REG_DWORD /d 1400
reg "$desktop" /v FontSmoothingOrientation /t REG_DWORD /d 1
"$WINESERVER" -w
echo "$settings_version" > "$stamp"
