#!/usr/bin/python3
# Anchor of the window benchmark: numpy multiplying the samples by scipy's
# periodic window, the window computed in every call as the library does,
# the product written into an array kept from the last call (as ours works
# in place on the caller's array); one call a request (anchor_server.py).
import numpy as np
from scipy import signal

from anchor_server import serve

windows = {"hanning": "hann", "kaiser_4.86": ("kaiser", 4.86), "flat_top": "flattop"}


def prepare(name, size):
    x = np.random.default_rng(1).standard_normal(size)
    return x, np.empty_like(x)


serve(prepare, lambda name, d: np.multiply(d[0], signal.get_window(windows[name], len(d[0])), out=d[1]))
