#!/usr/bin/python3
# Anchor of the window benchmark: numpy multiplying the samples by scipy's
# periodic window, the window computed in every call as the library does.
# Reads requests "<name> <size>" on stdin and answers each with the seconds
# of one call; the samples of a size are made, untimed, on its first request.
import sys
import time

import numpy as np
from scipy import signal

windows = {"hanning": "hann", "kaiser_4.86": ("kaiser", 4.86), "flat_top": "flattop"}
samples = {}
for line in sys.stdin:
    name, size = line.split()
    size = int(size)
    if size not in samples:
        samples.clear()
        samples[size] = np.random.default_rng(1).standard_normal(size)
    x = samples[size]
    start = time.perf_counter()
    x * signal.get_window(windows[name], size)
    print(time.perf_counter() - start, flush=True)
