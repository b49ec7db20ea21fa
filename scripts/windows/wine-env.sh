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
