#!/usr/bin/env bash
# Runs every fuzz target for the given number of seconds each (default 60) and prints the executions
# each reached. Corpora grow in build/fuzz/corpus/<target> from run to run; the installed files seed
# the file loaders. The test run keeps its own short bounded runs (ctest -R '^fuzz_').
#   scripts/fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
scripts/bootstrap.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

corpora=build/fuzz/corpus
runtime=assets/runtime
seed() {  # target, files...
  local dir=$corpora/$1; shift
  mkdir -p "$dir"
  for f in "$@"; do [ -f "$f" ] && cp -n "$f" "$dir/" || true; done
}
seed macro_store "$runtime/record.ini"
seed profile_list "$runtime/str.ini"
seed ini_document "$runtime/str.ini" "$runtime/str0.ini" "$runtime/record.ini"
# The loader's input: the data file's length in two bytes, the data file, the text file.
mkdir -p "$corpora/profile_loader"
if [ -f "$runtime/config0.bin" ] && [ ! -f "$corpora/profile_loader/installed" ]; then
  { printf '\x07\x30'; cat "$runtime/config0.bin" "$runtime/str.ini"; } >"$corpora/profile_loader/installed"
fi

printf '%-24s %14s %10s\n' target executions per_second
for target in build/fuzz/tests/fuzz/fuzz_*; do
  [ -x "$target" ] || continue
  name=$(basename "$target"); name=${name#fuzz_}
  mkdir -p "$corpora/$name"
  log=$(mktemp)
  if ! "$target" "$corpora/$name" -max_total_time="$seconds" -rss_limit_mb=2048 -print_final_stats=1 \
      >"$log" 2>&1; then
    tail -40 "$log"
    echo "fuzz: $name failed"
    exit 1
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  printf '%-24s %14s %10s\n' "$name" "$runs" "$((runs / seconds))"
  rm -f "$log"
done
