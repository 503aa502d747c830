// ComplexFftCore against FFTW (estimate planning, split arrays, in place) at
// the editor's lengths and a large prime: best time, ratio and peak memory
// beyond the data itself.
#include "analysis/fft/Fft.h"
#include "bench/analysis/BenchUtil.h"

#include <fftw3.h>

#include <cstdio>
#include <random>
#include <vector>

namespace {

void Fill(std::vector<double>& re, std::vector<double>& im) {
  std::mt19937 gen(1);
  std::uniform_real_distribution<double> d(-1, 1);
  for (size_t k = 0; k < re.size(); ++k) {
    re[k] = d(gen);
    im[k] = d(gen);
  }
}

fftw_plan SplitPlan(int n, double* re, double* im) {
  fftw_iodim dim{n, 1, 1};
  // Swapping re and im selects the forward sign for split arrays in FFTW's
  // guru interface? No: FFTW's split DFT is forward as (ri, ii) -> (ro, io).
  return fftw_plan_guru_split_dft(1, &dim, 0, nullptr, re, im, re, im, FFTW_ESTIMATE);
}

}  // namespace

int main() {
  std::printf("%-12s %12s %12s %8s %14s %14s\n", "length", "ours ms", "fftw ms", "ratio",
              "ours +MiB", "fftw +MiB");
  for (int n : {1 << 14, 1 << 20, 1 << 24, 20971520, 1000003}) {
    std::vector<double> re(n), im(n);
    const int reps = bench::RepsFor(n);
    const double ours = bench::BestSeconds(reps, [&] { Fill(re, im); },
                                           [&] { SgCore::ComplexFftCore(re.data(), im.data(), n); });
    fftw_plan plan = SplitPlan(n, re.data(), im.data());
    const double theirs = bench::BestSeconds(reps, [&] { Fill(re, im); }, [&] { fftw_execute(plan); });
    fftw_destroy_plan(plan);

    const double base = bench::ChildPeakMiB([&] { Fill(re, im); });
    const double oursMem = bench::ChildPeakMiB([&] {
      Fill(re, im);
      SgCore::ComplexFftCore(re.data(), im.data(), n);
    });
    const double fftwMem = bench::ChildPeakMiB([&] {
      Fill(re, im);
      fftw_plan p = SplitPlan(n, re.data(), im.data());
      fftw_execute(p);
      fftw_destroy_plan(p);
    });
    std::printf("%-12d %12.3f %12.3f %8.2f %14.1f %14.1f\n", n, ours * 1e3, theirs * 1e3,
                ours / theirs, oursMem - base, fftwMem - base);
  }
  return 0;
}
