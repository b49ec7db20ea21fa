#!/usr/bin/env bash
# Whole downloads by the Windows program on COM1 under Wine, from the Linux
# build's emulated meter: Wine's COM1 is pointed at the emulator's
# pseudo-terminal through HKLM\Software\Wine\Ports.
#   1. 255 records: the reading file must equal, byte for byte, the one the
#      Linux program makes from the same records.
#   2. 30 records from a meter that splits an answer over two reads, loses
#      answers or answers slowly: the same file as the Linux program's download
#      of them from a meter without faults; a meter that sends two answers in
#      one read is refused as on Linux. (Noise is left to the session's tests on
#      their fake line: on a real line a stray byte may share a read with an
#      answer, which the session refuses, as it does on Linux.)
#   3. Ports that cannot be opened: one that is not there, named with the ports
#      that are; a file, which is no serial port. (Wine lets two programs open
#      one port, so a port in use cannot be tried here.)
#   4. The meter hangs up after 40 requests: the download must end saying that
#      COM1 is gone, with nothing saved.
# Usage: com1-download.sh WINDOWS_PROGRAM LINUX_BUILD_DIR
#   WINDOWS_PROGRAM takes --data-dir DIR --user ID --download, as dextrel does.
set -euo pipefail
program=$1
linux=$2
here="$(cd "$(dirname "$0")" && pwd)"
exe=$linux/dextrel
emulator=$linux/meter-emulator
. "$here/../emulator.sh"

. "$here/wine-env.sh"
wine_prefix_of "$program"
wine() { bash "$here/wine-run.sh" "$@"; }

work=$(mktemp -d "${TMPDIR:-/tmp}/dextrel-com1.XXXXXX")
restore() {
  wine reg delete 'HKLM\Software\Wine\Ports' /v COM1 /f >/dev/null 2>&1 || true
  /usr/lib/wine/wineserver -k 2>/dev/null || true
  wine_system_up
  cleanup
}
trap restore EXIT
trap 'echo "com1-download.sh: line $LINENO failed (status $?)" >&2' ERR
trap 'exit 130' INT TERM HUP

# COM1 is made from the registry when Wine's server starts.
map_com1() {
  wine reg add 'HKLM\Software\Wine\Ports' /v COM1 /t REG_SZ /d "$1" /f >/dev/null 2>&1
  /usr/lib/wine/wineserver -k 2>/dev/null || true
  /usr/lib/wine/wineserver -w
}
stop_emulator() {
  kill "$emulator_pid" 2>/dev/null || true
  wait "$emulator_pid" 2>/dev/null || true
  emulator_pid=
}

# 255 records over a month, every fourth one after a meal.
awk 'BEGIN { for (k = 1; k <= 255; k++) printf "%d %d %d %d %d %d\n", 60 + (k * 37) % 300, 1 + k % 12, 1 + k % 28, k % 24, (k * 7) % 60, k % 4 == 0 }' \
  > "$work/records.txt"

mkdir "$work/windows" "$work/linux" "$work/hangup" "$work/linux30"
start_emulator "$work/records.txt"
map_com1 "$pty"
if ! wine "$program" --data-dir "$(winpath "$work/windows")" --user guest --download \
     >"$work/windows.out" 2>"$work/windows.err"; then
  echo "The Windows download on COM1 failed:" >&2
  cat "$work/windows.out" "$work/windows.err" >&2
  exit 1
fi
stop_emulator

start_emulator "$work/records.txt"
DEXTREL_COM1=$pty "$exe" --data-dir "$work/linux" --user guest --download >"$work/linux.out" 2>"$work/linux.err"
stop_emulator
if ! cmp "$work/windows/guest.txt" "$work/linux/guest.txt"; then
  diff "$work/windows/guest.txt" "$work/linux/guest.txt" | head -20 >&2
  exit 1
fi
echo "COM1: $(($(wc -l < "$work/windows/guest.txt") - 1)) readings, the same bytes as the Linux program's download."

head -n 30 "$work/records.txt" > "$work/records30.txt"
start_emulator "$work/records30.txt"
DEXTREL_COM1=$pty "$exe" --data-dir "$work/linux30" --user guest --download >"$work/linux30.out" 2>"$work/linux30.err"
stop_emulator
for fault in --split --drop-first "--delay 60"; do
  mkdir "$work/fault"
  start_emulator $fault "$work/records30.txt"
  map_com1 "$pty"
  if ! wine "$program" --data-dir "$(winpath "$work/fault")" --user guest --download \
       >"$work/fault.out" 2>"$work/fault.err" || ! cmp -s "$work/fault/guest.txt" "$work/linux30/guest.txt"; then
    echo "COM1, a meter with $fault: the download failed or saved other readings:" >&2
    cat "$work/fault.err" >&2
    exit 1
  fi
  stop_emulator
  rm -rf "$work/fault"
done
echo "COM1, a meter that splits answers, loses answers, answers slowly: the same 30 readings each time."
start_emulator --double "$work/records30.txt"
map_com1 "$pty"
mkdir "$work/double"
wine "$program" --data-dir "$(winpath "$work/double")" --user guest --download >/dev/null 2>"$work/double.err" || true
stop_emulator
if ! grep -qF "Data Receiving Error! Got 6 byte--it's" "$work/double.err"; then
  echo "COM1, two answers in one read: expected the receiving error, got:" >&2
  cat "$work/double.err" >&2
  exit 1
fi
echo "COM1, two answers in one read: $(grep -F 'Data Receiving Error' "$work/double.err")"

# The first line of what a download on DEVICE says on standard error, after "RS232 Setting Error ! (...)".
open_failure() {
  rm -rf "$work/open" && mkdir "$work/open"
  { DEXTREL_COM1=$1 wine "$program" --data-dir "$(winpath "$work/open")" --user guest --download 2>&1 >/dev/null \
      || true; } | tr -d '\r' | sed -n 2p
}
expect_failure() { # device, the reason expected (a pattern)
  local said
  said=$(open_failure "$1")
  # shellcheck disable=SC2053
  if [[ "$said" != $2 ]]; then
    echo "Opening $1: expected \"$2\", got \"$said\"" >&2
    exit 1
  fi
}
map_com1 "$pty"
expect_failure COM9 "COM9 is not there. The serial ports of this computer: COM1*."
expect_failure "$(winpath "$work/records.txt")" "$(winpath "$work/records.txt" | sed 's/[][\\*?]/\\&/g'): not a serial port."
echo "A port that is not there and a file that is no port: each says why."

start_emulator --hangup-after 40 "$work/records.txt"
map_com1 "$pty"
if wine "$program" --data-dir "$(winpath "$work/hangup")" --user guest --download \
     >"$work/hangup.out" 2>"$work/hangup.err"; then
  echo "A download whose meter hung up ended as complete." >&2
  exit 1
fi
expected="COM1 is gone: unplugged, or closed at the other end"
if ! grep -qF "$expected" "$work/hangup.err"; then
  echo "The meter hung up; expected \"$expected\", got:" >&2
  cat "$work/hangup.err" >&2
  exit 1
fi
echo "COM1 hung up after 40 requests: $(grep -F "$expected" "$work/hangup.err" | head -1)"
