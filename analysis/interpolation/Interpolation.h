#pragma once
// Interpolation of a function known at points (x[i], y[i]), i < n: the
// polynomial (Neville) and diagonal rational (Bulirsch-Stoer) interpolants
// with error estimates, and the cubic spline (second derivatives once, then
// a value per abscissa). Return 0 or a negative result code.
namespace SgCore {

// Value at x0 of the polynomial of degree n - 1 through the points, and the
// last correction as error estimate. Distinct x in any order.
int PolynomialInterpolateCore(const double* x, const double* y, int n, double x0, double* value,
                              double* error);

// The same with the diagonal rational function; -20050 when it has a pole
// at x0.
int RationalInterpolateCore(const double* x, const double* y, int n, double x0, double* value,
                            double* error);

// Second derivatives y2 of the cubic spline through the points (x ascending
// or descending) with end slopes yp1 and ypn; a slope above 9.9e29 makes a
// natural end. Needs two points; y2 is written only on success.
int SplineSecondDerivativesCore(const double* x, const double* y, int n, double yp1, double ypn,
                                double* y2);

// The spline's value at x0 (extrapolated by the end cubic outside the x
// range), on the interval the bisection finds. The search starts from the
// interval this thread's last call on the same points found, so a fill in
// sample order costs the same over knots of any spacing. Inline
// (SplineValue.inl): it is evaluated once per sample.
inline int SplineInterpolateCore(const double* x, const double* y, const double* y2, int n,
                                 double x0, double* value);

}  // namespace SgCore

#include "analysis/interpolation/SplineValue.inl"
