#include "tools/PreviewSamples.h"

#include <cstdint>
#include <cstring>
#include <type_traits>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace tools {

namespace {

// Adding one to an all-ones exponent carries into the sign bit, so OR-ing
// that sum over the samples marks a non-finite one with the top bit: a
// reduction the compiler turns into vector code, unlike a test per sample.
template <class T>
struct FloatBits {
  using U = std::conditional_t<sizeof(T) == 8, uint64_t, uint32_t>;
  static constexpr int kMantissa = sizeof(T) == 8 ? 52 : 23;
  static constexpr U kExponent = (~U{0} >> 1) & ~((U{1} << kMantissa) - 1);
  static constexpr U kCarry = U{1} << kMantissa;
  static constexpr U kTop = U{1} << (8 * sizeof(T) - 1);
};

template <class T>
bool Finite(const T* s, size_t n) {
  using B = FloatBits<T>;
  typename B::U marks = 0;
  for (size_t i = 0; i < n; ++i) {
    typename B::U bits;
    std::memcpy(&bits, s + i, sizeof bits);
    marks |= (bits & B::kExponent) + B::kCarry;
  }
  return !(marks & B::kTop);
}

// The stores go past the caches: the graph reads the gathered samples once,
// and a cached store would first fetch every line it writes.
template <class T>
void Gather(const T* s, size_t k, T* d, size_t count) {
  size_t j = 0;
#if defined(__SSE2__)
  constexpr size_t kLanes = 16 / sizeof(T);
  for (; j < count && reinterpret_cast<uintptr_t>(d + j) % 16 != 0; ++j) d[j] = s[j * k];
  if constexpr (std::is_same_v<T, double>) {
    for (; j + kLanes <= count; j += kLanes)
      _mm_stream_pd(d + j, _mm_set_pd(s[(j + 1) * k], s[j * k]));
  } else {
    for (; j + kLanes <= count; j += kLanes)
      _mm_stream_ps(d + j, _mm_set_ps(s[(j + 3) * k], s[(j + 2) * k], s[(j + 1) * k], s[j * k]));
  }
  _mm_sfence();
#endif
  for (; j < count; ++j) d[j] = s[j * k];
}

// Blocks small enough to stay in the first-level cache between the check
// and the gather.
template <class T>
bool GatherIfFinite(const T* s, size_t n, size_t k, T* d) {
  const size_t count = n / k;
  constexpr size_t kBlock = 256;
  for (size_t j = 0; j < count; j += kBlock) {
    const size_t m = count - j < kBlock ? count - j : kBlock;
    if (!Finite(s + j * k, m * k)) return false;
    Gather(s + j * k, k, d + j, m);
  }
  return Finite(s + count * k, n - count * k);
}

}  // namespace

bool AllFiniteSamples(const float* s, size_t n) { return Finite(s, n); }
bool AllFiniteSamples(const double* s, size_t n) { return Finite(s, n); }

void GatherEvery(const float* s, size_t k, float* d, size_t count) { Gather(s, k, d, count); }
void GatherEvery(const double* s, size_t k, double* d, size_t count) { Gather(s, k, d, count); }

bool GatherEveryIfFinite(const float* s, size_t n, size_t k, float* d) {
  return GatherIfFinite(s, n, k, d);
}
bool GatherEveryIfFinite(const double* s, size_t n, size_t k, double* d) {
  return GatherIfFinite(s, n, k, d);
}

}  // namespace tools
