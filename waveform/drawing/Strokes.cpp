#include "waveform/drawing/Strokes.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace drawing {

unsigned int Stroke::SampleAt(const CWaveData& wave, int p) const {
  const unsigned int n = work_.GetSize();
  if (n == 0 || p <= 0) return 0;
  const unsigned long long k = wave.dispstep > 0 ? static_cast<unsigned>(wave.dispstep) : 1u;
  return static_cast<unsigned int>(std::min<unsigned long long>(p * k, n - 1));
}

bool Stroke::Start(CWaveData& wave) {
  const unsigned int n = wave.thedata.GetSize();
  drawnLo_ = drawnHi_ = 0;
  if (n == 0) {
    work_ = Samples();
    return false;
  }
  if (work_.GetSize() != n) work_.SetSize(n, TRUE);
  std::memcpy(work_.GetData(), wave.thedata.GetData(), sizeof(float) * n);
  return true;
}

void Stroke::RefreshDisplay(CWaveData& wave, unsigned int lo, unsigned int hi) {
  const unsigned int k = wave.dispstep > 0 ? static_cast<unsigned>(wave.dispstep) : 1u;
  const unsigned int length = wave.showdata.GetSize();
  float* show = wave.showdata.GetData();
  const float* work = work_.GetData();
  // Display element j shows sample j * k.
  for (unsigned int j = (lo + k - 1) / k; j < length && j * static_cast<unsigned long long>(k) < hi;
       ++j)
    show[j] = work[j * k];
}

void Stroke::Restore(CWaveData& wave) {
  if (drawnLo_ >= drawnHi_) return;
  std::memcpy(work_.GetData() + drawnLo_, wave.thedata.GetData() + drawnLo_,
              sizeof(float) * (drawnHi_ - drawnLo_));
  RefreshDisplay(wave, drawnLo_, drawnHi_);
  drawnLo_ = drawnHi_ = 0;
}

void Stroke::Put(CWaveData& wave, unsigned int i, double value) {
  work_.GetData()[i] = static_cast<float>(value);
  RefreshDisplay(wave, i, i + 1);
  if (drawnLo_ >= drawnHi_) {
    drawnLo_ = i;
    drawnHi_ = i + 1;
  } else {
    drawnLo_ = std::min(drawnLo_, i);
    drawnHi_ = std::max(drawnHi_, i + 1);
  }
}

bool Stroke::BeginFreehand(CWaveData& wave, int p, double y) {
  if (!Start(wave)) return false;
  const unsigned int i = SampleAt(wave, p);
  Put(wave, i, y);
  anchorX_ = p;
  lastY_ = y;
  // The line to the next point starts from the sample as stored.
  anchorValue_ = work_.GetData()[i];
  return true;
}

bool Stroke::ContinueFreehand(CWaveData& wave, int p, double y) {
  if (work_.GetSize() == 0) return false;
  const unsigned int i = SampleAt(wave, p), a = SampleAt(wave, anchorX_);
  if (i == a) return false;
  const unsigned int d = i > a ? i - a : a - i;
  const double step = (y - lastY_) / (static_cast<double>(i) - static_cast<double>(a));
  double value = anchorValue_;
  for (unsigned int t = 1; t <= d; ++t) {
    value = i > a ? anchorValue_ + step * t : anchorValue_ - step * t;
    Put(wave, i > a ? a + t : a - t, value);
  }
  anchorX_ = p;
  lastY_ = y;
  anchorValue_ = value;  // unrounded, so the stroke stays straight across moves
  return true;
}

bool Stroke::PressHorizontalLine(CWaveData& wave, int p, double y) {
  if (!Start(wave)) return false;
  anchorX_ = p;
  lineY_ = y;
  return true;
}

bool Stroke::DragHorizontalLine(CWaveData& wave, int p) {
  if (work_.GetSize() == 0) return false;
  Restore(wave);
  const unsigned int i = SampleAt(wave, p), a = SampleAt(wave, anchorX_);
  // The press sample is part of the line, the one under the mouse is not.
  const unsigned int lo = i > a ? a : i + 1, hi = i > a ? i : a + 1;
  for (unsigned int s = lo; s < hi && i != a; ++s) Put(wave, s, lineY_);
  return true;
}

bool Stroke::PressVerticalLine(CWaveData& wave, int p) {
  if (!Start(wave)) return false;
  anchorX_ = p;
  return true;
}

bool Stroke::DragVerticalLine(CWaveData& wave, double y) {
  if (work_.GetSize() == 0) return false;
  Restore(wave);
  Put(wave, SampleAt(wave, anchorX_), y);
  return true;
}

bool Stroke::BeginTwoPointLine(CWaveData& wave, int p) {
  if (!Start(wave)) return false;
  lineStart_ = SampleAt(wave, p);
  lineStartValue_ = work_.GetData()[lineStart_];
  return true;
}

bool Stroke::DragTwoPointLine(CWaveData& wave, int p, double y) {
  if (work_.GetSize() == 0) return false;
  const bool restored = drawnLo_ < drawnHi_;
  Restore(wave);
  const unsigned int i = SampleAt(wave, p), a = lineStart_;
  if (i == a) return restored;
  const unsigned int d = i > a ? i - a : a - i;
  const double step = (y - lineStartValue_) / (static_cast<double>(i) - static_cast<double>(a));
  for (unsigned int t = 1; t <= d; ++t)
    Put(wave, i > a ? a + t : a - t,
        i > a ? lineStartValue_ + step * t : lineStartValue_ - step * t);
  return true;
}

}  // namespace drawing
