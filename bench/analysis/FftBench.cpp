// ComplexFftCore against FFTW at the lengths users meet: powers of two, the
// editor's 16,384, 48,000, 10^6, 3 * 2^20, the 20,971,520 of the longest
// waveform, and primes. FFTW runs in its fastest layout for the data
// (interleaved complex, the faster of in place and out of place), with the
// plan made outside the timing; ours is timed as its callers call it, in
// place on split arrays, with whatever planning the call does.
#include "analysis/fft/Fft.h"
#include "bench/BenchCommon.h"

#include <fftw3.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr double kGoal = 1.5;

struct FftwPair {
  fftw_plan inPlace = nullptr, outOfPlace = nullptr;
};

FftwPair Plans(int n, fftw_complex* a, fftw_complex* b, unsigned flags) {
  return {fftw_plan_dft_1d(n, a, a, FFTW_FORWARD, flags),
          fftw_plan_dft_1d(n, a, b, FFTW_FORWARD, flags)};
}

}  // namespace

int main() {
  const int lengths[] = {1024,    16384,    48000, 65536, 1000000, 1048576,
                         3145728, 20971520, 10007, 65537, 1000003};
  fftw_set_timelimit(20.0);  // MEASURE planning of the longest lengths
  for (const int n : lengths) {
    std::vector<double> sourceRe(n), sourceIm(n), re(n), im(n);
    std::mt19937 gen(n);
    std::uniform_real_distribution<double> d(-1, 1);
    for (int k = 0; k < n; ++k) {
      sourceRe[k] = d(gen);
      sourceIm[k] = d(gen);
    }
    auto* a = static_cast<fftw_complex*>(fftw_malloc(sizeof(fftw_complex) * n));
    auto* b = static_cast<fftw_complex*>(fftw_malloc(sizeof(fftw_complex) * n));
    const FftwPair estimate = Plans(n, a, b, FFTW_ESTIMATE);
    const FftwPair measure = Plans(n, a, b, FFTW_MEASURE);
    auto fill = [&] {
      std::memcpy(re.data(), sourceRe.data(), sizeof(double) * n);
      std::memcpy(im.data(), sourceIm.data(), sizeof(double) * n);
      for (int k = 0; k < n; ++k) {
        a[k][0] = sourceRe[k];
        a[k][1] = sourceIm[k];
      }
    };
    fill();
    const double first = bench::Seconds([&] { SgCore::ComplexFftCore(re.data(), im.data(), n); });
    const auto t = bench::BestInTurn(
        bench::RunsFor(n), fill, [&] { SgCore::ComplexFftCore(re.data(), im.data(), n); },
        [&] { fftw_execute(estimate.inPlace); }, [&] { fftw_execute(estimate.outOfPlace); },
        [&] { fftw_execute(measure.inPlace); }, [&] { fftw_execute(measure.outOfPlace); });
    const double ours = t[0], fftwEstimate = std::min(t[1], t[2]),
                 fftwMeasure = std::min(t[3], t[4]);
    bench::Detail(
        "fft %d: ours %.4f ms (first call %.4f ms), FFTW estimate %.4f ms "
        "(in place %.4f, out of place %.4f), measure %.4f ms",
        n, ours * 1e3, first * 1e3, fftwEstimate * 1e3, t[1] * 1e3, t[2] * 1e3, fftwMeasure * 1e3);
    const std::string path = "fft/complex/" + std::to_string(n);
    bench::Report(path + "/fftw-estimate", ours / fftwEstimate, kGoal);
    bench::ReportInformation(path + "/fftw-measure", ours / fftwMeasure);
    for (const FftwPair& p : {estimate, measure}) {
      fftw_destroy_plan(p.inPlace);
      fftw_destroy_plan(p.outOfPlace);
    }
    fftw_free(a);
    fftw_free(b);
  }
  return 0;
}
