#!/usr/bin/env python3
"""Prints every figure of `make bench` beside its budget and aim, in one table.

    budget_table.py DIR

DIR holds what scripts/bench.sh gathered: one Google Benchmark JSON file per
benchmark program (bench_*.json), the sample reading file (readings.txt), the
download pace (pace.txt) and the peak memory (memory.txt). The Python csv load
is measured here, on the same file, in the same run.
"""
import json
import os
import re
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import python_csv_load  # noqa: E402

# (measurement, benchmark name, budget, aim) in milliseconds; aim None: the budget is the aim.
# A list of names stands for the slowest of them.
TIMES = [
    ("Load the reading file", "BM_LoadReadingFile", 15, 8),
    ("Merge 255 downloaded records and rewrite", "BM_MergeAndRewrite", 40, None),
    ("Line-graph selection and statistics", "BM_LineGraphSelectionAndStatistics/afterMeal:0", 20, 5),
    ("PC line-graph selection and statistics", "BM_LineGraphSelectionAndStatistics/afterMeal:1", 20, 5),
    ("One line-graph chart page", "BM_LineGraphPage", 1, None),
    ("Standard day", "BM_StandardDayChoice", 20, 5),
    ("Histogram", "BM_Histogram", 5, None),
    ("Summary", "BM_Summary", 20, 5),
    ("Overlay day", "BM_OverlayDay", 20, 5),
    ("Login to the index page", "BM_LoginToIndexPage", 40, None),
    ("Open the data list", "BM_OpenDataListToFirstPaint", 200, None),
    # The slowest of the chart pages as they open: line graph, standard day,
    # histogram, summary, overlay day.
    ("Paint a chart page, the slowest", [f"BM_ChartPagePaint/{i}" for i in range(5)], 5, None),
    ("Paint the overlay day of every reading", "BM_ChartPagePaint/5", 5, None),
]
TO_MS = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1000.0}


def benchmark_times(folder):
    """Best wall and CPU time in ms of every benchmark over its repetitions, by name."""
    times = {}
    for name in sorted(os.listdir(folder)):
        if not (name.startswith("bench_") and name.endswith(".json")):
            continue
        with open(os.path.join(folder, name)) as f:
            for b in json.load(f)["benchmarks"]:
                if b.get("run_type") == "aggregate" or "error_occurred" in b:
                    continue
                base = b.get("run_name", b["name"])
                ms = (b["real_time"] * TO_MS[b["time_unit"]], b["cpu_time"] * TO_MS[b["time_unit"]])
                times[base] = min(times.get(base, ms), ms)
    return times


def shown(ms):
    return f"{ms:.3f} ms" if ms < 1 else f"{ms:.1f} ms"


def row(what, result, cpu, budget, aim, ok, aim_met):
    mark = "pass" if ok else "FAIL"
    if ok and aim_met is not None:
        mark += "" if aim_met else " (aim missed)"
    return (what, result, cpu, budget, aim, mark)


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    folder = sys.argv[1]
    times = benchmark_times(folder)
    rows = []
    for what, name, budget, aim in TIMES:
        names = name if isinstance(name, list) else [name]
        if any(n not in times for n in names):
            rows.append((what, "not measured", "", f"≤ {budget} ms", "", "FAIL"))
            continue
        ms, cpu = max(times[n] for n in names)
        rows.append(row(what, shown(ms), shown(cpu), f"≤ {budget} ms", f"≤ {aim} ms" if aim else "",
                        ms <= budget, ms <= aim if aim else None))

    # Python's csv module on the same file, best of 10 as the program's best of its runs.
    readings = os.path.join(folder, "readings.txt")
    python_ms = python_csv_load.best_ms(readings, 10)
    rows.append(("Python csv module, same file", shown(python_ms), "", "", "", ""))
    if "BM_LoadReadingFile" in times:
        ratio = python_ms / times["BM_LoadReadingFile"][0]
        rows.append(row("Load speed against Python csv", f"{ratio:.1f}×", "", "≥ 10×", "≥ 15×", ratio >= 10, ratio >= 15))

    # The download pace, for a meter answering at once and within 45 ms.
    with open(os.path.join(folder, "pace.txt")) as f:
        pace = f.read()
    found = re.findall(r"answering in +(\d+) ms: +([\d.]+) s; protocol pace +([\d.]+) s .*: ([+-][\d.]+) %", pace)
    for delay, took, protocol, off in found:
        rows.append(row(f"255-record download, meter answering in {delay} ms", f"{took} s ({off} %)", "",
                        f"{protocol} s ± 10 %", "", abs(float(off)) <= 10, None))
    if not found:
        rows.append(("255-record download", "not measured", "", "± 10 %", "", "FAIL"))

    with open(os.path.join(folder, "memory.txt")) as f:
        memory = f.read().split()
    if memory and memory[0].replace(".", "").isdigit():
        mb = float(memory[0])
        rows.append(row("Peak memory, every report opened in turn", f"{mb:.0f} MB", "", "≤ 100 MB", "", mb <= 100, None))
    else:
        rows.append(("Peak memory", "not measured: " + " ".join(memory), "", "≤ 100 MB", "", "FAIL"))
    help_window = re.search(r"(-?[\d.]+) MB more for the help window", " ".join(memory))
    if help_window:
        mb = float(help_window.group(1))
        rows.append(row("Help window on the manual, over the index page", f"+{mb:.1f} MB", "", "≤ 10 MB", "", mb <= 10, None))
    else:
        rows.append(("Help window's memory", "not measured", "", "≤ 10 MB", "", "FAIL"))

    # Wall time is what the user waits; CPU time shows how much of it was other work on the machine.
    header = ("Measurement (100 000 readings, best run)", "Wall", "CPU", "Budget", "Aim", "")
    widths = [max(len(r[i]) for r in rows + [header]) for i in range(6)]
    line = lambda r: "  ".join(c.ljust(w) for c, w in zip(r, widths)).rstrip()
    print(line(header))
    print("  ".join("-" * w for w in widths))
    for r in rows:
        print(line(r))
    failed = [r for r in rows if r[5].startswith("FAIL")]
    print(f"\n{len(rows) - len(failed)} of {len(rows)} pass" + ("" if not failed else f"; {len(failed)} FAIL"))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
