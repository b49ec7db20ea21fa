#!/usr/bin/env bash
# Runs the benchmarks on 100 000 readings, then reads the same reading file with
# Python's csv module so the two loads can be compared in one run.
set -euo pipefail
build=${1:-build}
found=0
for b in "$build"/bench/bench_*; do
  [ -f "$b" ] && [ -x "$b" ] || continue
  found=1
  echo "== $(basename "$b")"
  "$b" --benchmark_min_time=0.2
done
if [ "$found" -eq 0 ]; then
  echo "No benchmarks were built (is libbenchmark-dev installed?)" >&2
  exit 1
fi

sample=$(mktemp --suffix=.txt)
trap 'rm -f "$sample"' EXIT
"$build/bench/bench_load" --write-file="$sample"
echo "== Python csv module on the same 100 000 readings"
python3 "$(dirname "$0")/../bench/python_csv_load.py" "$sample" 10
