#!/usr/bin/env bash
# Builds Qt's base module (Core, Gui, Widgets, PrintSupport, Network, Test and the
# Windows platform plugin) for 64-bit Windows from Debian's own source package,
# with Debian's MinGW-w64 and Debian's Qt as the host tools.
#
# The result lives outside the repository, in $DEXTREL_QT_MINGW (default
# ~/.cache/dextrel/qt-6.4.2-mingw), and is reused while this script, the
# toolchain file and the source package are unchanged: the first build takes
# about half an hour on two cores, a later call a second.
#
#   scripts/windows/build-qt.sh          build if needed, print the prefix
#   scripts/windows/build-qt.sh --check  exit 0 when a current build is cached
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"
toolchain="$root/cmake/mingw-w64-x86_64.cmake"
cache="${XDG_CACHE_HOME:-$HOME/.cache}/dextrel"
prefix="${DEXTREL_QT_MINGW:-$cache/qt-6.4.2-mingw}"
work="$cache/qt-6.4.2-mingw-work"
version="6.4.2+dfsg-10"

key="$(cat "$0" "$toolchain" | sha256sum | cut -c1-16)"
stamp="$prefix/.dextrel-build-key"

if [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$key" ]; then
  [ "${1:-}" = "--check" ] || echo "$prefix"
  exit 0
fi
if [ "${1:-}" = "--check" ]; then
  exit 1
fi

say() { echo "== Qt for Windows: $*" >&2; }

# Debian's source package, fetched through a private list of source archives so
# the machine's own apt lists stay as they are.
fetch_source() {
  local apt="$work/apt"
  mkdir -p "$apt/lists/partial" "$apt/cache/archives/partial" "$work/src"
  cat > "$apt/sources.list" <<LIST
deb-src http://deb.debian.org/debian bookworm main
deb-src http://deb.debian.org/debian-security bookworm-security main
LIST
  local opts=(-o "Dir::Etc::SourceList=$apt/sources.list" -o Dir::Etc::SourceParts=/dev/null
              -o "Dir::State::Lists=$apt/lists" -o "Dir::Cache=$apt/cache"
              -o APT::Sandbox::User=root)
  say "fetching the source package qt6-base $version from Debian"
  apt-get "${opts[@]}" -q update >&2
  (cd "$work/src" && apt-get "${opts[@]}" -q source --download-only "qt6-base=$version" >&2)
  say "unpacking it with Debian's patches"
  rm -rf "$work/src/qtbase"
  (cd "$work/src" && dpkg-source -x "qt6-base_${version}.dsc" qtbase >&2)
}

if [ ! -f "$work/src/qtbase/CMakeLists.txt" ]; then
  fetch_source
fi

say "configuring (the log is $work/configure.log)"
rm -rf "$work/build" "$prefix"
mkdir -p "$work/build"
# tabletevent: Debian's source lacks the tablet headers the Windows plugin reads.
# OpenGL stays on: in 6.4.2 the Windows platform plugin does not build without it.
cmake -S "$work/src/qtbase" -B "$work/build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_INSTALL_PREFIX="$prefix" \
  -DBUILD_SHARED_LIBS=ON \
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
  -DFEATURE_tabletevent=OFF \
  -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_opengl_desktop=OFF -DFEATURE_opengl_dynamic=ON \
  -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF \
  -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_png=OFF \
  -DFEATURE_system_jpeg=OFF -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF \
  -DFEATURE_system_doubleconversion=OFF -DFEATURE_zstd=OFF \
  > "$work/configure.log" 2>&1 || { tail -40 "$work/configure.log" >&2; exit 1; }

say "building (about half an hour on two cores; progress below)"
cmake --build "$work/build" --parallel "$(nproc)" 2>&1 \
  | awk '/^\[[0-9]+\/[0-9]+\]/ { split(substr($1, 2), n, "/"); p = int(100 * n[1] / n[2]);
           if (p != last) { printf "   %d %%\r", p > "/dev/stderr"; last = p } next } { print }' \
  > "$work/build.log"
if [ "${PIPESTATUS[0]}" -ne 0 ]; then tail -40 "$work/build.log" >&2; exit 1; fi
echo >&2

say "installing into $prefix"
cmake --install "$work/build" > "$work/install.log"
echo "$key" > "$stamp"
echo "$prefix"
