#!/usr/bin/env bash
# The README's picture of the program under Wine: the Windows build's program
# on the manual's scratch user (scripts/sample-data.sh), on a virtual X server
# of 1280×1024, saving its main window with the line graph open (--screenshot).
# Usage: scripts/windows/screenshot.sh WINDOWS_PROGRAM OUTPUT.png
set -euo pipefail
program=$1
out=$2
here="$(cd "$(dirname "$0")" && pwd)"
. "$here/wine-env.sh"
. "$here/../sample-data.sh"
wine_prefix_of "$program"
work=$(mktemp -d "${TMPDIR:-/tmp}/dextrel-screenshot.XXXXXX")
trap 'rm -rf "$work"' EXIT
sample_data "$work"
DEXTREL_PASSWORD=manual xvfb-run -a -s "-screen 0 1280x1024x24" bash "$here/wine-run.sh" "$program" \
  --data-dir "$(winpath "$work")" --user ann --page linegraph --screenshot "$(winpath "$work/shot.png")"
cp "$work/shot.png" "$out"
chmod 644 "$out"
