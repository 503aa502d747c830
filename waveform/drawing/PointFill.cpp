#include "waveform/drawing/PointFill.h"

#include "analysis/facade/SgAnalysis.h"

#include <algorithm>
#include <utility>

namespace drawing {

void SortSplinePoints(PointList& points) {
  const size_t n = points.size();
  for (size_t i = 1; i < n; ++i)
    for (size_t j = i + 1; j < n; ++j)
      if (points[j].index < points[i].index) {
        std::swap(points[i].index, points[j].index);
        std::swap(points[i].value, points[j].value);
        std::swap(points[i].name, points[j].name);
      }
}

unsigned int FilledLength(const PointList& points) {
  if (points.empty() || points.back().index < 0) return 0;
  return static_cast<unsigned int>(points.back().index) + 1u;
}

void FillLinear(SG::CSgScalarVector<double>& result, const PointList& points) {
  SG::CSgScalarVector<double> filled(FilledLength(points), 0.0);
  double* out = filled.GetData();
  const long long size = filled.GetSize();
  for (size_t i = 0; i + 1 < points.size(); ++i) {
    const long long c = points[i].index, d = points[i + 1].index;
    const double a = points[i].value, b = points[i + 1].value;
    for (long long s = std::max(c + 1, 0LL); s <= d && s < size; ++s)
      out[s] = a + static_cast<double>(s - c) * (b - a) / static_cast<double>(d - c);
  }
  if (size > 0) out[0] = 0.0;
  result = std::move(filled);
}

void FillSpline(SG::CSgScalarVector<double>& result, const PointList& points) {
  const unsigned int n = static_cast<unsigned int>(points.size());
  SG::CSgScalarVector<double> x(n), y(n), secondDerivatives;
  for (unsigned int i = 0; i < n; ++i) {
    x[i] = points[i].index;
    y[i] = points[i].value;
  }
  SG::SplineSecondDerivatives(x, y, 0.0, 0.0, secondDerivatives);
  SG::CSgScalarVector<double> filled(FilledLength(points), 0.0);
  double* out = filled.GetData();
  const long long size = filled.GetSize();
  for (unsigned int q = 0; q + 1 < n; ++q)
    for (long long s = std::max(points[q].index + 1LL, 1LL); s <= points[q + 1].index && s < size;
         ++s)
      SG::SplineInterpolate(x, y, secondDerivatives, static_cast<double>(s), &out[s]);
  result = std::move(filled);
}

SG::CSgScalarVector<float> PointWave(const SG::CSgScalarVector<double>& filled, unsigned int length,
                                     double half) {
  SG::CSgScalarVector<float> wave(length, 0.0f);
  const unsigned int m = std::min(length, filled.GetSize());
  const double* in = filled.GetData();
  float* out = wave.GetData();
  for (unsigned int i = 0; i < m; ++i) {
    const double v = in[i];
    out[i] = static_cast<float>(v >= half ? half : v <= -half ? -half : v == v ? v : 0.0);
  }
  return wave;
}

}  // namespace drawing
