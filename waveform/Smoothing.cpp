#include "waveform/Smoothing.h"

#include "waveform/RecordedEdit.h"

#include <algorithm>
#include <cmath>

namespace waveform {

namespace {

// The sum of the samples in the window. It keeps the bits each addition
// loses (Neumaier), so that a huge sample leaving the window leaves no error
// behind for its neighbours, and counts infinities and NaNs apart, so that
// one of them spoils only the windows it is in, as a plain sum would.
class WindowSum {
 public:
  void Enter(float x) { Change(x, +1); }
  void Leave(float x) { Change(x, -1); }

  double Mean(unsigned int count) const {
    if (nan_ > 0 || (up_ > 0 && down_ > 0)) return std::nan("");
    if (up_ > 0) return HUGE_VAL;
    if (down_ > 0) return -HUGE_VAL;
    return (sum_ + lost_) / count;
  }

 private:
  void Change(float sample, int sign) {
    if (std::isnan(sample)) {
      nan_ += sign;
    } else if (std::isinf(sample)) {
      (sample > 0 ? up_ : down_) += sign;
    } else {
      const double x = sign * static_cast<double>(sample);
      const double t = sum_ + x;
      lost_ += std::fabs(sum_) >= std::fabs(x) ? (sum_ - t) + x : (x - t) + sum_;
      sum_ = t;
    }
  }

  double sum_ = 0.0;
  double lost_ = 0.0;
  int nan_ = 0, up_ = 0, down_ = 0;
};

// out[i] = mean of in[i - h .. i + h], h = min(half, i, n - 1 - i).
void CentredAverage(const float* in, float* out, unsigned int n, unsigned int half) {
  WindowSum window;
  unsigned int lo = 0, hi = 0;  // the window in the sum: lo..hi-1
  for (unsigned int i = 0; i < n; ++i) {
    const unsigned int h = std::min({half, i, n - 1 - i});
    // Both ends only move forward: lo = i - h and hi = i + h + 1 never drop.
    for (; hi < i + h + 1; ++hi) window.Enter(in[hi]);
    for (; lo < i - h; ++lo) window.Leave(in[lo]);
    out[i] = static_cast<float>(window.Mean(2 * h + 1));
  }
}

}  // namespace

EditResult Smooth(WaveEntry& entry) {
  const SG::CSgScalarVector<float>& data = entry.record.thedata;
  const unsigned int n = data.GetSize();
  if (n == 0) return {EditStatus::Unchanged, {}};
  RecordedEdit edit(entry);
  SG::CSgScalarVector<float>& result = edit.Result();
  result.SetSize(n, TRUE);
  CentredAverage(data.GetData(), result.GetData(), n, kSmoothHalfWidth);
  edit.Apply();
  return {EditStatus::Done, {}};
}

}  // namespace waveform
