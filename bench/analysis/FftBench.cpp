// ComplexFftCore against FFTW at the lengths users meet: powers of two, the
// editor's 16,384, 48,000, 10^6, 3 * 2^20, the 20,971,520 of the longest
// waveform, and primes. Each length is measured alone, in processes of its
// own (this program started again with --length), as a user meets it:
// - the first call: ours, planning included, the first transform of the
//   process; FFTW's plan (ESTIMATE) plus its execution, in place, the first
//   of its process (each in a process of its own, the data made untimed);
// - the steady figure: ours as its callers call it, in place on split
//   arrays, against FFTW ESTIMATE in its fastest layout for the data
//   (interleaved complex, the faster of in place and out of place) with the
//   plan made outside the timing, called in turn; FFTW MEASURE beside it
//   for information.
// The best of the processes counts.
#include "analysis/fft/Fft.h"
#include "bench/BenchCommon.h"

#include <fftw3.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr double kGoal = 1.5;
constexpr double kFirstGoal = 1.0;
constexpr int kProcesses = 3;

struct FftwPair {
  fftw_plan inPlace = nullptr, outOfPlace = nullptr;
};

FftwPair Plans(int n, fftw_complex* a, fftw_complex* b, unsigned flags) {
  return {fftw_plan_dft_1d(n, a, a, FFTW_FORWARD, flags),
          fftw_plan_dft_1d(n, a, b, FFTW_FORWARD, flags)};
}

void Destroy(const FftwPair& p) {
  fftw_destroy_plan(p.inPlace);
  fftw_destroy_plan(p.outOfPlace);
}

// The data of one length, made untimed.
struct Data {
  explicit Data(int n) : n(n), sourceRe(n), sourceIm(n), re(n), im(n) {
    std::mt19937 gen(n);
    std::uniform_real_distribution<double> d(-1, 1);
    for (int k = 0; k < n; ++k) {
      sourceRe[k] = d(gen);
      sourceIm[k] = d(gen);
    }
    a = static_cast<fftw_complex*>(fftw_malloc(sizeof(fftw_complex) * n));
    b = static_cast<fftw_complex*>(fftw_malloc(sizeof(fftw_complex) * n));
    Fill();
    std::memset(b, 0, sizeof(fftw_complex) * n);
  }
  ~Data() {
    fftw_free(a);
    fftw_free(b);
  }
  void Fill() {
    std::memcpy(re.data(), sourceRe.data(), sizeof(double) * n);
    std::memcpy(im.data(), sourceIm.data(), sizeof(double) * n);
    for (int k = 0; k < n; ++k) {
      a[k][0] = sourceRe[k];
      a[k][1] = sourceIm[k];
    }
  }
  int n;
  std::vector<double> sourceRe, sourceIm, re, im;
  fftw_complex *a = nullptr, *b = nullptr;
};

// One process, ours first: prints "first steady estimate measure" seconds
// (measure 0 when not asked for).
int OursFirst(int n, bool measure) {
  Data data(n);
  const double first =
      bench::Seconds([&] { SgCore::ComplexFftCore(data.re.data(), data.im.data(), n); });
  const FftwPair estimate = Plans(n, data.a, data.b, FFTW_ESTIMATE);
  const auto t = bench::BestInTurn(
      bench::RunsFor(n), [&] { data.Fill(); },
      [&] { SgCore::ComplexFftCore(data.re.data(), data.im.data(), n); },
      [&] { fftw_execute(estimate.inPlace); }, [&] { fftw_execute(estimate.outOfPlace); });
  Destroy(estimate);
  double measured = 0;
  if (measure) {
    fftw_set_timelimit(20.0);
    const FftwPair best = Plans(n, data.a, data.b, FFTW_MEASURE);
    const auto m = bench::BestInTurn(
        bench::RunsFor(n), [&] { data.Fill(); }, [&] { fftw_execute(best.inPlace); },
        [&] { fftw_execute(best.outOfPlace); });
    measured = std::min(m[0], m[1]);
    Destroy(best);
  }
  std::printf("%.9f %.9f %.9f %.9f\n", first, t[0], std::min(t[1], t[2]), measured);
  return 0;
}

// One process, FFTW first: prints the seconds of its plan plus execution.
int FftwFirst(int n) {
  Data data(n);
  const double first = bench::Seconds([&] {
    fftw_plan p = fftw_plan_dft_1d(n, data.a, data.a, FFTW_FORWARD, FFTW_ESTIMATE);
    fftw_execute(p);
    fftw_destroy_plan(p);
  });
  std::printf("%.9f\n", first);
  return 0;
}

// Runs this program again with `arguments`; false when it failed.
bool Child(const std::string& self, const std::string& arguments, double* values, int count) {
  std::fflush(nullptr);
  FILE* child = popen((self + " " + arguments).c_str(), "r");
  if (!child) return false;
  bool read = true;
  for (int i = 0; i < count; ++i) read = read && std::fscanf(child, "%lf", &values[i]) == 1;
  return pclose(child) == 0 && read;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::strcmp(argv[1], "--length") == 0) {
    const int n = std::atoi(argv[2]);
    if (std::strcmp(argv[3], "fftw") == 0) return FftwFirst(n);
    return OursFirst(n, std::strcmp(argv[3], "ours+measure") == 0);
  }
  char self[4096] = {};
  if (readlink("/proc/self/exe", self, sizeof self - 1) <= 0) return 1;
  const int lengths[] = {1024,    16384,    48000, 65536, 1000000, 1048576,
                         3145728, 20971520, 10007, 65537, 1000003};
  for (const int n : lengths) {
    double first = 1e300, fftwFirst = 1e300, ours = 1e300, estimate = 1e300, measure = 1e300;
    for (int p = 0; p < kProcesses; ++p) {
      const std::string length = "--length " + std::to_string(n);
      double v[4];
      if (!Child(self, length + (p == 0 ? " ours+measure" : " ours"), v, 4)) return 1;
      first = std::min(first, v[0]);
      ours = std::min(ours, v[1]);
      estimate = std::min(estimate, v[2]);
      if (p == 0) measure = v[3];
      if (!Child(self, length + " fftw", v, 1)) return 1;
      fftwFirst = std::min(fftwFirst, v[0]);
    }
    bench::Detail(
        "fft %d alone: ours %.4f ms, FFTW estimate %.4f ms, measure %.4f ms; "
        "first call ours %.4f ms, FFTW plan + execute %.4f ms",
        n, ours * 1e3, estimate * 1e3, measure * 1e3, first * 1e3, fftwFirst * 1e3);
    const std::string path = "fft/complex/" + std::to_string(n);
    bench::Report(path + "/fftw-estimate", ours / estimate, kGoal);
    bench::Report(path + "/first-call/fftw-plan+execute", first / fftwFirst, kFirstGoal);
    bench::ReportInformation(path + "/fftw-measure", ours / measure);
  }
  return 0;
}
