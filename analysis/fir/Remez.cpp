// Equiripple FIR design by the McClellan-Parks-Rabiner program: the argument
// checks, the dense frequency grid with its desired values and weights, and
// the impulse response from the best approximation (the exchange itself is
// in RemezExchange.cpp).
#include <cmath>
#include <cstdint>
#include <numbers>

#include "analysis/core/CoreErrors.h"
#include "analysis/fir/FirDesign.h"
#include "analysis/fir/RemezState.h"
#include "analysis/linalg/WorkArray.h"

namespace SgCore {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kTwoPi = 2.0 * std::numbers::pi;
constexpr int kDensity = 16;
constexpr int kDefaultLimit = 100;
constexpr int kMaxFunctions = 2048;

bool Positive(double v) { return v > 0.0 && std::isfinite(v); }

// The argument checks in their order; 0 when the design may start.
int CheckDesign(int nbands, const double* desired, const double* weights, double fs,
                const double* edges, int type, int n) {
  if (n < 3) return ErrFilterDesign;
  if (nbands < 1) return ErrSamplesGtZero;
  if (!Positive(fs)) return ErrBand;
  const int64_t ne = 2 * static_cast<int64_t>(nbands);
  for (int64_t i = 0; i < ne; ++i)
    if (!(edges[i] >= 0.0) || !std::isfinite(edges[i])) return ErrBand;
  for (int64_t b = 0; b < nbands; ++b) {
    if (!Positive(weights[b]) || !(desired[b] >= 0.0) || !std::isfinite(desired[b])) return ErrBand;
  }
  if (edges[ne - 1] / fs > 0.5) return ErrCutoff;
  for (int64_t i = 1; i < ne; ++i)
    if (!(edges[i] > edges[i - 1])) return ErrBand;
  const double first = edges[0], toNyquist = fs / 2.0 - edges[ne - 1];
  const bool odd = n % 2 != 0;
  switch (type) {
    case EquirippleMultiband:
      if (first != 0.0 || toNyquist > 0.001) return ErrFilterDesign;
      if (!odd && desired[nbands - 1] != 0.0) return ErrOddTaps;
      break;
    case EquirippleDifferentiator:
      if (first != 0.0 || (odd ? toNyquist < 0.01 : toNyquist > 0.001)) return ErrFilterDesign;
      break;
    case EquirippleHilbert:
      if (first == 0.0 || (odd ? toNyquist < 0.001 : toNyquist > 0.001)) return ErrFilterDesign;
      break;
    default: break;
  }
  return ErrNone;
}

}  // namespace

int RemezDesign(int nbands, const double* desired, const double* weights, double fs,
                const double* edges, int type, int n, double* out, double* deviation, int limit) {
  if (const int code = CheckDesign(nbands, desired, weights, fs, edges, type, n)) return code;
  if (limit < 1) limit = kDefaultLimit;
  const bool symmetric = type == EquirippleMultiband;
  const bool odd = n % 2 != 0;
  remez::Remez r;
  r.nfcns = n / 2 + (symmetric && odd ? 1 : 0);
  if (r.nfcns + 2 >= kMaxFunctions) return ErrOutOfMemory;
  const double delf = 0.5 / (kDensity * static_cast<double>(r.nfcns));

  // The dense grid, band by band: from the lower edge in steps of delf while
  // not past the upper edge, whose value replaces the last point. Counted
  // first so the arrays are sized exactly.
  auto lowerStart = [&](int64_t b) {
    double f = edges[2 * b] / fs;
    if (b == 0 && !symmetric && f < delf) f = delf;
    return f;
  };
  int64_t points = 0;
  for (int64_t b = 0; b < nbands; ++b) {
    const double fup = edges[2 * b + 1] / fs;
    double f = lowerStart(b);
    do {
      ++points;
      f += delf;
    } while (f <= fup);
  }
  if (!r.Allocate(points)) return ErrOutOfMemory;
  int64_t g = 0;
  for (int64_t b = 0; b < nbands; ++b) {
    const int64_t first = g + 1;
    const double fup = edges[2 * b + 1] / fs;
    double f = lowerStart(b);
    do {
      r.grid[++g] = f;
      f += delf;
    } while (f <= fup);
    r.grid[g] = fup;
    // Desired value (a slope for the differentiator) and weight per point.
    for (int64_t k = first; k <= g; ++k) {
      const double at = r.grid[k];
      const bool slope = type == EquirippleDifferentiator;
      r.des[k] = slope ? desired[b] * at : desired[b];
      r.wt[k] = slope && desired[b] >= 0.0001 ? weights[b] / at : weights[b];
    }
  }
  r.ngrid = points;
  // A response that is zero at half the sampling rate cannot fit a point
  // there.
  if (symmetric != odd && r.grid[r.ngrid] > 0.5 - delf) --r.ngrid;

  // Fold the symmetry and length case into the desired values and weights.
  for (int64_t k = 1; k <= r.ngrid; ++k) {
    double change = 1.0;
    if (symmetric && !odd) change = std::cos(kPi * r.grid[k]);
    if (!symmetric) change = odd ? std::sin(kTwoPi * r.grid[k]) : std::sin(kPi * r.grid[k]);
    r.des[k] /= change;
    r.wt[k] *= change;
    r.xgrid[k] = std::cos(kTwoPi * r.grid[k]);
  }

  for (int64_t j = 1; j <= r.nfcns + 1; ++j) r.iext[j] = (j - 1) * (r.ngrid - 1) / r.nfcns + 1;
  if (const int code = r.Exchange(limit)) return code;
  r.Coefficients(type == EquirippleHilbert && r.nfcns > 3);

  // The impulse response from the cosine coefficients, by symmetry case,
  // written from both ends towards the centre.
  const int64_t nf = r.nfcns, nz = nf + 1, nm1 = nf - 1;
  WorkArray half = AllocateWork(nf + 2);
  if (!half) return ErrOutOfMemory;
  const double* al = r.alpha.get();
  double* hh = half.get();
  if (symmetric) {
    if (odd) {
      for (int64_t j = 1; j <= nm1; ++j) hh[j] = 0.5 * al[nz - j];
      hh[nf] = al[1];
    } else {
      hh[1] = 0.25 * al[nf];
      for (int64_t j = 2; j <= nm1; ++j) hh[j] = 0.25 * (al[nz - j] + al[nf + 2 - j]);
      hh[nf] = 0.5 * al[1] + 0.25 * al[2];
    }
  } else if (odd) {
    hh[1] = 0.25 * al[nf];
    hh[2] = 0.25 * al[nm1];
    for (int64_t j = 3; j <= nm1; ++j) hh[j] = 0.25 * (al[nz - j] - al[nf + 3 - j]);
    hh[nf] = 0.5 * al[1] - 0.25 * al[3];
  } else {
    hh[1] = 0.25 * al[nf];
    for (int64_t j = 2; j <= nm1; ++j) hh[j] = 0.25 * (al[nz - j] - al[nf + 2 - j]);
    hh[nf] = 0.5 * al[1] - 0.25 * al[2];
  }
  for (int64_t j = 1; j <= nf; ++j) {
    out[j - 1] = hh[j];
    out[n - j] = symmetric ? hh[j] : -hh[j];
  }
  if (!symmetric && odd) out[nf] = 0.0;
  *deviation = std::fabs(r.dev);
  return ErrNone;
}

int EquirippleDesignCore(int nbands, const double* desired, const double* weights, double fs,
                         const double* edges, int type, int n, double* out, double* deviation) {
  return RemezDesign(nbands, desired, weights, fs, edges, type, n, out, deviation, kDefaultLimit);
}

}  // namespace SgCore
