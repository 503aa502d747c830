#include "controls/ColumnReduction.h"

#include <algorithm>
#include <cmath>

namespace hosted {
namespace {

// Independent lanes, branch-free, so that the compiler makes packed min/max
// of them; the lanes are folded at the end.
template <class T>
void Extent(const T* __restrict p, size_t n, T& lo, T& hi) {
  // The lanes start from the first sample: a leading NaN would stick in them
  // and hide the column's peaks (later NaNs lose every comparison).
  while (n > 1 && p[0] != p[0]) ++p, --n;
  constexpr size_t kLanes = 32 / sizeof(T) * 2;
  T mn[kLanes], mx[kLanes];
  for (size_t k = 0; k < kLanes; ++k) mn[k] = mx[k] = p[0];
  size_t i = 0;
  for (; i + kLanes <= n; i += kLanes) {
    for (size_t k = 0; k < kLanes; ++k) {
      const T v = p[i + k];
      mn[k] = v < mn[k] ? v : mn[k];
      mx[k] = v > mx[k] ? v : mx[k];
    }
  }
  for (; i < n; ++i) {
    mn[0] = p[i] < mn[0] ? p[i] : mn[0];
    mx[0] = p[i] > mx[0] ? p[i] : mx[0];
  }
  for (size_t k = 1; k < kLanes; ++k) {
    mn[0] = mn[k] < mn[0] ? mn[k] : mn[0];
    mx[0] = mx[k] > mx[0] ? mx[k] : mx[0];
  }
  lo = mn[0];
  hi = mx[0];
}

// copy: when given, the samples are first copied there chunk by chunk and
// summarised from the copy while it is still in the cache.
template <class T>
void Reduce(const T* values, size_t count, double first, double step, double xMin, double xMax,
            int width, std::vector<ColumnExtent>& out, T* copy = nullptr) {
  size_t begin = 0, end = 0;
  VisibleRange(count, first, step, xMin, xMax, &begin, &end);
  if (copy) {
    if (begin >= end) begin = end = count;
    std::copy(values, values + begin, copy);
    std::copy(values + end, values + count, copy + end);
  }
  if (begin >= end) return;
  const double perColumn = (xMax - xMin) / width;
  size_t a = begin;
  for (int c = 0; c < width && a < end; ++c) {
    // The first sample of the next column.
    const double edge = (xMin + (c + 1) * perColumn - first) / step;
    size_t b =
        c + 1 == width ? end : static_cast<size_t>(std::clamp(std::ceil(edge), 0.0, double(end)));
    if (b <= a) continue;
    const T* chunk = values + a;
    if (copy) {
      std::copy(chunk, chunk + (b - a), copy + a);
      chunk = copy + a;
    }
    T lo, hi;
    Extent(chunk, b - a, lo, hi);
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

// The passes below are also built for AVX2 and picked at load time: twice the
// lanes, and VEX code pays nothing for upper vector state that earlier library
// calls left dirty. Sanitizer runtimes are not ready when the clone resolver
// runs, so sanitized builds keep the baseline only.
#if defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer)
#define SG_REDUCE_SANITIZED 1
#endif
#endif
#if defined(__x86_64__) && !defined(__SANITIZE_THREAD__) && !defined(__SANITIZE_ADDRESS__) && \
    !defined(SG_REDUCE_SANITIZED)
#define SG_REDUCE_CLONES __attribute__((target_clones("arch=x86-64-v3", "default"), flatten))
#else
#define SG_REDUCE_CLONES
#endif

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

SG_REDUCE_CLONES std::vector<ColumnExtent> ReduceColumns(const SampleData& data, double first,
                                                         double step, double xMin, double xMax,
                                                         int width) {
  std::vector<ColumnExtent> out(width > 0 ? width : 0);
  if (width <= 0) return out;
  std::visit(
      [&](const auto& v) { Reduce(v.data(), v.size(), first, step, xMin, xMax, width, out); },
      data.values);
  return out;
}

namespace {
template <class T>
void CopyAndReduceT(const T* source, size_t count, std::vector<T>& target, ColumnCache& cache) {
  target.resize(count);
  cache.columns.assign(cache.width > 0 ? cache.width : 0, ColumnExtent{});
  Reduce(source, count, cache.first, cache.step, cache.xMin, cache.xMax, cache.width, cache.columns,
         target.data());
}
}  // namespace

SG_REDUCE_CLONES void CopyAndReduce(const float* source, size_t count, std::vector<float>& target,
                                    ColumnCache& cache) {
  CopyAndReduceT(source, count, target, cache);
}
SG_REDUCE_CLONES void CopyAndReduce(const double* source, size_t count, std::vector<double>& target,
                                    ColumnCache& cache) {
  CopyAndReduceT(source, count, target, cache);
}

}  // namespace hosted
