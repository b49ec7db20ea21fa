#!/usr/bin/env python3
"""Peak resident memory of the program holding a reading file, every report opened in turn.

    peak_memory.py DEXTREL READINGS

Logs in as a user whose reading file is READINGS, opens each report page from
the menus one after the other (each closes the one before, as in use), dumps
the screen and ends. Prints the peak resident memory of that run in MB (the
child's maximum resident set size, which the kernel keeps as VmHWM). Then how
much more a start to the help window on the manual takes than a start to the
index page, best of three runs each.
"""
import json
import os
import shutil
import subprocess
import sys
import tempfile

USER, PASSWORD = "bench", "bench"
REGISTRY = ("ID,Passwd,RS-232port,Unit,Time,Max,Min,Maxp,Minp\r\n"
            f"{USER}*,{PASSWORD}*,1,1,1,180,70,180,70\r\n")
# Data list, standard day, line graph, histogram, summary, overlay day.
REPORTS = ["mnuReport1", "mnuReport2", "mnuReport5", "mnuReport4", "mnuSummary", "mnuOverlayDay"]


def peak_mb(program, data, clicks, page="index"):
    """Runs the program once; its peak resident memory in MB and the windows it ended with."""
    dump = os.path.join(data, "state.json")
    args = [program, "--data-dir", data, "--user", USER, "--page", page]
    for name in clicks:
        args += ["--click", name]
    args += ["--dump", dump]
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen", DEXTREL_PASSWORD=PASSWORD)
    with tempfile.TemporaryFile() as errors:
        child = subprocess.Popen(args, env=env, stdout=subprocess.DEVNULL, stderr=errors)
        # This run's own usage, whatever ran before it.
        _, status, usage = os.wait4(child.pid, 0)
        if os.waitstatus_to_exitcode(status) != 0:
            errors.seek(0)
            sys.exit(f"peak_memory: {' '.join(args)} failed: {errors.read().decode().strip()}")
    peak_kb = usage.ru_maxrss
    with open(dump) as f:
        state = json.load(f)
    if state["messages"]:
        sys.exit(f"peak_memory: the run showed messages: {state['messages']}")
    return peak_kb / 1024.0, [w["objectName"] for w in state["windows"]]


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    program, readings = sys.argv[1:]
    data = tempfile.mkdtemp(prefix="dextrel-memory-")
    try:
        with open(os.path.join(data, "DXRegister.txt"), "w", newline="") as f:
            f.write(REGISTRY)
        shutil.copyfile(readings, os.path.join(data, USER + ".txt"))
        os.chmod(os.path.join(data, USER + ".txt"), 0o600)
        reports_mb, windows = peak_mb(program, data, REPORTS)
        print(f"{reports_mb:.1f} MB peak with every report opened in turn "
              f"({', '.join(REPORTS)}; last page {windows[0] if windows else 'none'})")
        peaks = {"web": [], "index": []}
        for _ in range(3):
            for page, runs in peaks.items():
                runs.append(peak_mb(program, data, [], page)[0])
        web, index = min(peaks["web"]), min(peaks["index"])
        print(f"{web - index:.1f} MB more for the help window ({web:.1f} MB open on the manual, "
              f"{index:.1f} MB on the index page)")
    finally:
        shutil.rmtree(data, ignore_errors=True)


if __name__ == "__main__":
    main()
