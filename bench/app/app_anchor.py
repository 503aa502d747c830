#!/usr/bin/python3
# The anchor of the program's open-to-first-paint, called as its users call
# it: numpy.fromfile of the little-endian 16-bit words, the scaling to
# float32 (s x 3 / 32768) and one pass for the minimum and the maximum.
# Usage: app_anchor.py <path>; prints the seconds of one run.
import sys
import time

import numpy as np

path = sys.argv[1]
start = time.perf_counter()
samples = np.fromfile(path, dtype="<i2").astype(np.float32) * np.float32(3.0 / 32768.0)
low, high = samples.min(), samples.max()
seconds = time.perf_counter() - start
print(seconds, flush=True)
