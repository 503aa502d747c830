#include "analysis/fft/FftPlan.h"

#include <cmath>

namespace SgCore::fft {

std::vector<int> FftFactorize(Index n) {
  std::vector<int> found;
  Index rest = n;
  bool tookEight = false;
  for (int f : {10, 8, 5, 4, 3, 2}) {
    while (rest % f == 0 && rest > 1) {
      found.push_back(f);
      rest /= f;
      tookEight |= f == 8;
    }
  }
  // A trailing 2 after an 8 is better spent as 4, 4.
  if (tookEight && !found.empty() && found.back() == 2) {
    for (auto it = found.rbegin(); it != found.rend(); ++it)
      if (*it == 8) {
        *it = 4;
        found.back() = 4;
        break;
      }
  }
  for (Index d = 2; rest > 1 && double(d) < std::sqrt(double(rest)) + 1; ++d)
    while (rest % d == 0) {
      found.push_back(int(d));
      rest /= d;
    }
  if (rest > 1) found.push_back(rest > 0x7fffffff ? 0x7fffffff : int(rest));
  return {found.rbegin(), found.rend()};
}

int FloorLog2(Index n) {
  if (n <= 0) return -1;
  int k = 0;
  while (n >>= 1) ++k;
  return k;
}

Roots::Roots(Index n) : n_(n) {
  const int bits = FloorLog2(n) + 1;
  shift_ = (bits + 1) / 2;
  mask_ = (Index(1) << shift_) - 1;
  const Index loCount = mask_ + 1, hiCount = (n >> shift_) + 1;
  loC_.resize(loCount);
  loS_.resize(loCount);
  hiC_.resize(hiCount);
  hiS_.resize(hiCount);
  // By octant symmetry the angle passed to sin and cos is at most pi/4, where
  // both are correctly rounded; the fraction k/n is formed exactly first.
  auto root = [n](Index k, double& c, double& s) {
    k %= n;
    // Work in eighths of a turn: k/n = (octant + frac) / 8.
    const Index k8 = 8 * k;
    const Index octant = k8 / n;
    const double frac = double(k8 - octant * n) / double(n);  // in [0, 1)
    const double quarterPi = 0.78539816339744830962;
    double a = frac * quarterPi, cs = std::cos(a), sn = std::sin(a);
    // Odd octants measure from the next multiple of pi/4.
    if (octant & 1) {
      a = (1.0 - frac) * quarterPi;
      cs = std::cos(a);
      sn = std::sin(a);
    }
    double cr, sr;  // cos and sin of 2 pi k / n
    switch (octant) {
      case 0:
        cr = cs;
        sr = sn;
        break;
      case 1:
        cr = sn;
        sr = cs;
        break;
      case 2:
        cr = -sn;
        sr = cs;
        break;
      case 3:
        cr = -cs;
        sr = sn;
        break;
      case 4:
        cr = -cs;
        sr = -sn;
        break;
      case 5:
        cr = -sn;
        sr = -cs;
        break;
      case 6:
        cr = sn;
        sr = -cs;
        break;
      default:
        cr = cs;
        sr = -sn;
        break;
    }
    c = cr;
    s = -sr;
  };
  for (Index i = 0; i < loCount; ++i) root(i, loC_[i], loS_[i]);
  for (Index i = 0; i < hiCount; ++i) root(i << shift_, hiC_[i], hiS_[i]);
}

}  // namespace SgCore::fft
