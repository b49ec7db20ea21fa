#!/usr/bin/env bash
# `make test-windows`: every test of the Windows build under Wine, in a Wine
# prefix of the build folder, with a virtual X server of 1280×1024 (the screen
# the Linux program's page dumps are compared on). The downloads on COM1
# are compared with the Linux program's (the Linux build must be there).
#   test.sh WINDOWS_BUILD_DIR LINUX_BUILD_DIR [CTEST_OPTION...]   (-R tst_frame: one test)
set -euo pipefail
windows=$1
linux=$2
shift 2
cmake --build "$linux" --target dextrel meter-emulator
here="$(cd "$(dirname "$0")" && pwd)"
cd "$windows"
export WINEPREFIX="$PWD/wine" WINE_SYSTEM_UP=1
bash "$here/wine-run.sh" cmd /c exit </dev/null >/dev/null 2>&1 || true # the prefix, made once
/usr/lib/wine/wineserver -k 2>/dev/null || true
status=0
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c \
  '. "$1/wine-env.sh" && wine_system_up && ctest -j2 --timeout 300 --output-on-failure "${@:2}"' - "$here" "$@" || status=$?
/usr/lib/wine/wineserver -k 2>/dev/null || true
ignored=$(sed -n 's/^set(CTEST_CUSTOM_TESTS_IGNORE \(.*\))$/\1/p' CTestCustom.cmake | tr ';' ' ')
echo "Not run under Wine: $ignored"
exit $status
