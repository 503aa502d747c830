#include "tools/StandardShapes.h"

#include "analysis/facade/SgAnalysis.h"
#include "tools/VectorState.h"
#include "waveform/NumberHelpers.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <ctime>

const ShapeInfo kShapes[kShapeCount] = {
#define PELMORAN_SHAPE_INFO(code, text, button, bitmap, tip, label1, mark1, label2, mark2, param1, \
                            disabled)                                                              \
  {code, text, button, bitmap, tip, label1, mark1, label2, mark2, param1, disabled},
    PELMORAN_STANDARD_SHAPES(PELMORAN_SHAPE_INFO)
#undef PELMORAN_SHAPE_INFO
};

namespace {

using Samples = SG::CSgScalarVector<double>;

int UnitIndex(int selection) { return selection < 0 ? 0 : selection; }

void Clamp(Samples& v, double low, double high) {
  double* d = v.GetData();
  for (unsigned int i = 0; i < v.GetSize(); ++i) d[i] = std::clamp(d[i], low, high);
}

// Sample i of the result is sample (i + shift) mod length of the period; the
// shift comes from the whole degrees of the phase and is taken modulo the
// length actually built.
void RotateByPhase(Samples& v, double phase, double period) {
  const unsigned int length = v.GetSize();
  if (length == 0) return;
  const int degrees = static_cast<int>(phase) % 360;
  const long long shift = static_cast<long long>(degrees * period / 360.0) % length;
  if (shift <= 0) return;
  std::rotate(v.GetData(), v.GetData() + shift, v.GetData() + length);
}

// The offset added, then every sample limited to -limit .. limit; nothing at
// all when the offset is 0.
void AddOffset(Samples& v, double offset, double limit) {
  if (offset == 0.0) return;
  double* d = v.GetData();
  for (unsigned int i = 0; i < v.GetSize(); ++i) d[i] = std::clamp(d[i] + offset, -limit, limit);
}

// The period continued to exactly n samples (zeros when nothing was built).
void Continue(Samples& period, unsigned int n) {
  const unsigned int length = period.GetSize();
  if (length == n) return;
  Samples out(n);
  if (length > 0) {
    const double* p = period.GetData();
    double* d = out.GetData();
    for (unsigned int i = 0; i < n;) {
      const unsigned int run = std::min(length, n - i);
      std::copy(p, p + run, d + i);
      i += run;
    }
  }
  period = std::move(out);
}

void Ramp(Samples& piece, double count, double first, double last) {
  SG::RampPattern(piece, static_cast<int>(count), first, last);
}

void BuildRamp(Samples& v, double period, double A, double symmetry) {
  const double s = symmetry / 100.0;
  const double rise = (period / 2.0) * s;
  const double fall = (1.0 - s) * period;
  Samples rise1, falling, rise2;
  if (rise > 2.0) Ramp(rise1, rise, 0.0, A);
  if (fall > 2.0) Ramp(falling, fall, A, -A);
  if (rise > 2.0) Ramp(rise2, rise, -A, 0.0);
  v.SetSize(0, FALSE);
  v.Append(rise1).Append(falling).Append(rise2);
}

void BuildPulse(Samples& v, double period, double A, double width, double edge) {
  if (edge == 0.0) {
    SG::PulsePattern(v, static_cast<int>(period), A, 0, static_cast<int>(period * width / 100.0));
    return;
  }
  const double e = edge / 100.0 * period;
  const double w = period * width / 100.0;
  const double top = w - e;
  const double bottom = (period - w) - e;
  Samples up, high, down, low;
  Ramp(up, e, 0.0, A);
  if (top > 1.0) Ramp(high, top, A, A);
  Ramp(down, e, A, 0.0);
  if (bottom > 1.0) Ramp(low, bottom, 0.0, 0.0);
  v.SetSize(0, FALSE);
  v.Append(up).Append(high).Append(down).Append(low);
}

void BuildSinc(Samples& v, double period, double A, double crossings) {
  const double half = period / 2.0;
  const double dt = 1.0 / (half / crossings);
  SG::SincPattern(v, static_cast<int>(half), A, 0.0, dt);
  const Samples right(v);
  v.Reverse();
  v.Append(right);
}

void BuildExponential(Samples& v, double period, double A, double factor, bool rise) {
  v.SetSize(static_cast<unsigned int>(period), TRUE);
  double* d = v.GetData();
  for (unsigned int i = 0; i < v.GetSize(); ++i) {
    const double e = A * std::exp(-factor * i / period);
    d[i] = rise ? A - e : e;
  }
}

void SetWorking(SG::CSgScalarVector<float>* working, const Samples& v) {
  if (working) working->Assign(v.GetData(), v.GetSize());
}

}  // namespace

double OffsetInAmplitudeUnit(double offset, int amplitudeUnit, int offsetUnit) {
  const int u = UnitIndex(amplitudeUnit), w = UnitIndex(offsetUnit);
  if (u == 0 && w == 1) return offset / 1000.0;
  if (u == 1 && w == 0) return offset * 1000.0;
  return offset;
}

double OutputLimit(int amplitudeUnit) { return 10.0 * IntPow(10.0, 3 * UnitIndex(amplitudeUnit)); }

ShapeOutcome BuildStandardShape(const ShapeSettings& s, Samples& samples,
                                SG::CSgScalarVector<float>* working) {
  const unsigned int N = s.points, M = s.cycles;
  const double f = static_cast<double>(M) / static_cast<double>(N);
  const double P = (M >= 2 && N > M) ? static_cast<double>(N / M) : static_cast<double>(N);
  const double L = OutputLimit(s.amplitudeUnit);
  const double offset = OffsetInAmplitudeUnit(s.offset, s.amplitudeUnit, s.offsetUnit);
  const double A = s.amplitude / 2.0;
  const bool hasParameter = s.shape == kShapeSquare || s.shape == kShapeRamp ||
                            s.shape == kShapePulse || s.shape == kShapeSinc;
  if (s.shape < 0 || s.shape >= kShapeCount) return ShapeOutcome::UnknownShape;
  if (hasParameter && s.param1 < 0) return ShapeOutcome::NegativeParameter;

  ClearUpperVectorState();
  // The shapes over all points are built where they are kept (a long
  // waveform's samples are not allocated anew on every keystroke).
  Samples& all = samples;
  switch (s.shape) {
    case kShapeSine:
    case kShapeSquare: {
      double phase = s.phase;  // the routines advance their own copy
      if (s.shape == kShapeSine)
        SG::SineWave(all, static_cast<int>(N), &phase, A, f);
      else
        SG::SquareWave(all, static_cast<int>(N), &phase, A, f, s.param1);
      SetWorking(working, all);
      AddOffset(all, offset, L);
      return ShapeOutcome::Built;
    }
    case kShapeNoise: {
      std::srand(static_cast<unsigned int>(std::time(nullptr)));
      SG::GaussianNoise(all, static_cast<int>(N), A / 3.0, std::rand() % 100 + 1);
      SetWorking(working, all);
      double* d = all.GetData();
      for (unsigned int i = 0; i < all.GetSize(); ++i)
        d[i] = std::clamp(std::clamp(d[i], -A, A) + offset, -L, L);
      return ShapeOutcome::Built;
    }
    case kShapeDC:
      all.SetSize(N, TRUE);
      all.Fill(std::clamp(offset, -L, L));
      if (working) working->SetSize(N, FALSE);
      return ShapeOutcome::Built;
    case kShapeNone: all.SetSize(N, FALSE); return ShapeOutcome::Built;
    default: break;
  }
  // The shapes built one period at a time.
  Samples v;
  if (s.shape == kShapeRamp) {
    BuildRamp(v, P, A, s.param1);
    Clamp(v, -A, A);
    RotateByPhase(v, s.phase, P);
  } else if (s.shape == kShapePulse) {
    BuildPulse(v, P, A, s.param1, s.param2);
    RotateByPhase(v, s.phase, P);
    Clamp(v, -A, A);
  } else if (s.shape == kShapeSinc) {
    BuildSinc(v, P, A, s.param1);
    RotateByPhase(v, s.phase, P);
  } else {
    BuildExponential(v, P, A, s.param1, s.shape == kShapeExpRise);
    RotateByPhase(v, s.phase, P);
  }
  SetWorking(working, v);
  AddOffset(v, offset, L);
  Continue(v, N);
  samples = std::move(v);
  return ShapeOutcome::Built;
}
