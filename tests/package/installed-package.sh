#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a scratch root and starts the
# program from there: the installed paths must work without the build tree.
# Usage: installed-package.sh BUILD_DIR "NAME VERSION"
set -euo pipefail
build=$1
expected_version=$2

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

cpack --config "$build/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" || { cat "$scratch/cpack.log"; exit 1; }
deb=$(ls "$scratch"/out/*.deb)
dpkg -x "$deb" "$scratch/root"
program="$scratch/root/usr/bin/dextrel"

fail() { echo "FAIL: $*"; exit 1; }

# Depends comes from the linked libraries, not typed by hand.
depends=$(dpkg-deb -f "$deb" Depends)
[[ $depends == *libqt6widgets6* ]] || fail "Depends lacks the Qt widgets library: $depends"

version=$(env -u LD_LIBRARY_PATH "$program" --version)
[[ $version == "$expected_version" ]] || fail "--version printed '$version', expected '$expected_version'"

env -u LD_LIBRARY_PATH QT_QPA_PLATFORM=offscreen DEXTREL_DATA_DIR="$scratch/data" \
    "$program" --user guest --page index --screenshot "$scratch/index.png"
[[ -s $scratch/index.png ]] || fail "no screenshot from the installed program"

for f in usr/share/applications/org.dextrel.dextrel.desktop \
         usr/share/icons/hicolor/scalable/apps/org.dextrel.dextrel.svg \
         usr/share/metainfo/org.dextrel.dextrel.metainfo.xml; do
    [[ -s $scratch/root/$f ]] || fail "$f is not installed"
done
desktop-file-validate "$scratch/root/usr/share/applications/org.dextrel.dextrel.desktop"

# Errors only; warnings and notes are printed for whoever reads the log.
lintian --tag-display-limit 0 "$deb" >"$scratch/lintian.log" || true
cat "$scratch/lintian.log"
if grep -q '^E:' "$scratch/lintian.log"; then
    fail "lintian reports errors"
fi
echo "package ok: $(basename "$deb")"
