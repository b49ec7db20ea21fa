#!/usr/bin/env bash
# Every budget on 100 000 readings, measured in one run and printed in one table:
# the Google Benchmark programs, Python's csv module reading the same file, the
# pace of a 255-record download from the emulated meter, and the peak memory of
# the program with every report opened in turn.
set -euo pipefail
build=${1:-build}
here=$(cd "$(dirname "$0")/.." && pwd)
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

found=0
for b in "$build"/bench/bench_*; do
  [ -f "$b" ] && [ -x "$b" ] || continue
  [ "$(basename "$b")" = bench_download_pace ] && continue
  found=1
  echo "== $(basename "$b")"
  # Five runs; the table takes the best, so that a burst of other work on the machine does not decide.
  "$b" --benchmark_min_time=0.2 --benchmark_repetitions=5 --benchmark_display_aggregates_only=true \
       --benchmark_out="$out/$(basename "$b").json" --benchmark_out_format=json
done
if [ "$found" -eq 0 ]; then
  echo "No benchmarks were built (is libbenchmark-dev installed?)" >&2
  exit 1
fi

"$build/bench/bench_load" --write-file="$out/readings.txt"
echo "== peak memory"
# A failure is shown in the table rather than ending the run.
python3 "$here/bench/peak_memory.py" "$build/dextrel" "$out/readings.txt" >"$out/memory.txt" 2>&1 || true
cat "$out/memory.txt"
echo "== download pace (about a minute)"
"$build/bench/bench_download_pace" >"$out/pace.txt" 2>&1 || true
cat "$out/pace.txt"

echo
echo "== Budgets ($(lscpu | sed -n 's/^Model name: *//p'), $(nproc) cores)"
python3 "$here/bench/budget_table.py" "$out"
