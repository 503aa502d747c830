#!/usr/bin/python3
# Anchor of the filter benchmark: scipy.signal.sosfilt of the same designs,
# called as its users call it (it returns a new array). Reads requests
# "<name> <size>" on stdin and answers each with the seconds of one call; the
# samples of a size are made, untimed, on its first request.
import sys
import time

import numpy as np
from scipy import signal

designs = {
    "butterworth_lowpass_5": signal.butter(5, 100.0, "lowpass", fs=1000.0, output="sos"),
    "elliptic_bandpass_5": signal.ellip(5, 0.1, 40.0, [100.0, 200.0], "bandpass", fs=1000.0,
                                        output="sos"),
    "chebyshev_highpass_10": signal.cheby1(10, 0.1, 300.0, "highpass", fs=1000.0, output="sos"),
}
samples = {}
for line in sys.stdin:
    name, size = line.split()
    size = int(size)
    if size not in samples:
        samples.clear()
        samples[size] = np.random.default_rng(1).standard_normal(size)
    x, sos = samples[size], designs[name]
    start = time.perf_counter()
    signal.sosfilt(sos, x)
    print(time.perf_counter() - start, flush=True)
