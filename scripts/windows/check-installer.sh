#!/usr/bin/env bash
# Installs the Windows installer silently under Wine and checks what a user
# gets: the program and every DLL it needs in Program Files (it starts from
# there with nothing else on the search path), the Start menu entry, the
# version in Programs and Features; then uninstalls it and checks that all of
# it is gone again.
#   check-installer.sh INSTALLER.exe VERSION
set -euo pipefail
installer=$1
version=$2
here="$(cd "$(dirname "$0")" && pwd)"
. "$here/wine-env.sh"
wine_prefix_of "$installer"
bash "$here/wine-run.sh" cmd /c exit >/dev/null 2>&1 # the prefix exists
wine() { WINEDEBUG=-all /usr/lib/wine/wine64 "$@"; }
folder="$WINEPREFIX/drive_c/Program Files/Dextrel"
shortcut="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Dextrel Management Software.lnk"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Dextrel'
failed=0
check() { # what, then a command that must succeed
  local what=$1; shift
  if "$@" >/dev/null 2>&1; then echo "ok: $what"; else echo "FAILED: $what" >&2; failed=1; fi
}

wine "$installer" /S
for f in dextrel.exe dextrel.ico uninstall.exe Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll libstdc++-6.dll \
         libgcc_s_seh-1.dll libwinpthread-1.dll platforms/qwindows.dll; do
  check "installed $f" test -f "$folder/$f"
done
check "Start menu entry" test -f "$shortcut"
check "version $version in Programs and Features" \
  bash -c "WINEDEBUG=-all /usr/lib/wine/wine64 reg query '$key' /v DisplayVersion | tr -d '\r' | grep -q 'REG_SZ *$version\$'"
out=$(WINEPATH= wine "C:\\Program Files\\Dextrel\\dextrel.exe" --version 2>/dev/null | tr -d '\r' || true)
check "the installed program starts: \"$out\"" test "$out" = "Dextrel Management Software $version"

wine "C:\\Program Files\\Dextrel\\uninstall.exe" /S
# The uninstaller runs from a copy of itself and returns at once.
for _ in $(seq 60); do [ -e "$folder" ] || break; sleep 0.5; done
check "uninstalled: the folder is gone" test ! -e "$folder"
check "uninstalled: the Start menu entry is gone" test ! -e "$shortcut"
check "uninstalled: gone from Programs and Features" \
  bash -c "! WINEDEBUG=-all /usr/lib/wine/wine64 reg query '$key' >/dev/null 2>&1"
exit $failed
