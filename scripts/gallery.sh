#!/usr/bin/env bash
# Takes the README's gallery pictures from the demo program under Wine, into docs/screenshots or the
# folder given. The skinned-dialog and macro pictures are not retaken (they were taken by hand).
set -euo pipefail
cd "$(dirname "$0")/.."
folder=$(realpath -m "${1:-docs/screenshots}")
scripts/bootstrap.sh >/dev/null
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target quendar_gallery quendar_demo
scripts/wine-prefix.sh
source scripts/wine-env.sh
mkdir -p "$folder"
QUENDAR_DEMO_EXE="$PWD/build/win64/demo/QUENDAR 2017.exe" \
  scripts/with-display.sh wine build/win64/tools/gallery/quendar_gallery.exe "$folder"
echo "gallery: pictures in $folder"
