#!/usr/bin/env bash
# Builds the native benchmarks and runs each of them; the figures are printed, nothing is asserted.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/bootstrap.sh
cmake --preset native >/dev/null
cmake --build --preset native
shopt -s nullglob
benches=(build/native/tests/bench/bench_*)
[ ${#benches[@]} -gt 0 ] || { echo "bench: no benchmarks built"; exit 0; }
for bench in "${benches[@]}"; do
  echo "== $(basename "$bench")"
  "$bench" "$@"
done

# The drawing figures need the Windows build, Wine and a display.
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target bench_painter_figures bench_main_window_figures bench_bare_window bench_pacer_figures bench_save_figures bench_startup_figures \
  quendar_app quendar_demo
scripts/wine-prefix.sh >/dev/null
source scripts/wine-env.sh
for bench in build/win64/tests/bench/bench_*.exe; do
  echo "== $(basename "$bench") (under Wine)"
  scripts/with-display.sh wine "$bench"
done
