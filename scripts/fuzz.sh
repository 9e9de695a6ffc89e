#!/usr/bin/env bash
# Runs every fuzz target for the given number of seconds each (default 60) and prints the executions
# each reached. Each target starts from its committed corpus (tests/fuzz/corpus/<target>) and the
# installed files; what it finds grows build/fuzz/corpus/<target> from run to run, and the committed
# corpus is replaced by a minimal set of small inputs covering both (review and commit it). Inputs reach 1 MB
# and an input slower than the time limit fails the run (tests/fuzz/limits.txt, shared with ctest).
# The test run keeps its own short bounded runs (ctest -R '^fuzz_').
#   scripts/fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
scripts/bootstrap.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

corpora=build/fuzz/corpus
committed=tests/fuzz/corpus
runtime=assets/runtime
read -r -a limits <tests/fuzz/limits.txt
# Inputs larger than this stay in the build tree, so the committed corpus stays small.
committed_max_bytes=4096
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

printf '%-24s %14s %10s %9s\n' target executions per_second committed
for target in build/fuzz/tests/fuzz/fuzz_*; do
  [ -x "$target" ] || continue
  name=$(basename "$target"); name=${name#fuzz_}
  mkdir -p "$corpora/$name" "$committed/$name"
  log=$(mktemp)
  if ! "$target" "$corpora/$name" "$committed/$name" -max_total_time="$seconds" "${limits[@]}" \
      -print_final_stats=1 >"$log" 2>&1; then
    tail -40 "$log"
    echo "fuzz: $name failed"
    exit 1
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  # The committed corpus becomes the smallest set of small inputs that covers what the committed and the
  # found inputs cover together (edges, not hit counts), so it grows with coverage and not with every run.
  small=$(mktemp -d) minimal=$(mktemp -d)
  find "$corpora/$name" "$committed/$name" -type f -size -"$((committed_max_bytes + 1))"c -exec cp -t "$small" {} +
  "$target" -merge=1 -use_counters=0 "$minimal" "$small" "${limits[@]}" >"$log" 2>&1 || { tail -20 "$log"; exit 1; }
  rm -rf "${committed:?}/$name" "$small"
  mv "$minimal" "$committed/$name"
  printf '%-24s %14s %10s %9s\n' "$name" "$runs" "$((runs / seconds))" "$(($(du -sb "$committed/$name" | cut -f1) / 1024))K"
  rm -f "$log"
done
