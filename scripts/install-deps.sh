#!/usr/bin/env bash
# Installs the Debian packages needed to build, run and test the program.
# Only what is missing is installed, so a second run costs a few dpkg queries.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-serialport-dev libgl-dev
  qt6-svg-dev libqt6svg6
  qt6-tools-dev qt6-l10n-tools   # Qt6LinguistTools for CMake: lupdate, lrelease
  qt6-translations-l10n          # Qt's own texts (standard buttons) in Traditional Chinese
  qt6-qpa-plugins
  libbenchmark-dev
  clang libclang-rt-14-dev clang-format git
  xvfb xauth
  fonts-noto-cjk   # Chinese text in Taiwan's forms of the characters
  python3
  poppler-utils
  desktop-file-utils appstream
  dpkg-dev fakeroot file lintian
)

# --windows: what the Windows build needs besides (MinGW-w64, Wine, the
# installer maker; dpkg-dev fetches Qt's source package).
if [ "${1:-}" = "--windows" ]; then
  packages+=(g++-mingw-w64-x86-64-posix wine64 nsis zip dpkg-dev)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
