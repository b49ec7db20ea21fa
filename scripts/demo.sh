#!/usr/bin/env bash
# Tries a meter download without a meter: an emulated meter holding about three
# weeks of readings (some marked PC) on a pseudo-terminal, and the program on a
# scratch data folder. Usage: scripts/demo.sh BUILD_DIR [program options...]
set -euo pipefail
build=${1:-build}
shift || true
exe=$build/dextrel
[ -x "$exe" ] || exe=$build/src/app/dextrel
emulator=$build/meter-emulator
. "$(dirname "$0")/emulator.sh"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  cat >&2 <<'MSG'
There is no display to show the program on (DISPLAY is not set).
Run the demo under a virtual X server instead:
    xvfb-run -a make demo
MSG
  exit 1
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/dextrel-demo.XXXXXX")
trap 'exit 130' INT TERM HUP

mkdir "$work/data"
start_emulator --generate 90 --seed 7 --log "$work/meter.log"
for n in 1 2 3 4 5; do
  export "DEXTREL_COM$n=$pty"
done

cat <<MSG
An emulated meter holding 90 readings answers on $pty (serial ports 1 to 5).
Log in as guest, open Download Meter Readings and press Start Reading.
Scratch data folder: $work/data (removed when the program ends).
MSG
"$exe" --data-dir "$work/data" "$@"
