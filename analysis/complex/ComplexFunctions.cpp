// The magnitude is taken with hypot rather than from re^2 + im^2, which
// overflows above about 1e154 and underflows to zero below about 1e-162.
#include "analysis/complex/ComplexFunctions.h"

#include "analysis/core/CoreErrors.h"

#include <cmath>

namespace SgCore {
namespace {

// |z| with a NaN part counting as zero, as the zero tests require.
double Magnitude(double re, double im) {
  const double r = std::hypot(re, im);
  return std::isnan(r) ? 0.0 : r;
}

int Store(double re, double im, double* outRe, double* outIm) {
  *outRe = re;
  *outIm = im;
  return 0;
}

}  // namespace

int ComplexLnCore(double re, double im, double* outRe, double* outIm) {
  const double r = Magnitude(re, im);
  if (r == 0.0) return ErrDivideByZero;
  return Store(std::log(r), std::atan2(im, re), outRe, outIm);
}

int ComplexLog10Core(double re, double im, double* outRe, double* outIm) {
  const double r = Magnitude(re, im);
  if (r == 0.0) return ErrDivideByZero;
  return Store(std::log10(r), std::atan2(im, re) * 0.434294481903252, outRe, outIm);
}

int ComplexPowerCore(double re, double im, double power, double* outRe, double* outIm) {
  const double r = Magnitude(re, im);
  if (r == 0.0) {
    // 0 to a negative power is a division by zero like 0 to the power 0.
    if (!(power > 0.0)) return ErrDivideByZero;
    return Store(0.0, 0.0, outRe, outIm);
  }
  const double m = std::pow(r, power);
  const double phi = power * std::atan2(im, re);
  return Store(m * std::cos(phi), m * std::sin(phi), outRe, outIm);
}

int ComplexExpCore(double re, double im, double* outRe, double* outIm) {
  const double e = std::exp(re);
  return Store(e * std::cos(im), e * std::sin(im), outRe, outIm);
}

int ComplexSqrtCore(double re, double im, double* outRe, double* outIm) {
  const double r = Magnitude(re, im);
  if (r == 0.0) return Store(0.0, 0.0, outRe, outIm);
  const double s = std::sqrt(r);
  const double phi = std::atan2(im, re) / 2.0;
  return Store(s * std::cos(phi), s * std::sin(phi), outRe, outIm);
}

int ComplexReciprocalCore(double re, double im, double* outRe, double* outIm) {
  if (Magnitude(re, im) == 0.0) return ErrDivideByZero;
  // Scaled division: 1/z = conj(z)/|z|^2 without forming |z|^2.
  if (std::fabs(re) >= std::fabs(im)) {
    const double t = im / re, d = re + im * t;
    return Store(1.0 / d, -(t / d), outRe, outIm);
  }
  const double t = re / im, d = re * t + im;
  return Store(t / d, -(1.0 / d), outRe, outIm);
}

}  // namespace SgCore
