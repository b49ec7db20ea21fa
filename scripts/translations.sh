#!/usr/bin/env bash
# The translations' entries as lupdate finds them in src/:
#   translations.sh update   brings translations/*.ts up to date with the sources
#                            (new texts come in unfinished, texts gone are dropped);
#   translations.sh check    fails when a .ts file lacks a translation of a text
#                            of the sources or holds one of a text they no longer have.
# The files hold no line numbers, so that an edit elsewhere in a source leaves them alone.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
lupdate="${LUPDATE:-$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)}"
mode="${1:-check}"

run_lupdate() { # ts-file [extra options]
  local ts="$1"; shift
  "$lupdate" -silent -locations none -tr-function-alias QT_TR_NOOP+=UI_TR -I "$root/src" "$@" "$root/src" -ts "$ts"
}

case "$mode" in
  update)
    for ts in "$root"/translations/*.ts; do run_lupdate "$ts" -no-obsolete; done ;;
  check)
    scratch="$(mktemp -d)"
    trap 'rm -rf "$scratch"' EXIT
    bad=0
    for ts in "$root"/translations/*.ts; do
      copy="$scratch/$(basename "$ts")"
      cp "$ts" "$copy"
      run_lupdate "$copy"
      # Unfinished: new or changed in the sources; vanished or obsolete: gone from them.
      if grep -n -B3 -E 'type="(unfinished|vanished|obsolete)"' "$copy" | grep -E '<source>|type=' >"$scratch/found"; then
        echo "$(basename "$ts"): entries to bring up to date (scripts/translations.sh update, then translate):"
        cat "$scratch/found"
        bad=1
      fi
    done
    exit $bad ;;
  *) echo "usage: $0 update|check" >&2; exit 2 ;;
esac
