#!/usr/bin/env bash
# Fails when a C++ file of the project is not as clang-format (.clang-format at
# the root) would write it, and names the files; `scripts/check-format.sh --fix`
# formats them instead.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files --cached --others --exclude-standard -- \
                       'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'tools/*.cpp' 'tools/*.h' \
                       'bench/*.cpp' 'bench/*.h')
if [ "${1:-}" = "--fix" ]; then
  clang-format -i "${files[@]}"
  exit 0
fi
# One run over every file; each place it would change is reported as
# "FILE:LINE:COL: warning: ...". A run that fails (a bad .clang-format) fails the check.
report=$(clang-format --dry-run "${files[@]}" 2>&1) || { echo "$report"; exit 1; }
mapfile -t unformatted < <(sed -n 's/^\(.*\):[0-9]*:[0-9]*: \(error\|warning\): .*/\1/p' <<<"$report" | sort -u)
if [ ${#unformatted[@]} -ne 0 ]; then
  printf '%s\n' "${unformatted[@]}"
  echo "Not formatted as .clang-format says: run scripts/check-format.sh --fix"
  exit 1
fi
