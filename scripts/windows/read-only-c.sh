#!/usr/bin/env bash
# Runs the data folder's test of a Windows build with Wine's C:\ closed to new
# files, as an ordinary user of current Windows finds it: the drive's folder is
# made immutable on the Linux side for the run (chattr, which needs root), once
# without and once with a user list in it. Exits 77 (skipped) where that cannot be done.
#   read-only-c.sh TEST_PROGRAM.exe
set -euo pipefail
test=$1
here="$(cd "$(dirname "$0")" && pwd)"
. "$here/wine-env.sh"
wine_prefix_of "$test"
bash "$here/wine-run.sh" cmd /c exit >/dev/null 2>&1 # the prefix exists
drive="$WINEPREFIX/drive_c"

open_drive() { chattr -i "$drive" 2>/dev/null || true; rm -f "$drive/DXRegister.txt"; }
trap open_drive EXIT
open_drive
if ! chattr +i "$drive" 2>/dev/null; then
  echo "C: cannot be made read-only here (chattr +i needs root): skipped."
  exit 77
fi
chattr -i "$drive"

for state in "read-only" "read-only with a list"; do
  [ "$state" = "read-only" ] || printf 'ID,Passwd,RS-232port,Unit,Time,Max,Min,Maxp,Minp\r\n' > "$drive/DXRegister.txt"
  chattr +i "$drive"
  DEXTREL_TEST_C_DRIVE=$state bash "$here/wine-run.sh" "$test" windowsDataFolder
  open_drive
done
