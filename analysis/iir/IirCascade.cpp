#include "analysis/iir/IirCascade.h"

#include <array>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#include <utility>

namespace SgCore::iir {
namespace {

// Sections run together in one pass; more are run in further passes.
constexpr int kPassSections = 8;

// S sections in one pass, skewed: in step n section k works on sample n - k,
// so the sections of one step are independent of each other and only each
// section's own recursion limits the speed. Before its first sample a
// section sees zero input and stays at rest, which is its zero initial
// state. Signal k is the input of section k (signal 0 the sequence); h1..h3
// hold its last three values, the newest first. The first section is
// first-order when F.
template <int S, bool F>
void Pass(const double* in, double* out, int64_t count, const Section* sec) {
  double b0[S], b1[S], b2[S], a1[S], a2[S];
  double h1[S + 1], h2[S + 1], h3[S + 1];
  for (int k = 0; k < S; ++k) {
    b0[k] = sec[k].b0;
    b1[k] = sec[k].b1;
    b2[k] = sec[k].b2;
    a1[k] = sec[k].a1;
    a2[k] = sec[k].a2;
  }
  for (int k = 0; k <= S; ++k) h1[k] = h2[k] = h3[k] = 0.0;
  auto step = [&](double input) {
    h3[0] = h2[0];
    h2[0] = h1[0];
    h1[0] = input;
    // Last section first, so each reads its input signal before the section
    // in front of it advances that signal.
#pragma GCC unroll 8
    for (int k = S - 1; k >= 0; --k) {
      double y;
      if (F && k == 0) {
        y = (b0[0] * h1[0] + b1[0] * h2[0]) - a1[0] * h1[1];
      } else {
        // The own previous output last: one multiply and one subtraction
        // separate consecutive outputs of a section.
        y = (b0[k] * h1[k] + b1[k] * h2[k] + b2[k] * h3[k] - a2[k] * h2[k + 1]) - a1[k] * h1[k + 1];
      }
      h3[k + 1] = h2[k + 1];
      h2[k + 1] = h1[k + 1];
      h1[k + 1] = y;
    }
    return h1[S];
  };
  // Writes lag reads by S - 1 samples, so in may be out.
  const int64_t lag = S - 1;
  for (int64_t n = 0; n < count; ++n) {
    const double y = step(in[n]);
    if (n >= lag) out[n - lag] = y;
  }
  for (int64_t n = count; n < count + lag; ++n) {
    const double y = step(0.0);
    if (n >= lag) out[n - lag] = y;
  }
}

#if defined(__SSE2__)
// Two sections a vector: lane 0 holds section 2j, lane 1 section 2j + 1 of
// pair j, so one step of P pairs runs up to 2P sections (skewed as above) in
// half the instructions. A pair's input vector is the previous pair's lane 1
// beside its own lane 0. A first-order section runs as a second-order one
// with zero x2, y2 coefficients, which adds exact zeros for finite data.
// L is the lane of the last section.
template <int P, int L>
void PairPass(const double* in, double* out, int64_t count, const Section* sec, int n) {
  __m128d b0[P], b1[P], b2[P], a1[P], a2[P], o1[P], o2[P], o3[P];
  auto lane = [&](int k, double Section::*field) { return k < n ? sec[k].*field : 0.0; };
  for (int j = 0; j < P; ++j) {
    b0[j] = _mm_set_pd(lane(2 * j + 1, &Section::b0), lane(2 * j, &Section::b0));
    b1[j] = _mm_set_pd(lane(2 * j + 1, &Section::b1), lane(2 * j, &Section::b1));
    b2[j] = _mm_set_pd(lane(2 * j + 1, &Section::b2), lane(2 * j, &Section::b2));
    a1[j] = _mm_set_pd(lane(2 * j + 1, &Section::a1), lane(2 * j, &Section::a1));
    a2[j] = _mm_set_pd(lane(2 * j + 1, &Section::a2), lane(2 * j, &Section::a2));
    o1[j] = o2[j] = o3[j] = _mm_setzero_pd();
  }
  __m128d i1 = _mm_setzero_pd(), i2 = i1, i3 = i1;  // sequence history in lane 1
  const int64_t lag = n - 1;
  auto step = [&](double input) {
    i3 = i2;
    i2 = i1;
    i1 = _mm_set_pd(input, 0.0);
    __m128d y[P];
#pragma GCC unroll 4
    for (int j = 0; j < P; ++j) {
      const __m128d x0 = _mm_shuffle_pd(j ? o1[j - 1] : i1, o1[j], 1);
      const __m128d x1 = _mm_shuffle_pd(j ? o2[j - 1] : i2, o2[j], 1);
      const __m128d x2 = _mm_shuffle_pd(j ? o3[j - 1] : i3, o3[j], 1);
      __m128d t = _mm_add_pd(_mm_mul_pd(b0[j], x0), _mm_mul_pd(b1[j], x1));
      t = _mm_add_pd(t, _mm_mul_pd(b2[j], x2));
      t = _mm_sub_pd(t, _mm_mul_pd(a2[j], o2[j]));
      y[j] = _mm_sub_pd(t, _mm_mul_pd(a1[j], o1[j]));
    }
#pragma GCC unroll 4
    for (int j = 0; j < P; ++j) {
      o3[j] = o2[j];
      o2[j] = o1[j];
      o1[j] = y[j];
    }
    return L == 0 ? _mm_cvtsd_f64(o1[P - 1]) : _mm_cvtsd_f64(_mm_unpackhi_pd(o1[P - 1], o1[P - 1]));
  };
  for (int64_t i = 0; i < count; ++i) {
    const double v = step(in[i]);
    if (i >= lag) out[i - lag] = v;
  }
  for (int64_t i = count; i < count + lag; ++i) {
    const double v = step(0.0);
    if (i >= lag) out[i - lag] = v;
  }
}

template <int P>
void RunPairs(const double* in, double* out, int64_t count, const Section* s, int n) {
  if (n % 2)
    PairPass<P, 0>(in, out, count, s, n);
  else
    PairPass<P, 1>(in, out, count, s, n);
}
#endif

using PassFn = void (*)(const double*, double*, int64_t, const Section*);

template <bool F, int... I>
constexpr auto MakeTable(std::integer_sequence<int, I...>) {
  return std::array<PassFn, sizeof...(I)>{&Pass<I + 1, F>...};
}

}  // namespace

void RunSections(const double* in, double* out, int64_t count, const Section* s, int n) {
  while (n > 0) {
    const int take = n < kPassSections ? n : kPassSections;
#if defined(__SSE2__)
    switch ((take + 1) / 2) {
      case 1: RunPairs<1>(in, out, count, s, take); break;
      case 2: RunPairs<2>(in, out, count, s, take); break;
      case 3: RunPairs<3>(in, out, count, s, take); break;
      default: RunPairs<4>(in, out, count, s, take); break;
    }
#else
    static constexpr auto kSecondOrder =
        MakeTable<false>(std::make_integer_sequence<int, kPassSections>{});
    static constexpr auto kFirstOrder =
        MakeTable<true>(std::make_integer_sequence<int, kPassSections>{});
    (s[0].firstOrder ? kFirstOrder : kSecondOrder)[take - 1](in, out, count, s);
#endif
    in = out;
    s += take;
    n -= take;
  }
}

void FilterWithDesign(const Design& design, const double* in, double* out, int64_t count) {
  Section buffer[kPassSections];
  int held = 0;
  for (int64_t i = 0; i < design.FactorCount(); ++i) {
    if (held + 2 > kPassSections) {
      RunSections(in, out, count, buffer, held);
      in = out;
      held = 0;
    }
    held += design.FactorSections(i, buffer + held);
  }
  RunSections(in, out, count, buffer, held);
}

}  // namespace SgCore::iir
