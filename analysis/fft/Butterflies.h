#pragma once
// Forward DFT kernels of the engine's built-in radices, in place on p complex
// values held as split real and imaginary parts.
namespace SgCore::fft::detail {

inline constexpr double kSqrtHalf = 0.70710678118654752440;
inline constexpr double kSin60 = 0.86602540378443864676;
inline constexpr double kCos72 = 0.30901699437494742410, kSin72 = 0.95105651629515357212;
inline constexpr double kCos144 = -0.80901699437494742410, kSin144 = 0.58778525229247312917;

// T is double or a vector of doubles; constants broadcast.
template <int P>
struct Kernel;

template <>
struct Kernel<2> {
  template <typename T>
  __attribute__((always_inline)) static inline void Apply(T* r, T* i) {
    const T ar = r[0] - r[1], ai = i[0] - i[1];
    r[0] += r[1];
    i[0] += i[1];
    r[1] = ar;
    i[1] = ai;
  }
};

template <>
struct Kernel<3> {
  template <typename T>
  __attribute__((always_inline)) static inline void Apply(T* r, T* i) {
    const T tr = r[1] + r[2], ti = i[1] + i[2];
    const T ur = r[0] - 0.5 * tr, ui = i[0] - 0.5 * ti;
    // -i sin(120 deg) (x1 - x2)
    const T vr = kSin60 * (i[1] - i[2]), vi = -kSin60 * (r[1] - r[2]);
    r[0] += tr;
    i[0] += ti;
    r[1] = ur + vr;
    i[1] = ui + vi;
    r[2] = ur - vr;
    i[2] = ui - vi;
  }
};

template <>
struct Kernel<4> {
  template <typename T>
  __attribute__((always_inline)) static inline void Apply(T* r, T* i) {
    const T t0r = r[0] + r[2], t0i = i[0] + i[2];
    const T t1r = r[0] - r[2], t1i = i[0] - i[2];
    const T t2r = r[1] + r[3], t2i = i[1] + i[3];
    // -i (x1 - x3)
    const T t3r = i[1] - i[3], t3i = r[3] - r[1];
    r[0] = t0r + t2r;
    i[0] = t0i + t2i;
    r[2] = t0r - t2r;
    i[2] = t0i - t2i;
    r[1] = t1r + t3r;
    i[1] = t1i + t3i;
    r[3] = t1r - t3r;
    i[3] = t1i - t3i;
  }
};

template <>
struct Kernel<5> {
  template <typename T>
  __attribute__((always_inline)) static inline void Apply(T* r, T* i) {
    const T s1r = r[1] + r[4], s1i = i[1] + i[4], d1r = r[1] - r[4], d1i = i[1] - i[4];
    const T s2r = r[2] + r[3], s2i = i[2] + i[3], d2r = r[2] - r[3], d2i = i[2] - i[3];
    const T a1r = r[0] + kCos72 * s1r + kCos144 * s2r;
    const T a1i = i[0] + kCos72 * s1i + kCos144 * s2i;
    const T a2r = r[0] + kCos144 * s1r + kCos72 * s2r;
    const T a2i = i[0] + kCos144 * s1i + kCos72 * s2i;
    const T b1r = kSin72 * d1r + kSin144 * d2r, b1i = kSin72 * d1i + kSin144 * d2i;
    const T b2r = kSin144 * d1r - kSin72 * d2r, b2i = kSin144 * d1i - kSin72 * d2i;
    r[0] += s1r + s2r;
    i[0] += s1i + s2i;
    // y1 = a1 - i b1, y4 = a1 + i b1; likewise y2, y3 with a2, b2.
    r[1] = a1r + b1i;
    i[1] = a1i - b1r;
    r[4] = a1r - b1i;
    i[4] = a1i + b1r;
    r[2] = a2r + b2i;
    i[2] = a2i - b2r;
    r[3] = a2r - b2i;
    i[3] = a2i + b2r;
  }
};

template <>
struct Kernel<8> {
  template <typename T>
  __attribute__((always_inline)) static inline void Apply(T* r, T* i) {
    T ar[4], ai[4], br[4], bi[4];
    for (int k = 0; k < 4; ++k) {
      ar[k] = r[k] + r[k + 4];
      ai[k] = i[k] + i[k + 4];
      br[k] = r[k] - r[k + 4];
      bi[k] = i[k] - i[k + 4];
    }
    // b_k times e^(-i pi k / 4)
    T t = br[1];
    br[1] = kSqrtHalf * (t + bi[1]);
    bi[1] = kSqrtHalf * (bi[1] - t);
    t = br[2];
    br[2] = bi[2];
    bi[2] = -t;
    t = br[3];
    br[3] = kSqrtHalf * (bi[3] - t);
    bi[3] = -kSqrtHalf * (t + bi[3]);
    Kernel<4>::Apply(ar, ai);
    Kernel<4>::Apply(br, bi);
    for (int k = 0; k < 4; ++k) {
      r[2 * k] = ar[k];
      i[2 * k] = ai[k];
      r[2 * k + 1] = br[k];
      i[2 * k + 1] = bi[k];
    }
  }
};

template <>
struct Kernel<10> {
  // Two five-point halves on the even and odd inputs, then a two-point
  // combination with the tenth roots of unity.
  template <typename T>
  __attribute__((always_inline)) static inline void Apply(T* r, T* i) {
    static constexpr double kC[5] = {1.0, 0.80901699437494742410, 0.30901699437494742410,
                                     -0.30901699437494742410, -0.80901699437494742410};
    static constexpr double kS[5] = {0.0, 0.58778525229247312917, 0.95105651629515357212,
                                     0.95105651629515357212, 0.58778525229247312917};
    T er[5], ei[5], orr[5], oi[5];
    for (int k = 0; k < 5; ++k) {
      er[k] = r[2 * k];
      ei[k] = i[2 * k];
      orr[k] = r[2 * k + 1];
      oi[k] = i[2 * k + 1];
    }
    Kernel<5>::Apply(er, ei);
    Kernel<5>::Apply(orr, oi);
    for (int k = 0; k < 5; ++k) {
      const T wr = kC[k] * orr[k] + kS[k] * oi[k];
      const T wi = kC[k] * oi[k] - kS[k] * orr[k];
      r[k] = er[k] + wr;
      i[k] = ei[k] + wi;
      r[k + 5] = er[k] - wr;
      i[k + 5] = ei[k] - wi;
    }
  }
};

}  // namespace SgCore::fft::detail
