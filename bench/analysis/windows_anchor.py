#!/usr/bin/python3
# Anchor of the window benchmark: numpy multiplying the samples by scipy's
# periodic window, the window computed in every call as the library does;
# one call a request (anchor_server.py).
import numpy as np
from scipy import signal

from anchor_server import serve

windows = {"hanning": "hann", "kaiser_4.86": ("kaiser", 4.86), "flat_top": "flattop"}


def prepare(name, size):
    return np.random.default_rng(1).standard_normal(size)


serve(prepare, lambda name, x: x * signal.get_window(windows[name], len(x)))
