#!/usr/bin/env bash
# Builds the Windows release of the real-mouse program: the per-user installer and the portable zip,
# both in build/win64/dist/. Installs what it needs first.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/bootstrap.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target windows_package
for file in build/win64/dist/*-setup.exe build/win64/dist/*-portable.zip; do
  echo "package: $file ($(stat -c %s "$file") bytes)"
done
