#!/usr/bin/env bash
# Makes the pictures of the program's windows that the manual shows, with the
# program itself: a scratch data folder with one user and three weeks of
# readings (about five a day, some marked PC), then one --screenshot per page.
# Usage: [SCREEN=WxH] scripts/manual-pictures.sh PROGRAM OUTPUT_DIR PAGE...  (PAGE as --page takes it)
# The frame opens at its full size (1024×740) on the default screen of
# 1280×1024, and fills a smaller one.
set -euo pipefail
exe=$1
out=$2
shift 2
work=$(mktemp -d "${TMPDIR:-/tmp}/dextrel-pictures.XXXXXX")
trap 'rm -rf "$work"' EXIT

printf 'ID,Passwd,RS-232port,Unit,Time,Max,Min,Maxp,Minp\r\nguest*,vorpa*,1,1,1,120,80,120,80\r\nann*,manual*,1,1,1,180,70,180,70\r\n' \
  >"$work/DXRegister.txt"
# 1 to 21 March 2006, five readings a day; newest first, as a download stores them.
awk 'BEGIN {
  printf "Test_No,Glucose,Month,Day,Hour,Minute,Event,Glucose_mmol,Year,Date & Time\r\n"
  split("7 10 13 18 22", hours, " ")
  n = 0
  for (day = 21; day >= 1; day--)
    for (k = 5; k >= 1; k--) {
      g = 95 + (day * 37 + k * 53) % 120 + (k % 2 == 0 ? 30 : 0)
      mark = (k % 2 == 0) ? "PC" : "C"
      minute = (day * 7 + k * 11) % 60
      printf "T%04d,%05d,03,%02d,%02d,%02d,%s,%04.1f,2006,2006/03/%02d - %02d:%02d\r\n", \
        ++n, g, day, hours[k], minute, mark, g / 18, day, hours[k], minute
    }
}' >"$work/ann.txt"
chmod 600 "$work"/*.txt

mkdir -p "$out"
screen=${SCREEN:-1280x1024}
printf '{"screens": [{"name": "screen", "x": 0, "y": 0, "width": %d, "height": %d, "logicalDpi": 96}]}\n' \
  "${screen%x*}" "${screen#*x}" >"$work/screen.json"
export QT_QPA_PLATFORM="offscreen:configfile=$work/screen.json" ASAN_OPTIONS=detect_leaks=0
for page in "$@"; do
  user=ann password=manual extra=()
  case $page in
    index) user=guest password=vorpa ;;   # the first page a newcomer sees
    standardday) extra=(--set Combo4=2006/3/14) ;;
    settings) extra=(--set ComboDevice=/dev/ttyUSB0) ;;   # port 1 opening a USB adapter
  esac
  if ! DEXTREL_PASSWORD=$password "$exe" --data-dir "$work" --user "$user" --page "$page" "${extra[@]}" \
       --screenshot "$out/$page.png" 2>"$work/errors"; then
    cat "$work/errors" >&2
    exit 1
  fi
done
chmod 644 "$out"/*.png
