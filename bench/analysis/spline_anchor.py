#!/usr/bin/python3
# Anchor of the spline benchmark: scipy's clamped CubicSpline (zero end
# slopes) through the same knots, evaluated at every sample from the first
# knot to the last, as its users call it. Reads requests "<layout> <size>"
# on stdin and answers each with the seconds of one call; the knots are made,
# untimed, on the first request of a layout and size.
import sys
import time

import numpy as np
from scipy.interpolate import CubicSpline

STEP = 64


def knots_of(layout, size):
    count = (size + STEP - 1) // STEP
    k = np.arange(count, dtype=np.int64)
    if layout == "uniform":
        return (k * STEP).astype(float)
    if layout == "jittered":
        return (k * STEP + (k * 37) % 32).astype(float)
    # nonuniform: gaps growing from 1 to about 2 * STEP
    last = count - 1
    return (k + (k * k * (size - 1 - last)) // (last * last)).astype(float)


prepared = {}
for line in sys.stdin:
    layout, size = line.split()
    key = (layout, int(size))
    if key not in prepared:
        prepared.clear()
        knots = knots_of(*key)
        values = np.sin(knots * 0.001) + 0.25 * np.cos(knots * 0.0173)
        prepared[key] = (knots, values, np.arange(knots[0], knots[-1] + 1.0))
    knots, values, at = prepared[key]
    start = time.perf_counter()
    CubicSpline(knots, values, bc_type="clamped")(at)
    print(time.perf_counter() - start, flush=True)
