#include "analysis/iir/IirCascade.h"

#include <array>
#include <utility>

namespace SgCore::iir {
namespace {

// Sections run together in one pass; more are run in further passes.
constexpr int kPassSections = 8;

// S sections in one pass; the first is first-order when F. Signal k is the
// input of section k (signal 0 the sequence itself); each keeps its last two
// values, which are also the previous outputs of section k - 1.
template <int S, bool F>
void Pass(const double* in, double* out, int64_t count, const Section* sec) {
  double b0[S], b1[S], b2[S], a1[S], a2[S];
  double v1[S + 1], v2[S + 1];
  for (int k = 0; k < S; ++k) {
    b0[k] = sec[k].b0;
    b1[k] = sec[k].b1;
    b2[k] = sec[k].b2;
    a1[k] = sec[k].a1;
    a2[k] = sec[k].a2;
  }
  for (int k = 0; k <= S; ++k) v1[k] = v2[k] = 0.0;
  for (int64_t n = 0; n < count; ++n) {
    double x = in[n];
#pragma GCC unroll 8
    for (int k = 0; k < S; ++k) {
      double y;
      if (F && k == 0) {
        y = b0[0] * x + b1[0] * v1[0] - a1[0] * v1[1];
      } else {
        y = b0[k] * x + b1[k] * v1[k] + b2[k] * v2[k] - a1[k] * v1[k + 1] - a2[k] * v2[k + 1];
      }
      v2[k] = v1[k];
      v1[k] = x;
      x = y;
    }
    v2[S] = v1[S];
    v1[S] = x;
    out[n] = x;
  }
}

using PassFn = void (*)(const double*, double*, int64_t, const Section*);

template <bool F, int... I>
constexpr auto MakeTable(std::integer_sequence<int, I...>) {
  return std::array<PassFn, sizeof...(I)>{&Pass<I + 1, F>...};
}

}  // namespace

void RunSections(const double* in, double* out, int64_t count, const Section* s, int n) {
  static constexpr auto kSecondOrder = MakeTable<false>(std::make_integer_sequence<int, kPassSections>{});
  static constexpr auto kFirstOrder = MakeTable<true>(std::make_integer_sequence<int, kPassSections>{});
  while (n > 0) {
    const int take = n < kPassSections ? n : kPassSections;
    (s[0].firstOrder ? kFirstOrder : kSecondOrder)[take - 1](in, out, count, s);
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
