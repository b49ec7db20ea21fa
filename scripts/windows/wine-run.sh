#!/usr/bin/env bash
# Runs a Windows program of the build under wine64, in the build's own Wine
# prefix, finding Qt's and MinGW's DLLs where they were built or installed.
#   scripts/windows/wine-run.sh PROGRAM.exe [ARGUMENT...]
# WINEPREFIX defaults to <build-windows>/wine, the folder above this run's
# program that holds CMakeCache.txt; it is made on first use.
set -euo pipefail

exe=$1
here="$(cd "$(dirname "$0")" && pwd)"
. "$here/wine-env.sh"
wine_prefix_of "$exe"
qt="${DEXTREL_QT_MINGW:-${XDG_CACHE_HOME:-$HOME/.cache}/dextrel/qt-6.4.2-mingw}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
export WINEPATH="$(winpath "$qt/bin");$(winpath /usr/lib/gcc/x86_64-w64-mingw32/12-posix);$(winpath /usr/x86_64-w64-mingw32/lib)"
export QT_PLUGIN_PATH="$(winpath "$qt/plugins")"
# Test results on standard output, not the debugger's channel (there is no console).
export QT_FORCE_STDERR_LOGGING=1
# Wine keeps QT_* variables from Windows programs (they would be Linux Qt's);
# WINEQT_* reach them as QT_*.
while IFS='=' read -r name value; do
  export "WINE$name=$value"
done < <(env | grep '^QT_[A-Z_]*=' || true)
wine=/usr/lib/wine/wine64

if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$WINEPREFIX"
  # One start at a time makes the prefix; the others wait for it.
  (
    flock 9
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
      "$wine" wineboot --init >/dev/null 2>&1 || true
      /usr/lib/wine/wineserver -w
    fi
  ) 9>"$WINEPREFIX.lock"
fi
exec "$wine" "$@"
