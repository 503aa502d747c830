#include "controls/ColumnReduction.h"

#include <algorithm>
#include <cmath>

namespace hosted {
namespace {

// Kept branch-free so the compiler turns it into packed min/max.
template <class T>
void Extent(const T* p, size_t n, T& lo, T& hi) {
  T mn = p[0], mx = p[0];
  for (size_t i = 1; i < n; ++i) {
    const T v = p[i];
    mn = v < mn ? v : mn;
    mx = v > mx ? v : mx;
  }
  lo = mn;
  hi = mx;
}

template <class T>
void Reduce(const std::vector<T>& values, double first, double step, double xMin, double xMax, int width,
            std::vector<ColumnExtent>& out) {
  size_t begin = 0, end = 0;
  VisibleRange(values.size(), first, step, xMin, xMax, &begin, &end);
  if (begin >= end) return;
  const double perColumn = (xMax - xMin) / width;
  size_t a = begin;
  for (int c = 0; c < width && a < end; ++c) {
    // The first sample of the next column.
    const double edge = (xMin + (c + 1) * perColumn - first) / step;
    size_t b = c + 1 == width ? end : static_cast<size_t>(std::clamp(std::ceil(edge), 0.0, double(end)));
    if (b <= a) continue;
    T lo, hi;
    Extent(values.data() + a, b - a, lo, hi);
    ColumnExtent& e = out[c];
    e.first = values[a];
    e.last = values[b - 1];
    e.minimum = lo;
    e.maximum = hi;
    e.used = true;
    a = b;
  }
}

}  // namespace

void VisibleRange(size_t count, double first, double step, double xMin, double xMax, size_t* begin,
                  size_t* end) {
  *begin = *end = 0;
  if (count == 0 || !(step > 0.0) || !(xMax > xMin)) return;
  const double lo = std::ceil((xMin - first) / step);
  const double hi = std::floor((xMax - first) / step);
  if (hi < 0.0 || lo > double(count - 1) || hi < lo) return;
  *begin = static_cast<size_t>(std::max(lo, 0.0));
  *end = static_cast<size_t>(std::min(hi, double(count - 1))) + 1;
}

std::vector<ColumnExtent> ReduceColumns(const SampleData& data, double first, double step, double xMin,
                                        double xMax, int width) {
  std::vector<ColumnExtent> out(width > 0 ? width : 0);
  if (width <= 0) return out;
  std::visit([&](const auto& v) { Reduce(v, first, step, xMin, xMax, width, out); }, data.values);
  return out;
}

}  // namespace hosted
