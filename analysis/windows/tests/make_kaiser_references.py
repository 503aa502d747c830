#!/usr/bin/python3
# Writes KaiserReferences.h: periodic Kaiser windows from
# scipy.signal.windows.kaiser(n, beta, sym=False). Run it again only to add
# a window; the check Fixtures.GeneratedTablesAreUpToDate compares its output
# with the stored file.
#   /usr/bin/python3 make_kaiser_references.py [output folder]
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "../../../scripts"))
from generated_table import write_header  # noqa: E402

from scipy.signal import windows

# beta, length: 30 and 200 need far more series terms than an absolute
# stopping test allows.
cases = [(4.86, 8), (30.0, 7), (200.0, 6)]

out = [
    "#include <vector>",
    "",
    "namespace kaiser_references {",
    "",
    "struct Window {",
    "  double beta;",
    "  std::vector<double> values;  // periodic (sym=False)",
    "};",
    "",
    "inline const std::vector<Window>& Windows() {",
    "  static const std::vector<Window> windows = {",
]
for beta, n in cases:
    values = ", ".join(repr(float(v)) for v in windows.kaiser(n, beta, sym=False))
    out.append(f"      {{{beta!r}, {{{values}}}}},")
out += ["  };", "  return windows;", "}", "", "}  // namespace kaiser_references",
        ]

write_header(__file__, "scipy.signal.windows.kaiser", "KaiserReferences.h", out)
