#pragma once
// Vectors of four doubles for the transform passes, with loads and stores,
// and the attribute that also builds a pass for AVX2 and for AVX-512, picked
// at load time. The AVX-512 build keeps four-double vectors but has 32
// registers: a radix-8 butterfly's inputs and twiddles then stay in
// registers instead of spilling, which made the passes about 1.5x faster.
#include <cstring>

#pragma GCC diagnostic ignored "-Wpsabi"

namespace SgCore::fft::detail {

typedef double V4 __attribute__((vector_size(32)));

// Loads and stores are inlined into the caller on purpose: a vector returned
// from an out-of-line helper would cross from a vector clone into code built
// for the baseline ABI, which unoptimised builds do not inline away. They
// take the vector by reference, never by value: clang refuses a call that
// passes a 32-byte vector by value in the baseline clone, inlined or not.
template <typename T>
__attribute__((always_inline)) inline void load(T& v, const double* p) {
  std::memcpy(&v, p, sizeof v);
}
template <typename T>
__attribute__((always_inline)) inline void store(double* p, const T& v) {
  std::memcpy(p, &v, sizeof v);
}

// Two vectors' lanes picked by index (0-3 from a, 4-7 from b). GCC and clang
// spell the builtin differently; both give one shuffle instruction.
#if defined(__clang__)
#define SG_SHUFFLE(a, b, i, j, k, l) __builtin_shufflevector(a, b, i, j, k, l)
#else
#define SG_SHUFFLE(a, b, i, j, k, l) \
  __builtin_shuffle(a, b, (long long __attribute__((vector_size(32)))){i, j, k, l})
#endif

// v[a][l] becomes v[l][a]: four vectors of four lanes transposed.
__attribute__((always_inline)) inline void Transpose4(V4* v) {
  const V4 t0 = SG_SHUFFLE(v[0], v[1], 0, 4, 2, 6);
  const V4 t1 = SG_SHUFFLE(v[0], v[1], 1, 5, 3, 7);
  const V4 t2 = SG_SHUFFLE(v[2], v[3], 0, 4, 2, 6);
  const V4 t3 = SG_SHUFFLE(v[2], v[3], 1, 5, 3, 7);
  v[0] = SG_SHUFFLE(t0, t2, 0, 1, 4, 5);
  v[1] = SG_SHUFFLE(t1, t3, 0, 1, 4, 5);
  v[2] = SG_SHUFFLE(t0, t2, 2, 3, 6, 7);
  v[3] = SG_SHUFFLE(t1, t3, 2, 3, 6, 7);
}

}  // namespace SgCore::fft::detail

// Sanitizer runtimes are not ready when the clone resolver runs, so
// sanitized builds keep the baseline only.
#if defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer)
#define SG_SANITIZED 1
#endif
#endif
#if defined(__x86_64__) && !defined(__SANITIZE_THREAD__) && !defined(__SANITIZE_ADDRESS__) && \
    !defined(SG_SANITIZED)
#define SG_PASS_CLONES __attribute__((target_clones("arch=x86-64-v4", "arch=x86-64-v3", "default")))
// Code on vectors of eight doubles, built for AVX-512 only and called only
// where detail::WideLanesAvailable() (LaneFft.h).
#define SG_WIDE_LANES 1
#define SG_WIDE __attribute__((target("arch=x86-64-v4")))
#else
#define SG_PASS_CLONES
#endif

namespace SgCore::fft::detail {

typedef double V8 __attribute__((vector_size(64)));

#if defined(__clang__)
#define SG_SHUFFLE8(a, b, i0, i1, i2, i3, i4, i5, i6, i7) \
  __builtin_shufflevector(a, b, i0, i1, i2, i3, i4, i5, i6, i7)
#else
#define SG_SHUFFLE8(a, b, i0, i1, i2, i3, i4, i5, i6, i7) \
  __builtin_shuffle(a, b,                                 \
                    (long long __attribute__((vector_size(64)))){i0, i1, i2, i3, i4, i5, i6, i7})
#endif

// v[a][l] becomes v[l][a]: eight vectors of eight lanes transposed, pairs of
// rows interleaved, then pairs of pairs, then the two halves.
__attribute__((always_inline)) inline void Transpose8(V8* v) {
  V8 t[8], u[8];
  for (int r = 0; r < 8; r += 2) {
    t[r] = SG_SHUFFLE8(v[r], v[r + 1], 0, 8, 2, 10, 4, 12, 6, 14);
    t[r + 1] = SG_SHUFFLE8(v[r], v[r + 1], 1, 9, 3, 11, 5, 13, 7, 15);
  }
  for (int r = 0; r < 8; r += 4)
    for (int o = 0; o < 2; ++o) {
      u[r + o] = SG_SHUFFLE8(t[r + o], t[r + o + 2], 0, 1, 8, 9, 4, 5, 12, 13);
      u[r + o + 2] = SG_SHUFFLE8(t[r + o], t[r + o + 2], 2, 3, 10, 11, 6, 7, 14, 15);
    }
  // u[c] (c < 4) holds lanes c and c + 4 of rows 0-3; u[c + 4] of rows 4-7.
  for (int c = 0; c < 4; ++c) {
    v[c] = SG_SHUFFLE8(u[c], u[c + 4], 0, 1, 2, 3, 8, 9, 10, 11);
    v[c + 4] = SG_SHUFFLE8(u[c], u[c + 4], 4, 5, 6, 7, 12, 13, 14, 15);
  }
}

}  // namespace SgCore::fft::detail
