#!/usr/bin/env bash
# Creates the private Wine prefix once, with the font mappings the program's three languages need.
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"
stamp=$WINEPREFIX/.quendar-ready
[ -f "$stamp" ] && exit 0
mkdir -p "$WINEPREFIX"
echo "wine-prefix: creating $WINEPREFIX"
wine wineboot -i >/dev/null 2>&1 || true
"$WINESERVER" -w
reg() { wine reg add "$@" /f >/dev/null 2>&1; }
# Chinese faces the program asks for by name map to an installed CJK font; Latin faces fall back to it.
reg 'HKCU\Software\Wine\Fonts\Replacements' /v '宋体' /t REG_SZ /d 'WenQuanYi Zen Hei'
reg 'HKCU\Software\Wine\Fonts\Replacements' /v '黑体' /t REG_SZ /d 'WenQuanYi Zen Hei'
reg 'HKCU\Software\Wine\Fonts\Replacements' /v 'SimSun' /t REG_SZ /d 'WenQuanYi Zen Hei'
reg 'HKCU\Software\Wine\Fonts\Replacements' /v 'SimHei' /t REG_SZ /d 'WenQuanYi Zen Hei'
for face in 'Liberation Sans' 'Segoe UI' 'Tahoma' 'Arial'; do
  reg 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' /v "$face" /t REG_MULTI_SZ \
      /d 'wqy-zenhei.ttc,WenQuanYi Zen Hei'
done
"$WINESERVER" -w
touch "$stamp"
