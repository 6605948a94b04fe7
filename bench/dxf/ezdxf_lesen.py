"""Times ezdxf reading the benchmark drawing, for comparison with BM_Lesen (same file, same machine).

usage: /usr/bin/python3 bench/dxf/ezdxf_lesen.py [FILE]   (default: the benchmark's file in the temp folder)
"""
import os
import sys
import tempfile
import time

import ezdxf

path = sys.argv[1] if len(sys.argv) > 1 else os.path.join(tempfile.gettempdir(), "zavr_dxf_bench.dxf")
size = os.path.getsize(path)
best = None
for _ in range(int(os.environ.get("RUNS", "1"))):
    start = time.perf_counter()
    doc = ezdxf.readfile(path)
    elapsed = time.perf_counter() - start
    best = elapsed if best is None else min(best, elapsed)
print("ezdxf %s: %d entities, %.1f MB, best of %d: %.2f s = %.2f MB/s"
      % (ezdxf.__version__, len(doc.modelspace()), size / 1e6, int(os.environ.get("RUNS", "1")), best,
     size / 1e6 / best))
