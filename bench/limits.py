"""The benchmark's limits: fails, naming it, when a benchmark of
mphi_bench's JSON results took longer than its limit.

    limits.py RESULTS.json
"""

import json
import sys

# Milliseconds of real time.
LIMITS = {"BM_AssessmentCurveWithCapacity": 3.0, "BM_CircularCurveWithCapacity": 3.0}

results = json.load(open(sys.argv[1]))["benchmarks"]
seen = {b["name"]: b for b in results}
failed = False
for name, limit in LIMITS.items():
    if name not in seen:
        print("limits: %s did not run" % name)
        failed = True
        continue
    b = seen[name]
    scale = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}[b["time_unit"]]
    took = b["real_time"] * scale
    print("%s: %.3f ms (limit %.1f ms)" % (name, took, limit))
    failed = failed or took > limit
sys.exit(1 if failed else 0)
