#!/usr/bin/python3
# Anchor of the filter benchmark: scipy.signal.sosfilt of the same designs,
# called as its users call it (it returns a new array); one call a request
# (anchor_server.py).
import numpy as np
from scipy import signal

from anchor_server import serve

designs = {
    "butterworth_lowpass_5": signal.butter(5, 100.0, "lowpass", fs=1000.0, output="sos"),
    "elliptic_bandpass_5": signal.ellip(5, 0.1, 40.0, [100.0, 200.0], "bandpass", fs=1000.0,
                                        output="sos"),
    "chebyshev_highpass_10": signal.cheby1(10, 0.1, 300.0, "highpass", fs=1000.0, output="sos"),
}


def prepare(name, size):
    return np.random.default_rng(1).standard_normal(size)


serve(prepare, lambda name, x: signal.sosfilt(designs[name], x))
