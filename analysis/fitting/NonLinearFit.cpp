// Levenberg-Marquardt fit of a caller's model, with forward-difference
// derivatives. The bounded and unbounded forms are one method; they differ in
// the iteration limit and in how the damped curvature matrix is factored.
#include <cmath>
#include <cstring>

#include "analysis/core/CoreErrors.h"
#include "analysis/fitting/Fitting.h"
#include "analysis/linalg/DenseMatrix.h"
#include "analysis/linalg/WorkArray.h"

namespace SgCore {
namespace {

constexpr double kStep = 1e-6;
constexpr double kStartLambda = 0.001;
constexpr double kSmallDecrease = 0.001;

// Calls the caller's model with the fit's coefficient count.
struct ModelCallAdapter {
  NonLinearModel model;
  int count;
  double operator()(double x, const double* c) const { return model(x, c, count); }
};

struct Problem {
  const double* x;
  const double* y;
  int64_t n;
  int64_t p;
  ModelCallAdapter model;
};

double ChiSquare(const Problem& q, const double* c) {
  double chi = 0;
  for (int64_t i = 0; i < q.n; ++i) {
    const double r = q.y[i] - q.model(q.x[i], c);
    chi += r * r;
  }
  return chi;
}

// alpha = J^T J, beta = J^T r at c (c is raised and restored per
// coefficient); returns chi-square. work holds p values.
double Curvature(const Problem& q, double* c, double* alpha, double* beta, double* work) {
  const int64_t p = q.p;
  for (int64_t k = 0; k < p * p; ++k) alpha[k] = 0.0;
  for (int64_t k = 0; k < p; ++k) beta[k] = 0.0;
  double chi = 0;
  for (int64_t i = 0; i < q.n; ++i) {
    const double base = q.model(q.x[i], c);
    for (int64_t k = 0; k < p; ++k) {
      const double keep = c[k];
      c[k] = keep + kStep;
      work[k] = (q.model(q.x[i], c) - base) * 1e6;
      c[k] = keep;
    }
    const double r = q.y[i] - base;
    chi += r * r;
    for (int64_t k = 0; k < p; ++k) {
      beta[k] += work[k] * r;
      for (int64_t l = 0; l < p; ++l) alpha[k * p + l] += work[k] * work[l];
    }
  }
  return chi;
}

// limit < 0: no iteration limit, factor through packed storage with its
// singularity test; otherwise the unchecked factorisation.
int NonLinearFitCore(const Problem& q, int limit, double* c, double* fit, double* mse) {
  const int64_t p = q.p;
  WorkArray alpha = AllocateWork(p * p), damped = AllocateWork(p * p), beta = AllocateWork(p),
            step = AllocateWork(p), trial = AllocateWork(p), work = AllocateWork(p);
  if (!alpha || !damped || !beta || !step || !trial || !work) return ErrOutOfMemory;
  double lambda = kStartLambda;
  double chi = Curvature(q, c, alpha.get(), beta.get(), work.get());
  int code = ErrNone;
  bool smallBefore = false;
  for (int iteration = 0;; ++iteration) {
    if (limit >= 0 && iteration >= limit) {
      code = ErrMaxIterations;
      break;
    }
    // Past the largest damping the step is zero: nothing more to gain.
    if (!std::isfinite(lambda)) break;
    std::memcpy(damped.get(), alpha.get(), sizeof(double) * p * p);
    for (int64_t k = 0; k < p; ++k) damped[k * p + k] *= 1.0 + lambda;
    if (limit >= 0) {
      CholeskyFactorUnchecked(damped.get(), static_cast<int>(p));
    } else if (const int c2 =
                   CholeskyFactorPacked(damped.get(), static_cast<int>(p), damped.get())) {
      code = c2;
      break;
    }
    CholeskySolve(damped.get(), beta.get(), step.get(), static_cast<int>(p));
    for (int64_t k = 0; k < p; ++k) trial[k] = c[k] + step[k];
    const double trialChi = ChiSquare(q, trial.get());
    if (trialChi == chi) break;
    if (!(trialChi < chi)) {
      lambda *= 10.0;
      continue;
    }
    const double decrease = chi - trialChi;
    chi = Curvature(q, trial.get(), alpha.get(), beta.get(), work.get());
    lambda *= 0.1;
    std::memcpy(c, trial.get(), sizeof(double) * p);
    if (decrease < kSmallDecrease) {
      if (smallBefore) break;
      smallBefore = true;
      lambda = kStartLambda;
    }
  }
  double error = 0;
  for (int64_t i = 0; i < q.n; ++i) {
    const double f = q.model(q.x[i], c);
    error += (f - q.y[i]) * (f - q.y[i]);
    fit[i] = f;
  }
  *mse = error / static_cast<double>(q.n);
  return code;
}

int Check(int n, int count) {
  if (n <= 0 || count <= 0) return ErrSamplesGtZero;
  if (n < count) return ErrSizeOrder;
  return ErrNone;
}

}  // namespace

int NonLinearFitBoundedCore(const double* x, const double* y, double* fit, int n, int iterations,
                            NonLinearModel model, double* coefficients, int count, double* mse) {
  if (const int code = Check(n, count)) return code;
  const Problem q{x, y, n, count, {model, count}};
  return NonLinearFitCore(q, iterations < 0 ? 0 : iterations, coefficients, fit, mse);
}

int NonLinearFitUnboundedCore(const double* x, const double* y, double* fit, int n,
                              NonLinearModel model, double* coefficients, int count, double* mse) {
  if (const int code = Check(n, count)) return code;
  const Problem q{x, y, n, count, {model, count}};
  return NonLinearFitCore(q, -1, coefficients, fit, mse);
}

}  // namespace SgCore
