#!/usr/bin/python3
# Anchor of the spline benchmark: scipy's clamped CubicSpline (zero end
# slopes) through one knot in every <step> samples (uneven offsets), evaluated at every sample.
# Usage: spline_anchor.py <size> <step> <repeats>; prints the best seconds.
import sys
import time

import numpy as np
from scipy.interpolate import CubicSpline

size, step, repeats = int(sys.argv[1]), int(sys.argv[2]), int(sys.argv[3])
index = np.arange(0, (size + step - 1) // step)
knots = (index * step + (index * 37) % 32).astype(float)
values = np.sin(knots * 0.001) + 0.25 * np.cos(knots * 0.0173)
at = np.arange(size, dtype=float)
best = float("inf")
for _ in range(repeats):
    start = time.perf_counter()
    CubicSpline(knots, values, bc_type="clamped")(at)
    best = min(best, time.perf_counter() - start)
print(best, flush=True)
