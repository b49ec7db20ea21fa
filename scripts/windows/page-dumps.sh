#!/usr/bin/env bash
# One scripted start per report page of the Windows program under Wine (on the
# X server the tests run with), each saving the screen's state with --dump,
# compared with the Linux program's dump of the same page on the same data:
# every text, figure and date the page shows. Twice: for a user in mg/dL with
# year/month/day dates and for one in mmol/L with day/month/year dates.
# Usage: page-dumps.sh WINDOWS_PROGRAM LINUX_BUILD_DIR
set -euo pipefail
program=$1
linux=$2
here="$(cd "$(dirname "$0")" && pwd)"
. "$here/wine-env.sh"
. "$here/../sample-data.sh"
wine_prefix_of "$program"

work=$(mktemp -d "${TMPDIR:-/tmp}/dextrel-dumps.XXXXXX")
trap 'rm -rf "$work"' EXIT
mkdir "$work/data" "$work/linux" "$work/windows"
sample_data "$work/data"
# bob: ann's readings, in mmol/L with day/month/year dates.
printf 'bob*,other*,1,2,2,160,80,160,80\r\n' >>"$work/data/DXRegister.txt"
cp -p "$work/data/ann.txt" "$work/data/bob.txt"
# The Linux program on a screen of the size of the X server's.
printf '{"screens": [{"name": "screen", "x": 0, "y": 0, "width": 1280, "height": 1024, "logicalDpi": 96}]}\n' \
  >"$work/screen.json"

# The dump without the status bar's clock (Panel2, Panel3: today's date and
# the time, as the system's own settings write them).
without_clock() {
  python3 -c '
import json, sys
def mask(node):
    if isinstance(node, dict):
        for key, value in node.items():
            if key in ("Panel2", "Panel3") and isinstance(value, dict) and "text" in value:
                value["text"] = "(clock)"
            else:
                mask(value)
    elif isinstance(node, list):
        for value in node:
            mask(value)
dump = json.load(open(sys.argv[1], encoding="utf-8"))
mask(dump)
print(json.dumps(dump, indent=1, ensure_ascii=False, sort_keys=True))
' "$1"
}

failed=0 pages=0
for user in ann:manual bob:other; do
  id=${user%%:*}
  export DEXTREL_PASSWORD=${user#*:}
  for page in datalist standardday linegraph pclinegraph histogram summary overlayday; do
    name=$id-$page.json
    QT_QPA_PLATFORM="offscreen:configfile=$work/screen.json" "$linux/dextrel" --data-dir "$work/data" \
      --user "$id" --page "$page" --dump "$work/linux/$name" 2>"$work/linux.err" \
      || { echo "The Linux program failed on $page for $id:" >&2; cat "$work/linux.err" >&2; exit 1; }
    if ! bash "$here/wine-run.sh" "$program" --data-dir "$(winpath "$work/data")" --user "$id" --page "$page" \
         --dump "$(winpath "$work/windows/$name")" >"$work/windows.out" 2>&1; then
      echo "FAILED: $page for $id: the Windows program ended with an error:" >&2
      cat "$work/windows.out" >&2
      failed=1
      continue
    fi
    if ! diff -u <(without_clock "$work/linux/$name") <(without_clock "$work/windows/$name") >"$work/diff"; then
      echo "FAILED: $page for $id: the Windows program's dump differs from the Linux program's:" >&2
      head -60 "$work/diff" >&2
      failed=1
      continue
    fi
    pages=$((pages + 1))
  done
done
echo "Page dumps: $pages of 14 the same on Windows as on Linux."
exit $failed
