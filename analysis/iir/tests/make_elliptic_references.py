#!/usr/bin/python3
# Writes EllipticReferences.h: complete and incomplete elliptic integrals of
# the first kind and the Jacobi functions, from scipy.special. Run it again
# only to add a row; the check Fixtures.GeneratedTablesAreUpToDate compares
# its output with the stored file.
#   /usr/bin/python3 make_elliptic_references.py [output folder]
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "../../../scripts"))
from generated_table import write_header  # noqa: E402

import numpy as np
from scipy import special

complete = [0.1, 0.5, 0.99]  # modulus k
jacobi = [(0.3, 0.5), (1.2, 0.9), (2.0, 0.999)]  # u, modulus k
incomplete = [(0.5, 0.3), (3.0, 0.1), (10.0, 0.01), (-0.5, 0.3)]  # x, m of F(arctan x, sqrt(1 - m^2))


def row(*values):
    return "{" + ", ".join(repr(float(v)) for v in values) + "},"


out = [
    "",
    "namespace elliptic_references {",
    "",
    "// K(k) = ellipk(k^2).",
    "struct Complete {",
    "  double k, value;",
    "};",
    "inline constexpr Complete kComplete[] = {",
]
out += ["    " + row(k, special.ellipk(k * k)) for k in complete]
out += [
    "};",
    "",
    "// sn, cn, dn of u for the modulus k: ellipj(u, k^2).",
    "struct Jacobi {",
    "  double u, k, sn, cn, dn;",
    "};",
    "inline constexpr Jacobi kJacobi[] = {",
]
for u, k in jacobi:
    sn, cn, dn, _ = special.ellipj(u, k * k)
    out.append("    " + row(u, k, sn, cn, dn))
out += [
    "};",
    "",
    "// F(arctan x, k) with k = sqrt(1 - m^2): ellipkinc(arctan x, k^2).",
    "struct Incomplete {",
    "  double x, m, value;",
    "};",
    "inline constexpr Incomplete kIncomplete[] = {",
]
for x, m in incomplete:
    k = np.sqrt(1 - m * m)
    out.append("    " + row(x, m, special.ellipkinc(np.arctan(x), k * k)))
out += ["};", "", "}  // namespace elliptic_references"]

write_header(__file__, "scipy.special", "EllipticReferences.h", out)
