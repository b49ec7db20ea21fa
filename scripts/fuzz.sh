#!/usr/bin/env bash
# Runs one libFuzzer target for a bounded time on a working copy of its seed
# corpus, so the repository is never written to.
#   fuzz.sh TARGET SEEDS WORKDIR SECONDS [fresh]
# With "fresh" the working copy starts again from the seeds (the ctest smoke);
# without it, what earlier runs found is kept and fuzzed further (`make fuzz`).
# A crash leaves its input in WORKDIR/crash-* and fails the run.
set -euo pipefail
target=$1 seeds=$2 work=$3 seconds=$4
[ "${5:-}" = fresh ] && rm -rf "$work"
mkdir -p "$work/corpus"
cp -n "$seeds"/* "$work/corpus/"
ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1} \
  "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=1024 -print_final_stats=1 \
  -artifact_prefix="$work/" "$work/corpus" 2>"$work/log" || { tail -n 60 "$work/log"; exit 1; }
grep -E '^(Done|stat::number_of_executed_units|stat::peak_rss_mb)' "$work/log" || true
echo "corpus: $(ls "$work/corpus" | wc -l) files, $(du -sk "$work/corpus" | cut -f1) kB"
