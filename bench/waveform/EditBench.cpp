// Cut, Undo and Redo on 20,971,520 samples against the cheapest thing that
// could restore a waveform: one memcpy of its samples. Our commands copy
// into arrays they allocate fresh, advised onto huge pages as every array
// of samples is (containers/SgAllocate.h), so the anchor does too: malloc,
// the same advice, memcpy, free. Beside it, the same memcpy into a buffer
// that already exists. Ours and the anchors alternate in one process; the
// minimum of the runs counts. Then what one step of the history costs, from
// the process's resident size, and the bytes per sample a waveform of that
// length holds once a producer has opened it, and at the peak of opening
// (the record's share; the view adds its own), from the process's resident
// size.
#include "containers/SgAllocate.h"
#include "waveform/EditOps.h"
#include "waveform/WaveCollections.h"
#include "bench/BenchCommon.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>
#include <vector>


namespace {

using Clock = std::chrono::steady_clock;
constexpr unsigned int kSamples = 20971520;
constexpr int kRuns = 9;

double Ms(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// A waveform as a file reader opens it: the samples, the display.
CWaveData Opened(const std::vector<float>& values) {
  CWaveData wave;
  wave.thedata.SetSize(kSamples, TRUE);
  std::memcpy(wave.thedata.GetData(), values.data(), sizeof(float) * kSamples);
  wave.pointcount = wave.samplecount = static_cast<int>(kSamples);
  wave.wavename = "long";
  DisplayDecimation(wave);
  return wave;
}

}  // namespace

int main() {
  std::vector<float> values(kSamples);
  for (unsigned int i = 0; i < kSamples; ++i)
    values[i] = static_cast<float>(std::sin(i * 0.001) + ((i * 2654435761u) >> 28) * 0.01);

  // Opening: what the store holds per sample, and the peak on the way.
  const bench::ResidentPerSample opened =
      bench::MeasureResident(kSamples, [&] { g_WaveArray.Add(Opened(values)); });
  const double held = opened.settled, peak = opened.peak;
  g_WaveArray.RemoveAll();

  std::vector<float> target(kSamples, 1.0f);              // the reused anchor's buffer, touched
  const waveform::EditCursors selection{1000.0, 2000.0};  // samples 5000..9999
  double best = 1e300, bestCut = 0, bestUndo = 0, bestRedo = 0;
  double anchor = 1e300, reused = 1e300;
  volatile float sink = 0;
  for (int run = 0; run < kRuns; ++run) {
    auto entry = std::make_unique<WaveEntry>(Opened(values));
    auto start = Clock::now();
    waveform::CutOrDelete(*entry, selection, waveform::CutKind::Cut);
    const double cut = Ms(start);
    start = Clock::now();
    waveform::Undo(*entry);
    const double undo = Ms(start);
    start = Clock::now();
    waveform::Redo(*entry);
    const double redo = Ms(start);
    if (cut + undo + redo < best) {
      best = cut + undo + redo;
      bestCut = cut;
      bestUndo = undo;
      bestRedo = redo;
    }
    entry.reset();

    start = Clock::now();
    auto* copy = static_cast<float*>(std::malloc(sizeof(float) * kSamples));
    SG::AdviseHugePages(copy, sizeof(float) * kSamples);
    std::memcpy(copy, values.data(), sizeof(float) * kSamples);
    sink = sink + copy[kSamples / 2];
    std::free(copy);
    anchor = std::min(anchor, Ms(start));

    start = Clock::now();
    std::memcpy(target.data(), values.data(), sizeof(float) * kSamples);
    reused = std::min(reused, Ms(start));
  }
  if (target[12345] != values[12345]) return 1;

  // One recorded step: the resident size a cut adds and keeps (the samples
  // from before it, now in the history), per sample of the waveform.
  double step = 0.0;
  {
    auto entry = std::make_unique<WaveEntry>(Opened(values));
    step = bench::MeasureResident(kSamples, [&] {
             waveform::CutOrDelete(*entry, selection, waveform::CutKind::Cut);
           }).settled;
  }

  std::printf("%u samples: cut %.2f ms, undo %.2f ms, redo %.2f ms\n", kSamples, bestCut, bestUndo,
              bestRedo);
  std::printf("one memcpy into a new advised array %.2f ms, into an existing one %.2f ms\n", anchor,
              reused);
  std::printf("opened: %.2f bytes per sample held, %.2f at the peak of opening\n", held, peak);
  std::printf("one step of the history: %.2f bytes per sample (%.1f MiB)\n", step,
              step * kSamples / 1048576.0);
  bench::Report("cut+undo+redo/memcpy", best / anchor, 4);
  // The anchor reusing a warm buffer, which an edit's new array cannot: for
  // information, beside the line that counts.
  bench::ReportInformation("cut+undo+redo/memcpy-into-existing", best / reused);
  std::printf("history-step-bytes-per-sample %.2f report\n", step);
  std::printf("open-held-bytes-per-sample %.2f report\n", held);
  std::printf("open-peak-bytes-per-sample %.2f report\n", peak);
  return 0;
}
