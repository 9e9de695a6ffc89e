#!/usr/bin/env bash
# Runs a command on the current X display, or on a private virtual one when there is none.
if [ -n "${DISPLAY:-}" ] && [ -z "${QUENDAR_FORCE_XVFB:-}" ]; then
  exec "$@"
fi
exec xvfb-run -a -s "-screen 0 2560x1600x24" "$@"
