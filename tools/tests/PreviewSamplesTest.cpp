// The passes behind the previews: the finite check reads the sample bits,
// so each kind of non-finite value is tried at the places the pass treats
// differently (a gathered sample, one between, the tail past the last
// gathered one), with std::isfinite as the reference.
#include "tools/PreviewSamples.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

namespace {

template <class T>
class PreviewSamplesTest : public ::testing::Test {};
using Kinds = ::testing::Types<float, double>;
TYPED_TEST_SUITE(PreviewSamplesTest, Kinds);

// 3003 samples with step 4: 750 gathered, the last three only checked.
constexpr size_t kCount = 3003, kStep = 4;

template <class T>
std::vector<T> Ramp() {
  std::vector<T> s(kCount);
  for (size_t i = 0; i < kCount; ++i) s[i] = static_cast<T>(0.25 * i - 300.5);
  return s;
}

TYPED_TEST(PreviewSamplesTest, EveryKindOfNonFiniteSampleIsFoundWhereverItIs) {
  using T = TypeParam;
  using L = std::numeric_limits<T>;
  const T values[] = {L::quiet_NaN(), -L::quiet_NaN(), L::signaling_NaN(), L::infinity(),
                      -L::infinity(), L::max(),        -L::max(),          L::denorm_min(),
                      -T(0),          L::min()};
  for (const size_t at : {size_t{0}, size_t{1}, size_t{1024}, size_t{2999}, size_t{3002}})
    for (const T v : values) {
      std::vector<T> s = Ramp<T>();
      s[at] = v;
      const bool finite = std::isfinite(v);
      EXPECT_EQ(tools::AllFiniteSamples(s.data(), s.size()), finite) << at << " " << v;
      std::vector<T> d(kCount / kStep);
      EXPECT_EQ(tools::GatherEveryIfFinite(s.data(), s.size(), kStep, d.data()), finite)
          << at << " " << v;
    }
  EXPECT_TRUE(tools::AllFiniteSamples(static_cast<const T*>(nullptr), 0));
}

// Every k-th sample, bit for bit (the sign of -0 too), into an array that
// starts on any boundary and ends on any count.
TYPED_TEST(PreviewSamplesTest, TheGatherTakesEveryKthSampleExactly) {
  using T = TypeParam;
  std::vector<T> s = Ramp<T>();
  s[8] = -T(0);
  for (const size_t step : {size_t{2}, size_t{3}, kStep, size_t{5}})
    for (const size_t shift : {0, 1, 2, 3}) {
      const size_t count = kCount / step;
      std::vector<T> buffer(count + 4, T(7)), expected(count);
      for (size_t j = 0; j < count; ++j) expected[j] = s[j * step];
      tools::GatherEvery(s.data(), step, buffer.data() + shift, count);
      EXPECT_EQ(std::memcmp(buffer.data() + shift, expected.data(), count * sizeof(T)), 0)
          << step << " " << shift;
      EXPECT_EQ(buffer[shift + count], T(7));  // nothing past the end
      std::fill(buffer.begin(), buffer.end(), T(7));
      ASSERT_TRUE(tools::GatherEveryIfFinite(s.data(), kCount, step, buffer.data() + shift));
      EXPECT_EQ(std::memcmp(buffer.data() + shift, expected.data(), count * sizeof(T)), 0)
          << step << " " << shift;
      EXPECT_EQ(buffer[shift + count], T(7));
    }
}

}  // namespace
