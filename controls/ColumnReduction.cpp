#include "controls/ColumnReduction.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace hosted {
namespace {

// Vectors of 32 bytes: two AVX registers' worth of lanes in the AVX2 build,
// split in halves in the baseline one.
template <class T>
struct Lanes {
  typedef T V __attribute__((vector_size(32)));
  static constexpr size_t kCount = 32 / sizeof(T);
};

// Independent lanes, branch-free, written as vectors so that they become
// packed min/max; the lanes are folded at the end. `v < m ? v : m` keeps m
// when v is a NaN, as the scalar comparison does.
template <class T>
__attribute__((always_inline)) inline void Extent(const T* __restrict p, size_t n, T& lo, T& hi) {
  // The lanes start from the first sample: a leading NaN would stick in them
  // and hide the column's peaks (later NaNs lose every comparison).
  while (n > 1 && p[0] != p[0]) ++p, --n;
  using V = typename Lanes<T>::V;
  constexpr size_t kLanes = Lanes<T>::kCount;
  V mn[2], mx[2];
  for (V* v : {mn, mx}) v[0] = v[1] = V{} + p[0];
  size_t i = 0;
  for (; i + 2 * kLanes <= n; i += 2 * kLanes)
    for (int k = 0; k < 2; ++k) {
      V v;
      std::memcpy(&v, p + i + k * kLanes, sizeof v);
      mn[k] = v < mn[k] ? v : mn[k];
      mx[k] = v > mx[k] ? v : mx[k];
    }
  T l = p[0], h = p[0];
  for (int k = 0; k < 2; ++k)
    for (size_t j = 0; j < kLanes; ++j) {
      l = mn[k][j] < l ? mn[k][j] : l;
      h = mx[k][j] > h ? mx[k][j] : h;
    }
  for (; i < n; ++i) {
    l = p[i] < l ? p[i] : l;
    h = p[i] > h ? p[i] : h;
  }
  lo = l;
  hi = h;
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
