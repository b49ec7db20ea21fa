#!/usr/bin/env bash
# Takes the README's pictures again with the built program: the windows on the
# manual's scratch user and screen (scripts/manual-pictures.sh), the help browser
# on the manual, and the doctor's page from a download of the emulated meter, as
# the README tells.
# Usage: scripts/screenshots.sh BUILD_DIR [OUTPUT_DIR]   (default docs/screenshots)
set -euo pipefail
build=${1:-build}
out=${2:-docs/screenshots}
here=$(dirname "$0")
exe=$build/dextrel
emulator=$build/meter-emulator
. "$here/emulator.sh"

bash "$here/manual-pictures.sh" "$exe" "$out" index menu download linegraph pclinegraph datalist \
  histogram standardday settings summary overlayday web
mv "$out/web.png" "$out/browser.png"

work=$(mktemp -d "${TMPDIR:-/tmp}/dextrel-screenshots.XXXXXX")
# The doctor's page: 105 readings of the last weeks, downloaded from the meter.
start_emulator --generate 105 --seed 7
mkdir "$work/data"
printf 'ID,Passwd,RS-232port,Unit,Time,Max,Min,Maxp,Minp\r\nann*,manual*,1,1,1,180,70,180,70\r\n' \
  >"$work/data/DXRegister.txt"
chmod 600 "$work/data/DXRegister.txt"
export QT_QPA_PLATFORM=offscreen DEXTREL_COM1=$pty
echo manual | "$exe" --data-dir "$work/data" --user ann --password-stdin --download
echo manual | "$exe" --data-dir "$work/data" --user ann --password-stdin --report-pdf "$work/doctor.pdf" \
  --from 2026-11-01
pdftoppm -png -r 90 -singlefile "$work/doctor.pdf" "$out/doctor-report"
