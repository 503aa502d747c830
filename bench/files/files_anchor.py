#!/usr/bin/python3
# Anchors of the file benchmark, called as their users call them:
#   bin <path>: numpy.fromfile of little-endian 16-bit words, then the
#               scaling to float32 (s x 3 / 32768);
#   csv <path>: pandas.read_csv with its C engine over the header CSV
#               (12 header lines, then "xpos,value" and the rows), parsing
#               the value column only, as our reader does.
# Usage: files_anchor.py bin|csv <path>; prints the seconds of one run.
import sys
import time

import numpy as np

kind, path = sys.argv[1], sys.argv[2]
if kind == "bin":
    start = time.perf_counter()
    samples = np.fromfile(path, dtype="<i2").astype(np.float32) * np.float32(3.0 / 32768.0)
    seconds = time.perf_counter() - start
else:
    import pandas as pd

    start = time.perf_counter()
    frame = pd.read_csv(path, skiprows=12, engine="c", usecols=["value"])
    seconds = time.perf_counter() - start
print(seconds, flush=True)
