#include "controls/ColumnReduction.h"
#include "controls/VectorClones.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <immintrin.h>
#endif

namespace hosted {
namespace {

// Vectors of 32 bytes: two AVX registers' worth of lanes in the AVX2 build,
// split in halves in the baseline one.
template <class T>
struct Lanes {
  typedef T V __attribute__((vector_size(32)));
  static constexpr size_t kCount = 32 / sizeof(T);
};

// Folds the lanes of two minimum and two maximum vectors into l and h.
template <class V, class T>
__attribute__((always_inline)) inline void FoldLanes(const V (&mn)[2], const V (&mx)[2], T& l,
                                                     T& h) {
  for (int k = 0; k < 2; ++k)
    for (size_t j = 0; j < sizeof(V) / sizeof(T); ++j) {
      l = mn[k][j] < l ? mn[k][j] : l;
      h = mx[k][j] > h ? mx[k][j] : h;
    }
}

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
  FoldLanes(mn, mx, l, h);
  for (; i < n; ++i) {
    l = p[i] < l ? p[i] : l;
    h = p[i] > h ? p[i] : h;
  }
  lo = l;
  hi = h;
}

// The plot's copy is written with stores that go past the caches: it is
// read again only where the summary cannot serve, while a cached store
// would first fetch every line it writes. These store 64 bytes from `from`
// at `to`, which starts a cache line.
#if defined(__SSE2__)
__attribute__((always_inline)) inline void Stream64(const float* from, float* to) {
  for (int k = 0; k < 16; k += 4) _mm_stream_ps(to + k, _mm_loadu_ps(from + k));
}
__attribute__((always_inline)) inline void Stream64(const double* from, double* to) {
  for (int k = 0; k < 8; k += 2) _mm_stream_pd(to + k, _mm_loadu_pd(from + k));
}
#else
template <class T>
void Stream64(const T* from, T* to) {
  std::memcpy(to, from, 64);
}
#endif

// Makes the streamed stores visible before anyone else reads the copy.
inline void StreamDone() {
#if defined(__SSE2__)
  _mm_sfence();
#endif
}

// The columns of [begin, end): column c holds the samples from where the
// one before it ends to the first sample of the next; empty columns are
// passed over.
class ColumnWalk {
 public:
  ColumnWalk(double first, double step, double xMin, double xMax, int width, size_t begin,
             size_t end)
      : first_(first),
        step_(step),
        xMin_(xMin),
        perColumn_((xMax - xMin) / width),
        width_(width),
        end_(end),
        b_(begin) {}
  // Moves to the next non-empty column; false when there is none.
  bool Next() {
    while (++c_ < width_ && b_ < end_) {
      a_ = b_;
      const double edge = (xMin_ + (c_ + 1) * perColumn_ - first_) / step_;
      b_ = c_ + 1 == width_ ? end_
                            : static_cast<size_t>(std::clamp(std::ceil(edge), 0.0, double(end_)));
      if (b_ > a_) return true;
      b_ = a_;
    }
    return false;
  }
  int column() const { return c_; }
  size_t a() const { return a_; }
  size_t b() const { return b_; }

 private:
  double first_, step_, xMin_, perColumn_;
  int width_;
  size_t end_, a_ = 0, b_;
  int c_ = -1;
};

template <class T>
void Record(ColumnExtent& e, const T* values, size_t a, size_t b, T lo, T hi) {
  e.first = values[a];
  e.last = values[b - 1];
  e.minimum = lo;
  e.maximum = hi;
  e.used = true;
}

template <class T>
void Reduce(const T* values, size_t count, double first, double step, double xMin, double xMax,
            int width, std::vector<ColumnExtent>& out) {
  size_t begin = 0, end = 0;
  VisibleRange(count, first, step, xMin, xMax, &begin, &end);
  ColumnWalk walk(first, step, xMin, xMax, width, begin, end);
  while (walk.Next()) {
    T lo, hi;
    Extent(values + walk.a(), walk.b() - walk.a(), lo, hi);
    Record(out[walk.column()], values, walk.a(), walk.b(), lo, hi);
  }
}

// The same summary while copying every sample to `copy`, in one pass that
// reads each sample once. Whole cache lines of the copy are streamed, and a
// line's samples summarised as vectors when they all fall in one column;
// the few lines across a column's edge go sample by sample.
template <class T>
void CopyAndReduceInto(const T* __restrict values, size_t count, double first, double step,
                       double xMin, double xMax, int width, std::vector<ColumnExtent>& out,
                       T* __restrict copy) {
  size_t begin = 0, end = 0;
  VisibleRange(count, first, step, xMin, xMax, &begin, &end);
  ColumnWalk walk(first, step, xMin, xMax, width, begin, end);
  using V = typename Lanes<T>::V;
  constexpr size_t kLanes = Lanes<T>::kCount, kLine = 2 * kLanes;
  static_assert(kLine * sizeof(T) == 64);
  bool open = false;  // a column is being summarised
  V mn[2], mx[2];
  T l = 0, h = 0;
  // A column starts from its first sample that is a number, as Extent does.
  auto openNext = [&] {
    open = walk.Next();
    if (!open) return;
    size_t s = walk.a();
    while (s + 1 < walk.b() && values[s] != values[s]) ++s;
    l = h = values[s];
    mn[0] = mn[1] = V{} + l;
    mx[0] = mx[1] = V{} + h;
  };
  auto close = [&] {
    FoldLanes(mn, mx, l, h);
    Record(out[walk.column()], values, walk.a(), walk.b(), l, h);
  };
  // Sample i of the visible range into its column.
  auto visit = [&](size_t i) {
    if (i < begin || i >= end) return;
    while (!open || i >= walk.b()) {
      if (open) close();
      openNext();
    }
    l = values[i] < l ? values[i] : l;
    h = values[i] > h ? values[i] : h;
  };
  size_t i = 0;
  const size_t lead =
      std::min(count, (64 - reinterpret_cast<uintptr_t>(copy) % 64) % 64 / sizeof(T));
  for (; i < lead; ++i) copy[i] = values[i], visit(i);
  while (i + kLine <= count) {
    if (open && i >= walk.a() && i + kLine <= walk.b()) {
      // The column's whole lines, in registers.
      const size_t stop = i + (walk.b() - i) / kLine * kLine;
      V mn0 = mn[0], mn1 = mn[1], mx0 = mx[0], mx1 = mx[1];
      for (; i < stop; i += kLine) {
        V v0, v1;
        std::memcpy(&v0, values + i, sizeof v0);
        std::memcpy(&v1, values + i + kLanes, sizeof v1);
        Stream64(values + i, copy + i);
        mn0 = v0 < mn0 ? v0 : mn0;
        mx0 = v0 > mx0 ? v0 : mx0;
        mn1 = v1 < mn1 ? v1 : mn1;
        mx1 = v1 > mx1 ? v1 : mx1;
      }
      mn[0] = mn0, mn[1] = mn1, mx[0] = mx0, mx[1] = mx1;
      continue;
    }
    Stream64(values + i, copy + i);
    if (i + kLine > begin && i < end)
      for (size_t j = i; j < i + kLine; ++j) visit(j);
    i += kLine;
  }
  for (; i < count; ++i) copy[i] = values[i], visit(i);
  if (open) close();
  StreamDone();
}

}  // namespace

// The passes below are also built for AVX2 (VectorClones.h).

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

SG_VECTOR_CLONES std::vector<ColumnExtent> ReduceColumns(const SampleData& data, double first,
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
void CopyAndReduceT(const T* source, size_t count, SampleVector<T>& target, ColumnCache& cache) {
  target.resize(count);
  cache.columns.assign(cache.width > 0 ? cache.width : 0, ColumnExtent{});
  CopyAndReduceInto(source, count, cache.first, cache.step, cache.xMin, cache.xMax, cache.width,
                    cache.columns, target.data());
}
}  // namespace

SG_VECTOR_CLONES void CopyAndReduce(const float* source, size_t count, SampleVector<float>& target,
                                    ColumnCache& cache) {
  CopyAndReduceT(source, count, target, cache);
}
SG_VECTOR_CLONES void CopyAndReduce(const double* source, size_t count,
                                    SampleVector<double>& target, ColumnCache& cache) {
  CopyAndReduceT(source, count, target, cache);
}

}  // namespace hosted
