#!/usr/bin/env bash
# Starts the program from where an installation put it: the installed paths must
# work without the build tree. `install` installs the build into a scratch prefix
# (a test of `make test`); `package` unpacks the Debian package `make package`
# made into a scratch root and also checks its dependencies and lintian.
# Usage: installed.sh BUILD_DIR "NAME VERSION" install|package
set -euo pipefail
build=$1
expected_version=$2
mode=$3

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

if [[ $mode == package ]]; then
    deb=$(ls "$build"/dextrel_*.deb)
    dpkg -x "$deb" "$scratch/root"
    # Depends comes from the linked libraries, not typed by hand.
    depends=$(dpkg-deb -f "$deb" Depends)
    [[ $depends == *libqt6widgets6* ]] || fail "Depends lacks the Qt widgets library: $depends"
else
    cmake --install "$build" --prefix "$scratch/root/usr" >"$scratch/install.log" || { cat "$scratch/install.log"; exit 1; }
fi
program="$scratch/root/usr/bin/dextrel"

version=$(env -u LD_LIBRARY_PATH "$program" --version)
[[ $version == "$expected_version" ]] || fail "--version printed '$version', expected '$expected_version'"

env -u LD_LIBRARY_PATH QT_QPA_PLATFORM=offscreen DEXTREL_DATA_DIR="$scratch/data" \
    "$program" --user guest --page index --screenshot "$scratch/index.png"
[[ -s $scratch/index.png ]] || fail "no screenshot from the installed program"
# The manual, its pictures included, is inside the program.
env -u LD_LIBRARY_PATH QT_QPA_PLATFORM=offscreen DEXTREL_DATA_DIR="$scratch/data" \
    "$program" --user guest --page web --dump "$scratch/web.json"
grep -q '"title": "Dextrel Management Software manual"' "$scratch/web.json" || fail "the installed program shows no manual"

for f in usr/share/applications/org.dextrel.dextrel.desktop \
         usr/share/icons/hicolor/scalable/apps/org.dextrel.dextrel.svg \
         usr/share/metainfo/org.dextrel.dextrel.metainfo.xml; do
    [[ -s $scratch/root/$f ]] || fail "$f is not installed"
done
desktop-file-validate "$scratch/root/usr/share/applications/org.dextrel.dextrel.desktop"

if [[ $mode == package ]]; then
    # Errors only; warnings and notes are printed for whoever reads the log.
    lintian --tag-display-limit 0 "$deb" >"$scratch/lintian.log" || true
    cat "$scratch/lintian.log"
    if grep -q '^E:' "$scratch/lintian.log"; then
        fail "lintian reports errors"
    fi
    echo "package ok: $(basename "$deb")"
fi
