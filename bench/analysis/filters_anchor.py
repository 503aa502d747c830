#!/usr/bin/python3
# Anchor of the filter benchmark: scipy.signal.sosfilt of the same designs.
# Usage: filters_anchor.py <size> <repeats>; prints "<name> <best seconds>".
import sys
import time

import numpy as np
from scipy import signal

size, repeats = int(sys.argv[1]), int(sys.argv[2])
x = np.random.default_rng(1).standard_normal(size)
designs = {
    "butterworth_lowpass_5": signal.butter(5, 100.0, "lowpass", fs=1000.0, output="sos"),
    "elliptic_bandpass_5": signal.ellip(5, 0.1, 40.0, [100.0, 200.0], "bandpass", fs=1000.0,
                                        output="sos"),
    "chebyshev_highpass_10": signal.cheby1(10, 0.1, 300.0, "highpass", fs=1000.0, output="sos"),
}
for name, sos in designs.items():
    best = float("inf")
    for _ in range(repeats):
        start = time.perf_counter()
        signal.sosfilt(sos, x)
        best = min(best, time.perf_counter() - start)
    print(name, best, flush=True)
