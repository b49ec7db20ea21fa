#!/usr/bin/env bash
# Makes the pictures of the program's windows that the manual shows, with the
# program itself: a scratch data folder with one user and three weeks of
# readings (scripts/sample-data.sh), then one --screenshot per page.
# Usage: [SCREEN=WxH] [UI_LANG=en|zh_TW] scripts/manual-pictures.sh PROGRAM OUTPUT_DIR PAGE...
# (PAGE as --page takes it; UI_LANG as --lang takes it, English by default,
# whatever the computer's language).
# The frame opens at its full size (1024×740) on the default screen of
# 1280×1024, and fills a smaller one.
set -euo pipefail
exe=$1
out=$2
shift 2
work=$(mktemp -d "${TMPDIR:-/tmp}/dextrel-pictures.XXXXXX")
trap 'rm -rf "$work"' EXIT

. "$(dirname "$0")/sample-data.sh"
sample_data "$work"

mkdir -p "$out"
screen=${SCREEN:-1280x1024}
lang=${UI_LANG:-en}
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
       --lang "$lang" --screenshot "$out/$page.png" 2>"$work/errors"; then
    cat "$work/errors" >&2
    exit 1
  fi
done
chmod 644 "$out"/*.png
