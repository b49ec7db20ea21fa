#!/usr/bin/env bash
# Fails when an include in src/ runs up the layer order:
#   platform  <  store  <  users  <  meter, reports, help  <  app
# A folder may include its own headers and those of lower folders; meter,
# reports and help stand side by side and do not include each other; logic outside a
# ui/ folder includes no window header, but for the program itself: main.cpp, and
# the command-line export, which draws the doctor's report as the windows do.
set -euo pipefail
src="${1:-$(dirname "$0")/../src}"
declare -A level=([platform]=0 [store]=1 [users]=2 [meter]=3 [reports]=3 [help]=3 [app]=4)

bad=0
while IFS= read -r line; do
  file="${line%%:*}"
  [[ "${line#*:}" =~ \#[[:space:]]*include[[:space:]]+\"([^\"]+)\" ]] || continue
  target="${BASH_REMATCH[1]}"
  rel="${file#"$src"/}"
  from="${rel%%/*}"
  to="${target%%/*}"
  [ -n "${level[$to]+x}" ] || continue           # not one of ours (moc files, Qt)
  if [ -z "${level[$from]+x}" ]; then
    echo "$rel: folder '$from' has no place in the layer order"; bad=1; continue
  fi
  if [ "$from" != "$to" ] && [ "${level[$to]}" -ge "${level[$from]}" ]; then
    echo "$rel includes $target: '$to' is not below '$from'"; bad=1
  fi
  if [[ "$rel" != */ui/* && ! "$rel" =~ ^app/(main\.cpp|CommandLineExport\.(h|cpp))$ && "$target" == */ui/* ]]; then
    echo "$rel includes $target: logic outside ui/ includes a window header"; bad=1
  fi
done < <(grep -rn --include='*.h' --include='*.cpp' -E '^\s*#\s*include\s+"' "$src" | sed -E 's/^([^:]+):[0-9]+:/\1:/')

if [ "$bad" -ne 0 ]; then
  echo "Includes must run down the layer order (see README, Code map)."
  exit 1
fi
echo "Layer order kept: $(find "$src" -name '*.h' -o -name '*.cpp' | wc -l) files checked."
