#!/usr/bin/env bash
# Builds the program and starts it under Wine with the simulated mouse, the bundled skin and the default
# profiles. Without a display it runs on a virtual one, saves a screenshot of the window and prints its path.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/bootstrap.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target quendar_demo
scripts/wine-prefix.sh
source scripts/wine-env.sh
program="build/win64/demo/QUENDAR 2017.exe"
title="VELMARK QUENDAR 2017"

if [ -n "${DISPLAY:-}" ] && [ -z "${QUENDAR_FORCE_XVFB:-}" ]; then
  echo "run: starting $program on $DISPLAY (exit from its notification-area menu)"
  exec wine "$program"
fi

display=99
while [ -e "/tmp/.X${display}-lock" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 2560x1600x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY=":$display"
cleanup() { "$WINESERVER" -k 2>/dev/null || true; kill "$xvfb_pid" 2>/dev/null || true; }
trap cleanup EXIT

wait_for() {  # seconds, command...
  local deadline=$((SECONDS + $1)); shift
  until "$@" >/dev/null 2>&1; do
    [ $SECONDS -lt $deadline ] || return 1
    sleep 0.2
  done
}
wait_for 20 xdpyinfo || { echo "run: the virtual display did not start" >&2; exit 1; }
wine "$program" &
wait_for 60 bash -c "xwininfo -root -tree | grep -q '\"$title\"'" ||
  { echo "run: the program's window did not appear" >&2; exit 1; }
sleep 2  # let the first paint finish before the picture is taken

mkdir -p build/screenshots
shot="$PWD/build/screenshots/quendar-$(date +%Y%m%d-%H%M%S).png"
geometry=$(xwininfo -root -tree | grep "\"$title\"" | head -1 | grep -oE '[0-9]+x[0-9]+\+-?[0-9]+\+-?[0-9]+' | head -1)
import -window root ${geometry:+-crop "$geometry"} "$shot"
screen="${shot%.png}-screen.png"
import -window root "$screen"
echo "run: no display here; the program ran on a virtual display."
echo "run: screenshot of the window: $shot"
echo "run: screenshot of the whole screen (with the simulated mouse's window): $screen"
