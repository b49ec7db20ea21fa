#!/usr/bin/env bash
# A rewrite by the Windows program killed while it writes leaves the old file
# byte for byte, and the next start clears what it left and only that. The
# helper (tests/crash/rewrite_child.cpp, built for Windows) saves a download into
# a reading file of 100 000 readings under Wine, with a limit on the size of the
# files it may write, so that the system kills it (SIGXFSZ) before its first
# byte and halfway through, as a crash or a power cut would.
#   killed-rewrite.sh REWRITE_CHILD.exe
set -euo pipefail
child=$1
here="$(cd "$(dirname "$0")" && pwd)"
. "$here/wine-env.sh"
wine_prefix_of "$child"
wine() { bash "$here/wine-run.sh" "$child" "$@"; }

work=$(mktemp -d "${TMPDIR:-/tmp}/dextrel-killed.XXXXXX")
trap 'rm -rf "$work"' EXIT
wine --sample "$(winpath "$work/old.txt")"
size=$(stat -c %s "$work/old.txt")
# Wine's server, started afresh without the limit, stays up while the helper
# runs under it.
/usr/lib/wine/wineserver -k 2>/dev/null || true
/usr/lib/wine/wineserver -p10 </dev/null >/dev/null 2>&1

for kib in 0 $((size / 2048)); do
  rm -rf "$work/data" && mkdir "$work/data" && cp "$work/old.txt" "$work/data/anna.txt"
  printf 'ID,Passwd,RS-232port,Unit,Time,Max,Min,Maxp,Minp\r\nanna*,pw*,1,1,1,1,1,1,1\r\n' > "$work/data/DXRegister.txt"
  status=0
  (ulimit -f "$kib" && wine "$(winpath "$work/data/anna.txt")") 2>/dev/null || status=$?
  left=("$work"/data/anna.txt.*.dextrel-tmp)
  if [ "$status" -ne $((128 + 25)) ] || [ ! -f "${left[0]}" ]; then
    echo "Limit $kib KiB: the helper ended with status $status, leaving ${left[*]##*/}; expected SIGXFSZ in its rewrite." >&2
    exit 1
  fi
  written=$(stat -c %s "${left[0]}")
  if ! cmp -s "$work/old.txt" "$work/data/anna.txt"; then
    echo "Limit $kib KiB: the reading file changed though its rewrite was killed." >&2
    exit 1
  fi
  wine --clean "$(winpath "$work/data")"
  if [ "$(LC_ALL=C ls -A "$work/data" | tr '\n' ' ')" != "DXRegister.txt anna.txt " ]; then
    echo "Limit $kib KiB: after the clean-up the folder holds: $(ls -A "$work/data")" >&2
    exit 1
  fi
  echo "Killed with $written bytes of $size written: the old file is whole, the leftover cleared."
done
/usr/lib/wine/wineserver -k 2>/dev/null || true
wine_system_up
