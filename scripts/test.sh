#!/usr/bin/env bash
# Runs every test: the native core (plain, ASan+UBSan, TSan), the fuzz targets for a bounded time,
# the Windows cross build with its tests under Wine on a virtual display. Installs what it needs first.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/bootstrap.sh

passed=0
failed=0
log=$(mktemp)
trap 'rm -f "$log"' EXIT

run_suite() {  # name, ctest arguments...
  local name=$1; shift
  echo "== $name"
  local rc=0
  ${RUNNER:-} ctest "$@" 2>&1 | tee "$log" || rc=$?
  local summary
  summary=$(grep -E 'tests passed, [0-9]+ tests failed out of [0-9]+' "$log" | tail -1 || true)
  if [ -n "$summary" ]; then
    local total bad
    total=$(sed -E 's/.*out of ([0-9]+).*/\1/' <<<"$summary")
    bad=$(sed -E 's/.*passed, ([0-9]+) tests failed.*/\1/' <<<"$summary")
    passed=$((passed + total - bad))
    failed=$((failed + bad))
  elif [ $rc -ne 0 ]; then
    failed=$((failed + 1))
  fi
}

build() {  # preset
  echo "== build $1"
  cmake --preset "$1" >/dev/null
  cmake --build --preset "$1"
}

build native
run_suite native --preset native -j2

build sanitize
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 run_suite sanitize --preset sanitize -j2

build tsan
TSAN_OPTIONS=halt_on_error=1 run_suite tsan --preset tsan -j2 -R 'Thread|Reader|Soak|Concurr|Failure'

build fuzz
run_suite fuzz --preset fuzz -R '^fuzz_' --output-on-failure

build win64
scripts/wine-prefix.sh
source scripts/wine-env.sh
RUNNER=scripts/with-display.sh run_suite win64 --preset win64
"$WINESERVER" -k 2>/dev/null || true

echo "tests: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
