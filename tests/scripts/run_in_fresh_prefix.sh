#!/usr/bin/env bash
# Runs one Windows program in a Wine prefix made new for this run: PREFIX PROGRAM [ARGUMENTS...].
# The installer tests need a user who has never installed anything. The prefix is left behind for
# inspection and replaced by the next run; its Wine processes are ended before this script returns.
set -uo pipefail
prefix=$(realpath -m "$1"); shift
source "$(dirname "$0")/../../scripts/wine-env.sh"
export WINEPREFIX=$prefix
# Shortcuts the program under test creates must not reach the host's application menu.
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winemenubuilder.exe=d"

"$WINESERVER" -k 2>/dev/null
rm -rf "$WINEPREFIX"
mkdir -p "$WINEPREFIX"
for attempt in 1 2 3; do
  wine wineboot -i >/dev/null 2>&1
  "$WINESERVER" -w
  [ -f "$WINEPREFIX/system.reg" ] && break
  echo "fresh prefix: wineboot attempt $attempt did not finish the prefix; trying again"
done
[ -f "$WINEPREFIX/system.reg" ] || { echo "fresh prefix: could not create $WINEPREFIX" >&2; exit 1; }

wine "$@"
rc=$?
"$WINESERVER" -k 2>/dev/null
exit $rc
