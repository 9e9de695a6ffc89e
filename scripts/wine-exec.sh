#!/usr/bin/env bash
# Runs one Windows program under Wine in the project's prefix (CTest's emulator for the cross build).
source "$(dirname "$0")/wine-env.sh"
exec wine "$@"
