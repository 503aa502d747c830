#!/usr/bin/python3
# Anchor of the spline benchmark: scipy's clamped CubicSpline (zero end
# slopes) through the same knots, evaluated at every sample from the first
# knot to the last, as its users call it; one call a request "<layout>
# <size>" (anchor_server.py).
import numpy as np
from scipy.interpolate import CubicSpline

from anchor_server import serve

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


def prepare(layout, size):
    knots = knots_of(layout, size)
    values = np.sin(knots * 0.001) + 0.25 * np.cos(knots * 0.0173)
    return knots, values, np.arange(knots[0], knots[-1] + 1.0)


serve(prepare, lambda layout, d: CubicSpline(d[0], d[1], bc_type="clamped")(d[2]))
