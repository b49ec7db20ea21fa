#!/usr/bin/env bash
# `make windows`: Qt for Windows built once from Debian's source (cached outside
# the repository, scripts/windows/build-qt.sh), then the program and the tests
# of the logic as Windows programs, and the installer with a zip beside it.
#   build.sh WINDOWS_BUILD_DIR LINUX_BUILD_DIR
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
windows=$1
linux=$2
start=$SECONDS
say() { echo "== Windows: $*"; }

if ! bash "$root/scripts/windows/build-qt.sh" --check; then
  say "Qt for Windows is built once, into ~/.cache/dextrel (20 minutes or more on two cores)"
fi
qt=$(bash "$root/scripts/windows/build-qt.sh")

say "the picture tool of the Linux build ($linux)"
[ -f "$linux/CMakeCache.txt" ] || cmake -S "$root" -B "$linux" ${CMAKE_FLAGS:--G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo} >/dev/null
cmake --build "$linux" --target windows-pictures

say "configuring $windows"
mkdir -p "$windows"
cmake -S "$root" -B "$windows" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DDEXTREL_QT_MINGW="$qt" -DDEXTREL_LINUX_BUILD="$(cd "$linux" && pwd)" \
  > "$windows/configure.log" || { cat "$windows/configure.log"; exit 1; }
say "building"
cmake --build "$windows"
cmake --build "$windows" --target windows_package
say "done in $((SECONDS - start)) s"
