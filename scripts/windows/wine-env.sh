# Sourced by the scripts that run the Windows build's programs under Wine.
# wine_prefix_of FILE exports WINEPREFIX (unless it is set): the Wine prefix
# "wine" of the build folder FILE is in, the one holding CMakeCache.txt.
# winpath PATH prints a Linux path as Windows programs under Wine see it.
wine_prefix_of() {
  [ -z "${WINEPREFIX:-}" ] || return 0
  local dir
  dir="$(cd "$(dirname "$1")" && pwd)"
  while [ "$dir" != / ] && [ ! -f "$dir/CMakeCache.txt" ]; do dir="$(dirname "$dir")"; done
  if [ ! -f "$dir/CMakeCache.txt" ]; then
    echo "$1 is in no build folder, so there is no Wine prefix for it (set WINEPREFIX)." >&2
    exit 2
  fi
  export WINEPREFIX="$dir/wine"
}
winpath() { echo "Z:${1//\//\\}"; }
# wine_system_up starts Wine's server for good (-p) and its system processes
# (services, devices) with no one's output. Started by a test's program instead,
# they would keep that test's output open, and ctest would wait on it until the
# test timed out. Only where WINE_SYSTEM_UP is set (`make test-windows`); the
# tests that restart the server call it again once done.
wine_system_up() {
  [ -n "${WINE_SYSTEM_UP:-}" ] || return 0
  /usr/lib/wine/wineserver -p </dev/null >/dev/null 2>&1 || true
  WINEDEBUG=-all /usr/lib/wine/wine64 cmd /c exit </dev/null >/dev/null 2>&1 || true
}
