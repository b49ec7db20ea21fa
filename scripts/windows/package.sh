#!/usr/bin/env bash
# The Windows program in a folder of its own with every DLL it needs (Qt's, the
# platform and style plugins, the MinGW runtime), then a Windows installer of
# that folder (NSIS) and a zip of it, beside each other in OUT_DIR:
#   Dextrel-<version>-setup.exe and Dextrel-<version>-windows.zip
# Usage: package.sh PROGRAM.exe OUT_DIR VERSION QT_PREFIX ICON.ico LICENSE
set -euo pipefail
program=$1
out="$(mkdir -p "$2" && cd "$2" && pwd)"
version=$3
qt=$4
icon=$5
license=$6
here="$(cd "$(dirname "$0")" && pwd)"

stage="$out/package/Dextrel"
rm -rf "$out/package"
mkdir -p "$stage"
cp "$program" "$stage/dextrel.exe"
cp "$icon" "$stage/dextrel.ico"
tr -d '\r' < "$license" | sed 's/$/\r/' > "$stage/LICENSE.txt"
# The platform plugin draws the windows; the style gives them the system's look.
for plugin in platforms/qwindows.dll styles/qwindowsvistastyle.dll; do
  mkdir -p "$stage/$(dirname "$plugin")"
  cp "$qt/plugins/$plugin" "$stage/$plugin"
done

# Every DLL a file of the folder imports that is not the system's, and theirs.
search=("$qt/bin" /usr/lib/gcc/x86_64-w64-mingw32/12-posix /usr/x86_64-w64-mingw32/lib)
pending=("$stage/dextrel.exe" "$stage"/platforms/*.dll "$stage"/styles/*.dll)
while [ ${#pending[@]} -gt 0 ]; do
  file=${pending[0]}
  pending=("${pending[@]:1}")
  while read -r dll; do
    [ -e "$stage/$dll" ] && continue
    for dir in "${search[@]}"; do
      if [ -f "$dir/$dll" ]; then
        cp "$dir/$dll" "$stage/$dll"
        pending+=("$stage/$dll")
        break
      fi
    done
  done < <(x86_64-w64-mingw32-objdump -p "$file" | sed -n 's/^\s*DLL Name: //p')
done
x86_64-w64-mingw32-strip --strip-unneeded "$stage"/*.exe "$stage"/*.dll "$stage"/*/*.dll

# What the uninstaller removes: the files installed, and nothing else.
(
  cd "$stage"
  find . -type f | sed 's|^\./||; s|/|\\|g' | sort | while read -r f; do echo "  Delete \"\$INSTDIR\\$f\""; done
  echo '  Delete "$INSTDIR\uninstall.exe"'
  find . -mindepth 1 -type d | sed 's|^\./||; s|/|\\|g' | sort -r | while read -r d; do echo "  RMDir \"\$INSTDIR\\$d\""; done
) > "$out/package/uninstall-files.nsh"

size_kib=$(du -sk "$stage" | cut -f1)
makensis -V2 -INPUTCHARSET UTF8 \
  -DVERSION="$version" -DSTAGE="$stage" -DICON="$icon" -DLICENSE="$stage/LICENSE.txt" \
  -DUNINSTALL_FILES="$out/package/uninstall-files.nsh" -DSIZE_KIB="$size_kib" \
  -DOUTFILE="$out/Dextrel-$version-setup.exe" "$here/dextrel.nsi"
rm -f "$out/Dextrel-$version-windows.zip"
(cd "$out/package" && zip -qr "$out/Dextrel-$version-windows.zip" Dextrel)
echo "Windows installer: $out/Dextrel-$version-setup.exe ($(du -h "$out/Dextrel-$version-setup.exe" | cut -f1))"
echo "Windows zip:       $out/Dextrel-$version-windows.zip ($(du -h "$out/Dextrel-$version-windows.zip" | cut -f1))"
