"""The Python module's cost over the analysis: section.curve against the
same analysis in C++ (mphi_bench), and mphi.batch against mphi-batch on
the same 1000 rows. Exits 1 when either is over its limit.

    python_bench.py BUILD   (BUILD/python, BUILD/mphi-batch, BUILD/bench)
"""

import json
import os
import random
import subprocess
import sys
import tempfile
import time

CURVE_LIMIT_MS = 0.2  # over the analysis itself
BATCH_LIMIT = 1.2     # times mphi-batch's time

build = os.path.abspath(sys.argv[1])
sys.path.insert(0, os.path.join(build, "python"))
import mphi  # noqa: E402


def best(seconds_of, repeat=5):
    return min(seconds_of() for _ in range(repeat))


def timed(work, count=1):
    start = time.perf_counter()
    for _ in range(count):
        work()
    return (time.perf_counter() - start) / count


def native_ms(name):
    out = subprocess.run([os.path.join(build, "bench", "bench", "mphi_bench"),
                          "--benchmark_filter=^%s$" % name, "--benchmark_format=json",
                          "--benchmark_repetitions=5"],
                         capture_output=True, check=True).stdout
    runs = [b for b in json.loads(out)["benchmarks"] if b.get("run_type") == "iteration"]
    return min(b["real_time"] for b in runs)  # milliseconds


def table(path, rows=1000):
    """Realistic sections, as the batch benchmark draws them."""
    rng = random.Random(1000)
    with open(path, "w") as f:
        f.write("b,h,dcm,clearb1cm,dbcm,sccm,fc,fy,fsy,Es,P0,r\n")
        for _ in range(rows):
            b, h, fc = rng.randint(25, 120), rng.randint(25, 120), 0.14 + rng.random() * 0.42
            f.write("%d,%d,%.2f,%.1f,%.2f,%d,%.3f,%.2f,%.2f,%d,%.1f,%.4f\n" % (
                b, h, 1.3 + rng.random() * 1.9, 2.5 + rng.random() * 5,
                0.95 + rng.random() * 0.65, rng.randint(5, 30), fc, 2.8 + rng.random() * 2.8,
                2.8 + rng.random() * 1.4, rng.randint(2000, 2099),
                (rng.random() * 1.05 - 0.1) * fc * b * h, 0.01 + rng.random() * 0.05))


failed = False
section = mphi.Section(b=40, h=35, r=0.02, dcm=1.9, clearb1cm=5, dbcm=1.3, sccm=10,
                       fc=0.21, fy=4.2, fsy=2.8, Es=2100)
native = native_ms("BM_WorkedAnalysis")
for what, work in (("section.curve", lambda: section.curve(100)),
                   ("section.curve + to_dict", lambda: section.curve(100).to_dict())):
    python = best(lambda: timed(work, 200)) * 1000
    over = python - native
    failed |= what == "section.curve" and over > CURVE_LIMIT_MS
    print("%s: %.3f ms, the analysis %.3f ms: %.3f ms over (limit %.1f ms for the curve)"
          % (what, python, native, over, CURVE_LIMIT_MS))

with tempfile.TemporaryDirectory() as work:
    path = os.path.join(work, "table.csv")
    table(path)
    tool = best(lambda: timed(lambda: subprocess.run(
        [os.path.join(build, "mphi-batch"), path, "--csv", os.path.join(work, "out.csv")],
        check=False)), 3)
    python = best(lambda: timed(lambda: mphi.batch(path)), 3)
    ratio = python / tool
    failed |= ratio > BATCH_LIMIT
    print("1000 rows: mphi.batch %.0f ms, mphi-batch %.0f ms: %.2f x (limit %.1f x)"
          % (python * 1000, tool * 1000, ratio, BATCH_LIMIT))
sys.exit(1 if failed else 0)
