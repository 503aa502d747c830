// Facade of the generators: a sized form that first sizes the output to n
// (zero-filled) and a fill form that keeps the output's count.
#include "analysis/facade/CSgInputDataProxy.h"
#include "analysis/facade/FacadeVectors.h"
#include "analysis/facade/SgAnalysis.h"
#include "analysis/generators/Generators.h"

namespace SG {
using facade::Count;
using facade::Data;

namespace {
// core(n, out) -> code. A negative count is refused by the core before the
// vector is resized: it must never reach the allocation.
template <typename Core>
int Sized(CSgVectorT<double>& out, int n, Core&& core) {
  if (n < 0) return CheckMathError(core(n, nullptr));
  out.SetSize(static_cast<unsigned int>(n), FALSE);
  return CheckMathError(core(n, Data(out)));
}
template <typename Core>
int Filled(CSgVectorT<double>& out, Core&& core) {
  return CheckMathError(core(Count(out), Data(out)));
}
}  // namespace

#define SG_GENERATOR_FORMS(Name, Params, Call)                           \
  int Name(CSgVectorT<double>& out, int n SG_UNPAREN Params) {           \
    return Sized(out, n, [&](int count, double* data) { return Call; }); \
  }                                                                      \
  int Name(CSgVectorT<double>& out SG_UNPAREN Params) {                  \
    return Filled(out, [&](int count, double* data) { return Call; });   \
  }
#define SG_UNPAREN(...) __VA_ARGS__

SG_GENERATOR_FORMS(ImpulsePattern, (, double amplitude, int index),
                   SgCore::ImpulsePatternCore(count, amplitude, index, data))
SG_GENERATOR_FORMS(PulsePattern, (, double amplitude, int delay, int width),
                   SgCore::PulsePatternCore(count, amplitude, delay, width, data))
SG_GENERATOR_FORMS(RampPattern, (, double first, double last),
                   SgCore::RampPatternCore(count, first, last, data))
SG_GENERATOR_FORMS(TrianglePattern, (, double amplitude),
                   SgCore::TrianglePatternCore(count, amplitude, data))
SG_GENERATOR_FORMS(TriangleWave, (, double* phase, double amplitude, double frequency),
                   SgCore::TriangleWaveCore(count, amplitude, frequency, phase, data))
SG_GENERATOR_FORMS(SinePattern, (, double amplitude),
                   SgCore::SinePatternCore(count, amplitude, 0.0, 1.0, data))
SG_GENERATOR_FORMS(SineWave, (, double* phase, double amplitude, double frequency),
                   SgCore::SineWaveCore(count, amplitude, frequency, phase, data))
SG_GENERATOR_FORMS(UniformRandom, (, int seed), SgCore::UniformRandomCore(count, seed, data))
SG_GENERATOR_FORMS(UniformWhiteNoise, (, double amplitude, int seed),
                   SgCore::UniformWhiteNoiseCore(count, amplitude, seed, data))
SG_GENERATOR_FORMS(GaussianNoise, (, double deviation, int seed),
                   SgCore::GaussianNoiseCore(count, deviation, seed, data))
SG_GENERATOR_FORMS(ChirpPattern, (, double amplitude, double start, double end),
                   SgCore::ChirpPatternCore(count, amplitude, start, end, data))
SG_GENERATOR_FORMS(SawtoothWave, (, double* phase, double amplitude, double frequency),
                   SgCore::SawtoothWaveCore(count, amplitude, frequency, phase, data))
SG_GENERATOR_FORMS(SincPattern, (, double amplitude, double delay, double dt),
                   SgCore::SincPatternCore(count, amplitude, delay, dt, data))
SG_GENERATOR_FORMS(SquareWave, (, double* phase, double amplitude, double frequency, double duty),
                   SgCore::SquareWaveCore(count, amplitude, frequency, phase, duty, data))
#undef SG_GENERATOR_FORMS
#undef SG_UNPAREN

namespace {
int Arbitrary(CSgVectorT<double>& out, int n, bool sized, const CSgVector& table, double* phase,
              double amplitude, double frequency, int interpolate) {
  if (sized && n < 0)
    return CheckMathError(SgCore::ArbitraryWaveCore(n, amplitude, frequency, phase, nullptr, 0,
                                                    interpolate, nullptr));
  if (sized) out.SetSize(static_cast<unsigned int>(n), FALSE);
  int code;
  {
    CSgInputDataProxy<double, CSgVector> t(table);
    code = SgCore::ArbitraryWaveCore(Count(out), amplitude, frequency, phase, t.Data(),
                                     Count(table), interpolate, Data(out));
  }
  return CheckMathError(code);
}
}  // namespace

int ArbitraryWave(CSgVectorT<double>& out, int n, const CSgVector& table, double* phase,
                  double amplitude, double frequency, int interpolate) {
  return Arbitrary(out, n, true, table, phase, amplitude, frequency, interpolate);
}
int ArbitraryWave(CSgVectorT<double>& out, const CSgVector& table, double* phase, double amplitude,
                  double frequency, int interpolate) {
  return Arbitrary(out, 0, false, table, phase, amplitude, frequency, interpolate);
}

}  // namespace SG
