#!/usr/bin/env bash
# Starts the program, or explains how when there is no display to show it on.
set -euo pipefail
exe=$1; shift
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  cat >&2 <<'MSG'
There is no display to show the program on (DISPLAY is not set).
Run it under a virtual X server instead:
    xvfb-run -a make run
or take a picture of a page without any display:
    QT_QPA_PLATFORM=offscreen build/dextrel --user guest --page index --screenshot index.png
MSG
  exit 1
fi
exec "$exe" "$@"
