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
  // FFTW's split-array DFT is forward as (ri, ii) -> (ro, io); in place here.
  return fftw_plan_guru_split_dft(1, &dim, 0, nullptr, re, im, re, im, FFTW_ESTIMATE);
}

}  // namespace

int main() {
  const int lengths[] = {1 << 14, 1 << 20, 1 << 24, 20971520, 1000003};
  // Memory first, each in a fresh child, before the parent has run anything.
  double oursMem[5], fftwMem[5];
  for (int i = 0; i < 5; ++i) {
    const int n = lengths[i];
    std::vector<double> re, im;
    auto setup = [&] {
      re.resize(n);
      im.resize(n);
      Fill(re, im);
    };
    oursMem[i] =
        bench::ChildPeakMiB(setup, [&] { SgCore::ComplexFftCore(re.data(), im.data(), n); });
    fftwMem[i] = bench::ChildPeakMiB(setup, [&] {
      fftw_plan p = SplitPlan(n, re.data(), im.data());
      fftw_execute(p);
      fftw_destroy_plan(p);
    });
  }
  std::printf("%-12s %12s %12s %8s %14s %14s\n", "length", "ours ms", "fftw ms", "ratio",
              "ours +MiB", "fftw +MiB");
  for (int i = 0; i < 5; ++i) {
    const int n = lengths[i];
    std::vector<double> re(n), im(n);
    const int reps = bench::RepsFor(n);
    const double ours = bench::BestSeconds(
        reps, [&] { Fill(re, im); }, [&] { SgCore::ComplexFftCore(re.data(), im.data(), n); });
    fftw_plan plan = SplitPlan(n, re.data(), im.data());
    const double theirs = bench::BestSeconds(
        reps, [&] { Fill(re, im); }, [&] { fftw_execute(plan); });
    fftw_destroy_plan(plan);
    std::printf("%-12d %12.3f %12.3f %8.2f %14.1f %14.1f\n", n, ours * 1e3, theirs * 1e3,
                ours / theirs, oursMem[i], fftwMem[i]);
  }
  return 0;
}
