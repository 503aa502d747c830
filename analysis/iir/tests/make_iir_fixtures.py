#!/usr/bin/python3
# Writes IirFixtures.h: second-order sections of reference designs from
# scipy.signal. Run it again only to add a design; the check
# Fixtures.GeneratedTablesAreUpToDate compares its output with the stored file.
#   /usr/bin/python3 make_iir_fixtures.py [output folder]
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "../../../scripts"))
from generated_table import write_header  # noqa: E402

from scipy import signal

designs = [
    # name, family, kind, fs, f1, f2, ripple, attenuation, order
    ("butter_lp5", "Butterworth", "LowPass", 1000.0, 100.0, 0, 0, 0, 5),
    ("butter_hp4", "Butterworth", "HighPass", 1000.0, 50.0, 0, 0, 0, 4),
    ("butter_bp3", "Butterworth", "BandPass", 1000.0, 100.0, 200.0, 0, 0, 3),
    ("butter_bs2", "Butterworth", "BandStop", 1000.0, 100.0, 150.0, 0, 0, 2),
    ("cheby1_lp4", "Chebyshev", "LowPass", 1000.0, 120.0, 0, 0.5, 0, 4),
    ("cheby1_hp5", "Chebyshev", "HighPass", 1000.0, 300.0, 0, 1.0, 0, 5),
    ("cheby1_bp3", "Chebyshev", "BandPass", 1000.0, 50.0, 80.0, 0.1, 0, 3),
    ("cheby1_bs4", "Chebyshev", "BandStop", 1000.0, 200.0, 260.0, 0.1, 0, 4),
    ("cheby2_lp5", "InverseChebyshev", "LowPass", 1000.0, 100.0, 0, 0, 40.0, 5),
    ("cheby2_hp4", "InverseChebyshev", "HighPass", 1000.0, 150.0, 0, 0, 30.0, 4),
    ("cheby2_bp4", "InverseChebyshev", "BandPass", 1000.0, 100.0, 300.0, 0, 40.0, 4),
    ("cheby2_bs3", "InverseChebyshev", "BandStop", 1000.0, 100.0, 300.0, 0, 40.0, 3),
    ("ellip_lp5", "Elliptic", "LowPass", 1000.0, 100.0, 0, 0.1, 40.0, 5),
    ("ellip_hp4", "Elliptic", "HighPass", 1000.0, 200.0, 0, 0.5, 60.0, 4),
    ("ellip_bp5", "Elliptic", "BandPass", 1000.0, 100.0, 200.0, 0.1, 40.0, 5),
    ("ellip_bs4", "Elliptic", "BandStop", 1000.0, 100.0, 200.0, 0.1, 40.0, 4),
    # Narrow and low bands: stable only as second-order sections.
    ("butter_bp5_narrow", "Butterworth", "BandPass", 1e6, 10.0, 12.0, 0, 0, 5),
    ("ellip_bp5_low", "Elliptic", "BandPass", 48000.0, 20.0, 25.0, 0.1, 40.0, 5),
    ("cheby1_bs4_low", "Chebyshev", "BandStop", 48000.0, 5.0, 9.0, 0.1, 0, 4),
]

scipy_kind = {"LowPass": "lowpass", "HighPass": "highpass", "BandPass": "bandpass",
              "BandStop": "bandstop"}

out = ["#include <vector>", "", "namespace iir_fixtures {", "",
       "struct Reference {", "  const char* name;", "  const char* family;", "  const char* kind;",
       "  double fs, f1, f2, ripple, attenuation;", "  int order;",
       "  std::vector<double> sos;  // rows of b0 b1 b2 a0 a1 a2", "};", "",
       "// One design a row.",
       "inline const std::vector<Reference>& References() {",
       "  static const std::vector<Reference> refs = {"]
for name, fam, kind, fs, f1, f2, rp, rs, n in designs:
    wn = [f1, f2] if kind in ("BandPass", "BandStop") else f1
    btype = scipy_kind[kind]
    if fam == "Butterworth":
        sos = signal.butter(n, wn, btype, fs=fs, output="sos")
    elif fam == "Chebyshev":
        sos = signal.cheby1(n, rp, wn, btype, fs=fs, output="sos")
    elif fam == "InverseChebyshev":
        sos = signal.cheby2(n, rs, wn, btype, fs=fs, output="sos")
    else:
        sos = signal.ellip(n, rp, rs, wn, btype, fs=fs, output="sos")
    values = ", ".join(repr(float(v)) for v in sos.flatten())
    out.append(f'      {{"{name}", "{fam}", "{kind}", {fs!r}, {float(f1)!r}, {float(f2)!r}, '
               f'{float(rp)!r}, {float(rs)!r}, {n},')
    out.append(f"       {{{values}}}}},")
out += ["  };", "  return refs;", "}", "", "}  // namespace iir_fixtures"]

write_header(__file__, "scipy.signal designs", "IirFixtures.h", out)
