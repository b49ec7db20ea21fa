#!/usr/bin/env python3
"""Reads a reading file with Python's csv module, for comparison with bench_load.

Converts the same columns the program reads (Glucose, Month, Day, Hour, Minute
and Year to int, Event kept as text) and prints the best and mean time.

    bench_load --write-file=/tmp/readings.txt
    python3 bench/python_csv_load.py /tmp/readings.txt
"""
import csv
import statistics
import sys
import time


def load(path):
    readings = []
    with open(path, newline="", encoding="latin-1") as f:
        rows = csv.reader(f)
        next(rows, None)  # header
        for row in rows:
            readings.append((int(row[1]), int(row[2]), int(row[3]), int(row[4]),
                             int(row[5]), int(row[8]), row[6]))
    return readings


def times_ms(path, repeats):
    times = []
    count = 0
    for _ in range(repeats):
        start = time.perf_counter()
        count = len(load(path))
        times.append((time.perf_counter() - start) * 1000.0)
    return count, times


def best_ms(path, repeats):
    return min(times_ms(path, repeats)[1])


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    path = sys.argv[1]
    repeats = int(sys.argv[2]) if len(sys.argv) > 2 else 10
    count, times = times_ms(path, repeats)
    print(f"python_csv_load  {count} readings  best {min(times):.1f} ms"
          f"  mean {statistics.mean(times):.1f} ms  ({repeats} runs)")


if __name__ == "__main__":
    main()
