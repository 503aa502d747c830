#pragma once
// Reference DFT in long double and helpers shared by the transform tests.
#include <cmath>
#include <complex>
#include <random>
#include <vector>

namespace fft_test {

using Cx = std::complex<long double>;

// e^(-2 pi i m / n) for m = 0..n-1.
inline std::vector<Cx> Roots(size_t n) {
  const long double pi = 3.14159265358979323846264338327950288L;
  std::vector<Cx> w(n);
  for (size_t m = 0; m < n; ++m) w[m] = std::polar(1.0L, -2 * pi * (long double)m / n);
  return w;
}

// One bin of the DFT, summed in long double.
inline Cx DftBin(const std::vector<double>& re, const std::vector<double>& im,
                 const std::vector<Cx>& roots, size_t k) {
  const size_t n = re.size();
  Cx sum = 0;
  for (size_t j = 0, m = 0; j < n; ++j, m = (m + k) % n) sum += Cx(re[j], im[j]) * roots[m];
  return sum;
}

inline std::vector<Cx> NaiveDft(const std::vector<double>& re, const std::vector<double>& im) {
  const auto roots = Roots(re.size());
  std::vector<Cx> out(re.size());
  for (size_t k = 0; k < re.size(); ++k) out[k] = DftBin(re, im, roots, k);
  return out;
}

inline std::vector<double> Random(size_t n, unsigned seed) {
  std::mt19937 gen(seed);
  std::uniform_real_distribution<double> dist(-1.0, 1.0);
  std::vector<double> v(n);
  for (double& x : v) x = dist(gen);
  return v;
}

// Largest error relative to the largest reference magnitude.
inline double RelativeError(const std::vector<double>& re, const std::vector<double>& im,
                            const std::vector<Cx>& want) {
  long double err = 0, scale = 0;
  for (size_t k = 0; k < want.size(); ++k) {
    err = std::max(err, std::abs(Cx(re[k], im[k]) - want[k]));
    scale = std::max(scale, std::abs(want[k]));
  }
  return double(err / std::max(scale, 1e-300L));
}

}  // namespace fft_test
