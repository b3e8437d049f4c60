#!/usr/bin/env python3
"""Runs every benchmark of a Release build once (medians of a few repetitions) and prints
each row beside its baseline: wall and CPU time, their ratios, the target and whether it is
met. Usage: bench/ratios.py [build-release] [repetitions]"""

import json
import os
import subprocess
import sys

BUILD = sys.argv[1] if len(sys.argv) > 1 else "build-release"
REPETITIONS = sys.argv[2] if len(sys.argv) > 2 else "3"

# (program, row, baseline row, what the target bounds: "wall", "cpu" or None, the bound)
PAIRS = [
    ("session_log_bench", "BM_SaveFile", "BM_SaveFileBaseline", "wall", 1.5),
    ("session_log_bench", "BM_SaveBytesUnflushed", "BM_SaveBytesUnflushedBaseline", None, None),
    ("session_log_bench", "BM_LoadFile/100000", "BM_FromCharsReader/100000", None, None),
    ("session_log_bench", "BM_LoadFile/1000000", "BM_FromCharsReader/1000000", None, None),
    ("transfer_bench", "BM_SaveFileTxt", "BM_WriteTabBytesOnce", "wall", 1.5),
    ("transfer_bench", "BM_SaveCsvFile", "BM_WriteCsvBytesOnce", "cpu", 2.0),
    ("transfer_bench", "BM_OpenCsv", "BM_ReadFileFromChars", None, None),
    ("table_bench", "BM_BuildTableTimeOrder/1000000", "BM_WriteSameBytesToNewFile/1000000",
     "both", 2.0),
    ("table_bench", "BM_BuildTableTimeOrder/100000", "BM_WriteSameBytesToNewFile/100000",
     None, None),
    ("table_bench", "BM_OpenTable/10000", "BM_BuildTableTimeOrder/10000", None, None),
    ("table_bench", "BM_OpenTable/100000", "BM_BuildTableTimeOrder/100000", None, None),
    ("table_bench", "BM_OpenTable/1000000", "BM_BuildTableTimeOrder/1000000", None, None),
    ("stats_bench", "StatisticsAndMedian/1000000/0", "PlainSort/1000000/0", "cpu", 1.5),
    ("stats_bench", "StatisticsAndMedian/1000000/1", "PlainSort/1000000/1", "cpu", 1.5),
    ("chart_bench", "RenderFourSeries/1000000", "RenderFourSeries/1600", "cpu", 3.0),
    ("dock_bench", "DragOutlineFollowsTheMouse", "OutlineWindowAlone", None, None),
    ("dock_bench", "RelayoutFourEdgesTwelvePanes/0", "TwelvePlainWidgetsPlaced/0", None, None),
    ("dock_bench", "RelayoutFourEdgesTwelvePanes/1", "TwelvePlainWidgetsPlaced/1", None, None),
]

UNIT = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}


def run(program):
    path = os.path.join(BUILD, "bench", program)
    # The download takes half a minute at the line's speed: once is enough.
    repetitions = "1" if program == "download_bench" else REPETITIONS
    out = subprocess.run(
        [path, "--benchmark_format=json", "--benchmark_repetitions=" + repetitions,
         "--benchmark_report_aggregates_only=true"],
        capture_output=True, text=True, check=True).stdout
    rows = {}
    for b in json.loads(out)["benchmarks"]:
        # The name without what the measuring adds ("/process_time", "/real_time").
        name = "/".join(part for part in b["run_name"].split("/")
                        if part not in ("process_time", "real_time", "manual_time")
                        and not part.startswith("iterations:"))
        # A row that runs once (fixed iterations, one repetition) has no median.
        if b.get("aggregate_name", "median") != "median":
            continue
        scale = UNIT[b["time_unit"]]
        # Counters come as keys of the row itself.
        rows[name] = (b["real_time"] * scale, b["cpu_time"] * scale, b)
    return rows


def main():
    print("load average before: %.1f %.1f %.1f" % os.getloadavg())
    results = {}
    for program in sorted({p for p, *_ in PAIRS} | {"download_bench"}):
        try:
            results[program] = run(program)
        except (OSError, subprocess.CalledProcessError) as e:
            print("%s: not run (%s)" % (program, e))
            results[program] = {}
    print("load average after: %.1f %.1f %.1f" % os.getloadavg())
    print()
    print("| row | baseline | wall ms | baseline wall ms | wall ratio | CPU ms | "
          "baseline CPU ms | CPU ratio | target | met |")
    print("|---|---|---|---|---|---|---|---|---|---|")
    for program, row, base, kind, bound in PAIRS:
        rows = results.get(program, {})
        if row not in rows or base not in rows:
            print("| %s | %s | not run |  |  |  |  |  |  |  |" % (row, base))
            continue
        wall, cpu, _ = rows[row]
        bwall, bcpu, _ = rows[base]
        wr, cr = wall / bwall, cpu / bcpu
        if kind is None:
            target, met = "none set", "-"
        else:
            target = "%s <= %.1fx" % ({"both": "wall and CPU"}.get(kind, kind), bound)
            ok = {"wall": wr <= bound, "cpu": cr <= bound, "both": wr <= bound and cr <= bound}
            met = "yes" if ok[kind] else "no"
        print("| %s | %s | %.2f | %.2f | %.2f | %.2f | %.2f | %.2f | %s | %s |" %
              (row, base, wall, bwall, wr, cpu, bcpu, cr, target, met))
    download = results.get("download_bench", {}).get("FullMemoryDownload")
    if download:
        c = download[2]
        print("| FullMemoryDownload | line minimum | %.0f | %.0f | %.2f |  |  |  | none set | - |" %
              (download[0], c.get("line_minimum_ms", 0), c.get("ratio_to_line", 0)))


if __name__ == "__main__":
    main()
