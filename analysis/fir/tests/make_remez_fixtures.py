#!/usr/bin/python3
# Writes RemezFixtures.h: equiripple designs and the first halves of their
# taps from scipy.signal.remez (fs = 1, grid density 16). Run it again only to
# add a design; the check Fixtures.GeneratedTablesAreUpToDate compares its
# output with the stored file.
#   /usr/bin/python3 make_remez_fixtures.py [output folder]
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "../../../scripts"))
from generated_table import write_header  # noqa: E402

from scipy import signal

designs = [
    # name, taps, band edges, desired gains, scipy type
    ("lp31", 31, [0, 0.1, 0.15, 0.5], [1, 0], "bandpass"),
    ("lp32", 32, [0, 0.1, 0.15, 0.5], [1, 0], "bandpass"),
    ("bp41", 41, [0, 0.1, 0.15, 0.25, 0.3, 0.5], [0, 1, 0], "bandpass"),
    ("bs41", 41, [0, 0.1, 0.15, 0.25, 0.3, 0.5], [1, 0, 1], "bandpass"),
    ("hp33", 33, [0, 0.2, 0.25, 0.5], [0, 1], "bandpass"),
    ("diff31", 31, [0, 0.4], [1], "differentiator"),
    ("hilb31", 31, [0.05, 0.45], [1], "hilbert"),
]
kinds = {"bandpass": "Multiband", "differentiator": "Differentiator", "hilbert": "Hilbert"}


def numbers(values):
    return ", ".join(repr(float(v)) for v in values)


out = [
    "#include <vector>",
    "",
    "namespace remez_fixtures {",
    "",
    "struct Reference {",
    "  const char* name;",
    "  int taps;",
    "  std::vector<double> edges, desired;  // fs = 1",
    '  const char* kind;  // "Multiband", "Differentiator" or "Hilbert"',
    "  std::vector<double> firstHalf;  // taps 0 .. (taps + 1) / 2 - 1",
    "};",
    "",
    "inline const std::vector<Reference>& References() {",
    "  static const std::vector<Reference> refs = {",
]
for name, taps, edges, desired, kind in designs:
    h = signal.remez(taps, edges, desired, fs=1, type=kind, grid_density=16)
    out.append(f'      {{"{name}", {taps}, {{{numbers(edges)}}}, {{{numbers(desired)}}}, '
               f'"{kinds[kind]}",')
    out.append(f"       {{{numbers(h[:(taps + 1) // 2])}}}}},")
out += ["  };", "  return refs;", "}", "", "}  // namespace remez_fixtures"]

write_header(__file__, "scipy.signal.remez", "RemezFixtures.h", out)
