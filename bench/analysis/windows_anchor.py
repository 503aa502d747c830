#!/usr/bin/python3
# Anchor of the window benchmark: numpy multiplying the samples by scipy's
# periodic window, the window computed in every run as the library does.
# Usage: windows_anchor.py <size> <repeats>; prints "<name> <best seconds>".
import sys
import time

import numpy as np
from scipy import signal

size, repeats = int(sys.argv[1]), int(sys.argv[2])
x = np.random.default_rng(1).standard_normal(size)
for name, window in (("hanning", "hann"), ("kaiser_4.86", ("kaiser", 4.86)),
                     ("flat_top", "flattop")):
    best = float("inf")
    for _ in range(repeats):
        start = time.perf_counter()
        x * signal.get_window(window, size)
        best = min(best, time.perf_counter() - start)
    print(name, best, flush=True)
