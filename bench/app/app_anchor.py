#!/usr/bin/python3
# The anchor of the program's open-to-first-paint, called as its users call
# it: numpy.fromfile of the little-endian 16-bit words, the scaling to
# float32 (s x 3 / 32768) and one pass for the minimum and the maximum. Each
# line on stdin names a file; the answer is the seconds of one timed call.
import sys
import time

import numpy as np

for line in sys.stdin:
    start = time.perf_counter()
    samples = np.fromfile(line.strip(), dtype="<i2").astype(np.float32) * np.float32(3.0 / 32768.0)
    low, high = samples.min(), samples.max()
    print(time.perf_counter() - start, flush=True)
