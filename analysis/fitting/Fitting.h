#pragma once
// Curve fits of the analysis core: general linear least squares over any
// basis, the straight line, the exponential, the polynomial and the
// non-linear Levenberg-Marquardt fit of a caller's model. Each writes the
// coefficients, the best fit at the given points and the mean squared error,
// and returns 0 or a negative result code (argument errors before any
// output is written).
namespace SgCore {

// Solution algorithms of the general fit, in selector order.
enum LeastSquaresAlgorithm : int {
  LsSvd = 0,
  LsGivens = 1,
  LsFastGivens = 2,
  LsHouseholder = 3,
  LsLu = 4,
  LsCholesky = 5,
};

// y ~ H c for H of n rows and a <= 90 columns (row-major); sigma (or null)
// weights row i by 1 / sigma[i]; covariance (a by a, or null) receives the
// inverse of the weighted normal matrix.
int GeneralLeastSquaresCore(const double* h, int n, int a, const double* y, const double* sigma,
                            int algorithm, double* fit, double* coefficients, double* covariance,
                            double* mse);

// y ~ slope x + intercept; n >= 2.
int LinearFitCore(const double* x, const double* y, int n, double* fit, double* slope,
                  double* intercept, double* mse);

// y ~ amplitude e^(b x) for y all non-zero and of one sign; y is only read.
int ExponentialFitCore(const double* x, const double* y, int n, double* fit, double* amplitude,
                       double* b, double* mse);

// y ~ sum c[j] x^j, j = 0..order (lowest power first).
int PolynomialFitCore(const double* x, const double* y, int n, int order, double* fit,
                      double* coefficients, double* mse);

// The model of the non-linear fit: its value at x for the coefficients.
using NonLinearModel = double (*)(double x, const double* coefficients, int count);

// Levenberg-Marquardt from the coefficients given (which receive the last
// accepted ones). The bounded form runs at most `iterations` steps and
// returns -20062 when they were all used; the unbounded form runs until it
// stops and returns -20041 for a singular curvature matrix.
int NonLinearFitBoundedCore(const double* x, const double* y, double* fit, int n, int iterations,
                            NonLinearModel model, double* coefficients, int count, double* mse);
int NonLinearFitUnboundedCore(const double* x, const double* y, double* fit, int n,
                              NonLinearModel model, double* coefficients, int count, double* mse);

}  // namespace SgCore
