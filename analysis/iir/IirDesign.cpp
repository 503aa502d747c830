#include "analysis/iir/IirDesign.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>

#include "analysis/core/CoreErrors.h"
#include "analysis/iir/EllipticFunctions.h"

namespace SgCore::iir {
namespace {

using Complex = std::complex<double>;
constexpr double kPi = std::numbers::pi;

bool IsBand(Kind kind) { return kind == Kind::BandPass || kind == Kind::BandStop; }
bool HasRipple(Family f) { return f == Family::Chebyshev || f == Family::Elliptic; }
bool HasAttenuation(Family f) { return f == Family::InverseChebyshev || f == Family::Elliptic; }
bool Positive(double v) { return v > 0.0 && std::isfinite(v); }

// 10^(db/10) - 1 without cancellation for small levels.
double PowerRatioMinusOne(double db) { return std::expm1(db / 10.0 * std::numbers::ln10); }

// Roots of s^2 - c s + p = 0 computed without cancellation.
void QuadraticRoots(Complex c, double p, Complex* r1, Complex* r2) {
  Complex d = std::sqrt(c * c - 4.0 * p);
  if (std::real(std::conj(c) * d) < 0.0) d = -d;
  *r1 = 0.5 * (c + d);
  *r2 = (*r1 == 0.0) ? Complex(0.0) : p / *r1;
}

// Bilinear map s -> z = (1 + s) / (1 - s); infinity goes to -1.
Complex Bilinear(Complex s, bool infinite) {
  return infinite ? Complex(-1.0) : (1.0 + s) / (1.0 - s);
}

struct Quadratic {
  double c1, c2;  // 1 + c1 z^-1 + c2 z^-2
};

// The monic quadratic in z^-1 with the two digital roots; a root pair on the
// unit circle keeps c2 = 1 exactly.
Quadratic FromRoots(Complex z1, Complex z2, bool onCircle) {
  if (onCircle) return {-2.0 * z1.real(), 1.0};
  return {-(z1 + z2).real(), (z1 * z2).real()};
}

Complex Evaluate(const Quadratic& q, Complex zinv) { return 1.0 + zinv * (q.c1 + zinv * q.c2); }

}  // namespace

int CheckRequest(int count, const Request& r) {
  if (count < 1) return ErrSamplesGtZero;
  if (r.order < 1) return ErrOrder;
  const bool band = IsBand(r.kind);
  if (!Positive(r.f1) || (band && !Positive(r.f2)) || !Positive(r.fs)) return ErrBand;
  if (HasRipple(r.family) && !Positive(r.ripple)) return ErrRipple;
  if (HasAttenuation(r.family) && !Positive(r.attenuation)) return ErrAttenuation;
  if (r.family == Family::Elliptic && r.attenuation <= r.ripple) return ErrAttenuationRipple;
  if (band && r.f1 >= r.f2) return ErrBand;
  if ((band ? r.f2 : r.f1) > r.fs / 2.0) return ErrCutoff;
  return ErrNone;
}

Design::Design(const Request& request) : r_(request), order_(request.order) {
  if (IsBand(r_.kind)) {
    const double wl = std::tan(kPi * r_.f1 / r_.fs);
    const double wh = std::tan(kPi * r_.f2 / r_.fs);
    bw_ = wh - wl;
    w0sq_ = wl * wh;
  } else {
    w_ = std::tan(kPi * r_.f1 / r_.fs);
  }
  const double n = order_;
  switch (r_.family) {
    case Family::Butterworth: break;
    case Family::Chebyshev: {
      const double hm1 = PowerRatioMinusOne(r_.ripple);
      const double eps = std::sqrt(hm1);
      const double beta = std::pow((std::sqrt(hm1 + 1.0) + 1.0) / eps, 1.0 / n);
      sh_ = (beta - 1.0 / beta) / 2.0;
      ch_ = (beta + 1.0 / beta) / 2.0;
      if (order_ % 2 == 0) evenGain_ = 1.0 / std::sqrt(hm1 + 1.0);
      break;
    }
    case Family::InverseChebyshev: {
      const double g = std::sqrt(PowerRatioMinusOne(r_.attenuation));
      const double beta = std::pow(g + std::sqrt(g * g + 1.0), 1.0 / n);
      sh_ = (beta - 1.0 / beta) / 2.0;
      ch_ = (beta + 1.0 / beta) / 2.0;
      break;
    }
    case Family::Elliptic: {
      double epsP, k1, k1c, bigK1, bigK1c, bigKc, v0;
      EllipticDesignParameters(r_.ripple, r_.attenuation, order_, &epsP, &k1, &k1c, &bigK1, &bigK1c,
                               &ellk_, &ellkc_, &ellK_, &bigKc, &v0, &sn1_, &cn1_, &dn1_);
      if (order_ % 2 == 0) evenGain_ = 1.0 / std::sqrt(1.0 + epsP * epsP);
      break;
    }
  }
}

Design::Root Design::PrototypeRealPole() const {
  switch (r_.family) {
    case Family::Butterworth: return {-1.0, 0.0, false};
    case Family::Chebyshev:
      // A first-order band filter keeps its edges at the -3 dB points.
      return {(IsBand(r_.kind) && order_ == 1) ? -1.0 : -sh_, 0.0, false};
    case Family::InverseChebyshev: return {-1.0 / sh_, 0.0, false};
    case Family::Elliptic: return {-sn1_ * cn1_ / (1.0 - sn1_ * sn1_), 0.0, false};
  }
  return {-1.0, 0.0, false};
}

void Design::PrototypePair(int64_t k, Root* pole, Root* zero) const {
  const double n = order_;
  const double theta = kPi / 2.0 + (2.0 * static_cast<double>(k) + 1.0) * kPi / (2.0 * n);
  const double i = static_cast<double>((order_ % 2 == 0 ? 1 : 2) + 2 * k);
  *zero = {0.0, 0.0, true};
  switch (r_.family) {
    case Family::Butterworth: *pole = {std::cos(theta), std::sin(theta), false}; break;
    case Family::Chebyshev: *pole = {sh_ * std::cos(theta), ch_ * std::sin(theta), false}; break;
    case Family::InverseChebyshev: {
      const Complex p = 1.0 / Complex(sh_ * std::cos(theta), ch_ * std::sin(theta));
      *pole = {p.real(), p.imag(), false};
      *zero = {0.0, 1.0 / std::sin(i * kPi / (2.0 * n)), false};
      break;
    }
    case Family::Elliptic: {
      double sn, cn, dn;
      JacobiSnCnDn(i * ellK_ / n, ellkc_, &sn, &cn, &dn);
      const double d = 1.0 - dn * dn * sn1_ * sn1_;
      *pole = {-cn * dn * sn1_ * cn1_ / d, sn * dn1_ / d, false};
      *zero = {0.0, 1.0 / (ellk_ * sn), false};
      break;
    }
  }
}

// Carries prototype roots (one real pole, or the upper member of a conjugate
// pair with its zero) through the frequency transform and the bilinear map,
// and scales the result to unit gain at the kind's reference frequency.
int Design::Realise(const Root* poles, const Root* zeros, bool pair, double gain,
                    Section out[2]) const {
  // Digital roots: for every section a pole and a zero (their conjugates or
  // partners implied), and whether the zero pair sits on the unit circle.
  Complex zp[2], zz[2], zp2[2], zz2[2];
  bool circle[2] = {false, false};
  int sections = 0;
  const Complex p(poles->re, poles->im);
  const Root& z = *zeros;
  if (!IsBand(r_.kind)) {
    const bool low = r_.kind == Kind::LowPass;
    const Complex sp = low ? w_ * p : w_ / p;
    zp[0] = Bilinear(sp, false);
    zp2[0] = std::conj(zp[0]);
    if (z.infinite) {
      zz[0] = low ? Complex(-1.0) : Complex(1.0);
    } else {
      const double t = low ? w_ * z.im : -w_ / z.im;
      zz[0] = Bilinear(Complex(0.0, t), false);
      circle[0] = true;
    }
    zz2[0] = std::conj(zz[0]);
    sections = 1;
  } else {
    const bool bandPass = r_.kind == Kind::BandPass;
    Complex r1, r2;
    QuadraticRoots(bandPass ? p * bw_ : bw_ / p, w0sq_, &r1, &r2);
    if (!pair) {
      // A real prototype pole gives one section with two poles.
      zp[0] = Bilinear(r1, false);
      zp2[0] = Bilinear(r2, false);
      if (bandPass) {
        zz[0] = 1.0;
        zz2[0] = -1.0;
      } else {
        zz[0] = Bilinear(Complex(0.0, std::sqrt(w0sq_)), false);
        zz2[0] = std::conj(zz[0]);
        circle[0] = true;
      }
      sections = 1;
    } else {
      zp[0] = Bilinear(r1, false);
      zp[1] = Bilinear(r2, false);
      zp2[0] = std::conj(zp[0]);
      zp2[1] = std::conj(zp[1]);
      if (z.infinite) {
        for (int s = 0; s < 2; ++s) {
          if (bandPass) {
            zz[s] = 1.0;
            zz2[s] = -1.0;
          } else {
            zz[s] = Bilinear(Complex(0.0, std::sqrt(w0sq_)), false);
            zz2[s] = std::conj(zz[s]);
            circle[s] = true;
          }
        }
      } else {
        // The zero pair +-j w goes to two pairs on the imaginary axis; the
        // higher one joins the section whose poles lie higher.
        Complex t1, t2;
        const Complex jw(0.0, z.im);
        QuadraticRoots(bandPass ? jw * bw_ : bw_ / jw, w0sq_, &t1, &t2);
        double f1 = std::fabs(t1.imag()), f2 = std::fabs(t2.imag());
        if (f1 < f2) std::swap(f1, f2);
        const bool firstHigher = std::fabs(std::arg(zp[0])) >= std::fabs(std::arg(zp[1]));
        zz[firstHigher ? 0 : 1] = Bilinear(Complex(0.0, f1), false);
        zz[firstHigher ? 1 : 0] = Bilinear(Complex(0.0, f2), false);
        for (int s = 0; s < 2; ++s) {
          zz2[s] = std::conj(zz[s]);
          circle[s] = true;
        }
      }
      sections = 2;
    }
  }

  // Reference point z^-1: 1 for low-pass and band-stop, -1 for high-pass,
  // the pre-warped centre for band-pass.
  Complex zinv(1.0);
  if (r_.kind == Kind::HighPass) zinv = -1.0;
  if (r_.kind == Kind::BandPass) {
    const double w0 = std::sqrt(w0sq_);
    zinv = (1.0 - Complex(0.0, w0)) / (1.0 + Complex(0.0, w0));
  }

  const bool firstOrder = !pair && !IsBand(r_.kind);
  Complex total(1.0);
  double partGain[2] = {1.0, 1.0};
  Quadratic num[2], den[2];
  for (int s = 0; s < sections; ++s) {
    if (firstOrder) {
      num[s] = {-zz[s].real(), 0.0};
      den[s] = {-zp[s].real(), 0.0};
    } else {
      num[s] = FromRoots(zz[s], zz2[s], circle[s]);
      den[s] = FromRoots(zp[s], zp2[s], false);
    }
    const Complex h = Evaluate(num[s], zinv) / Evaluate(den[s], zinv);
    partGain[s] = 1.0 / std::abs(h);
    total *= h;
  }
  const double totalGain = gain / total.real();
  if (sections == 2)
    partGain[1] = totalGain / partGain[0];
  else
    partGain[0] = totalGain;
  for (int s = 0; s < sections; ++s) {
    const double g = partGain[s];
    out[s] = {g, g * num[s].c1, g * num[s].c2, den[s].c1, den[s].c2, firstOrder};
  }
  return sections;
}

int Design::FactorSections(int64_t i, Section out[2]) const {
  const bool odd = order_ % 2 != 0;
  if (odd && i == 0) {
    const Root pole = PrototypeRealPole();
    const Root zero{0.0, 0.0, true};
    return Realise(&pole, &zero, false, 1.0, out);
  }
  const int64_t k = i - (odd ? 1 : 0);
  Root pole, zero;
  PrototypePair(k, &pole, &zero);
  return Realise(&pole, &zero, true, k == 0 ? evenGain_ : 1.0, out);
}

int Design::CheckFinite() const {
  // Extreme ripples or attenuations overflow their power ratios; the code
  // names the quantity that caused it.
  auto usable = [](double db) {
    const double ratio = PowerRatioMinusOne(db);
    return std::isfinite(ratio) && ratio > 0.0;
  };
  if (HasRipple(r_.family) && !usable(r_.ripple)) return ErrRipple;
  if (HasAttenuation(r_.family) && !usable(r_.attenuation)) return ErrAttenuation;
  int code = ErrBand;
  if (r_.family == Family::Chebyshev) code = ErrRipple;
  if (r_.family == Family::InverseChebyshev || r_.family == Family::Elliptic) code = ErrAttenuation;
  Section s[2];
  for (int64_t i = 0; i < FactorCount(); ++i) {
    const int n = FactorSections(i, s);
    for (int j = 0; j < n; ++j) {
      for (double v : {s[j].b0, s[j].b1, s[j].b2, s[j].a1, s[j].a2}) {
        if (!std::isfinite(v)) return code;
      }
    }
  }
  return ErrNone;
}

}  // namespace SgCore::iir
