"""Times ezdxf reading a DXF file, for comparison with our reader on the same bytes and machine.

usage: /usr/bin/python3 bench/dxf/ezdxf_lesen.py [FILE] [--cpu]
  FILE   default: the generated benchmark drawing in the temp folder
  --cpu  prints only the CPU seconds of one readfile (the paired benchmark reads this line)
"""
import os
import sys
import tempfile
import time

import ezdxf

args = [a for a in sys.argv[1:] if not a.startswith("--")]
path = args[0] if args else os.path.join(tempfile.gettempdir(), "zavr_dxf_bench.dxf")
if "--cpu" in sys.argv:
    start = time.process_time()
    ezdxf.readfile(path)
    print("%.6f" % (time.process_time() - start))
    sys.exit(0)
size = os.path.getsize(path)
best = None
runs = int(os.environ.get("RUNS", "1"))
for _ in range(runs):
    start = time.perf_counter()
    doc = ezdxf.readfile(path)
    elapsed = time.perf_counter() - start
    best = elapsed if best is None else min(best, elapsed)
print("ezdxf %s: %d entities, %.1f MB, best of %d: %.2f s = %.2f MB/s"
      % (ezdxf.__version__, len(doc.modelspace()), size / 1e6, runs, best, size / 1e6 / best))
