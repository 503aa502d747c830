// The process-wide Wichmann-Hill generator and the noise routines on it.
#include "analysis/core/CoreErrors.h"
#include "analysis/core/CoreLocks.h"
#include "analysis/generators/Generators.h"

#include <atomic>
#include <cstdint>

namespace SgCore {
namespace {

// Atomic so that the unlocked uniform routine racing a noise call loses
// draws instead of being undefined; each routine works on a local copy.
std::atomic<std::int32_t> g_S1{1234}, g_S2{2345}, g_S3{3456};

// 32-bit signed products that wrap instead of overflowing.
inline std::int32_t Mul32(std::int32_t a, std::int32_t b) {
  return std::int32_t(std::uint32_t(a) * std::uint32_t(b));
}

struct NoiseState {
  std::int32_t s1, s2, s3;

  static NoiseState Load() {
    return {g_S1.load(std::memory_order_relaxed), g_S2.load(std::memory_order_relaxed),
            g_S3.load(std::memory_order_relaxed)};
  }
  void Store() const {
    g_S1.store(s1, std::memory_order_relaxed);
    g_S2.store(s2, std::memory_order_relaxed);
    g_S3.store(s3, std::memory_order_relaxed);
  }
  void Seed(int seed) {
    if (seed == 0) return;
    s1 = seed;
    s2 = Mul32(8191, seed) & 0x3FFF;
    s3 = Mul32(8191, s2) & 0x3FFF;
  }
  int Draw() {
    s1 = Mul32(171, s1) % 30269;
    s2 = Mul32(172, s2) % 30307;
    s3 = Mul32(170, s3) % 30323;
    const double u = s1 / 30269.0 + s2 / 30307.0 + s3 / 30323.0;
    return int(32768.0 * (u - double(std::int64_t(u))));
  }
};

// Runs a noise fill under the noise lock with the state loaded locally.
template <typename Fill>
int WithNoiseLock(int seed, Fill&& fill) {
  if (InitNoiseLock() != 0) return ErrNoiseInit;
  CoreLock& lock = NoiseLock();
  EnterCoreLock(lock);
  NoiseState state = NoiseState::Load();
  if (seed >= 0) state.Seed(seed);
  fill(state);
  state.Store();
  LeaveCoreLock(lock);
  return 0;
}

}  // namespace

int RandomDraw() {
  NoiseState state = NoiseState::Load();
  const int value = state.Draw();
  state.Store();
  return value;
}

void RandomSeed(int seed) {
  NoiseState state = NoiseState::Load();
  state.Seed(seed);
  state.Store();
}

int UniformRandomCore(int n, int seed, double* out) {
  if (n < 1) return ErrSamplesGtZero;
  NoiseState state = NoiseState::Load();
  if (seed >= 0) state.Seed(seed);
  for (int k = 0; k < n; ++k) out[k] = state.Draw() * 3.051850947599719e-05;
  state.Store();
  return 0;
}

int UniformWhiteNoiseCore(int n, double amplitude, int seed, double* out) {
  if (n < 1) return ErrSamplesGtZero;
  const double scale = amplitude / 16384.0;
  return WithNoiseLock(seed, [&](NoiseState& state) {
    for (int k = 0; k < n; ++k) out[k] = (state.Draw() - 16383) * scale;
  });
}

int GaussianNoiseCore(int n, double deviation, int seed, double* out) {
  if (n < 1) return ErrSamplesGtZero;
  const double scale = deviation / 32768.0;
  return WithNoiseLock(seed, [&](NoiseState& state) {
    for (int k = 0; k < n; ++k) {
      int sum = 0;
      for (int j = 0; j < 12; ++j) sum += state.Draw();
      out[k] = (sum - 196596) * scale;
    }
  });
}

}  // namespace SgCore
