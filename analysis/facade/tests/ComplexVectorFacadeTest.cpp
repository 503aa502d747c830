#include "analysis/core/CoreLocks.h"
#include "analysis/facade/ComplexVectorFacade.h"
#include "analysis/facade/tests/FacadeTestUtil.h"
#include "containers/CSgScalarVector.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <vector>

using facade_test::Call;

namespace {
// A stand-in for a vector of complex elements: count, SetSize with zero
// fill, checked element access.
struct FakeComplex {
  double m_real = 0, m_imag = 0;
};
class FakeComplexVector {
 public:
  FakeComplexVector(std::vector<FakeComplex> v) : v_(std::move(v)) {}
  unsigned int GetSize() const { return unsigned(v_.size()); }
  void SetSize(unsigned int n, BOOL) { v_.assign(n, FakeComplex{}); }
  FakeComplex& operator[](unsigned int i) { return v_.at(i); }
  FakeComplex operator[](unsigned int i) const { return v_.at(i); }

 private:
  std::vector<FakeComplex> v_;
};
}  // namespace

TEST(ComplexVectorFacade, TransformsThroughTheSplitPair) {
  FakeComplexVector v({{1, 0}, {1, 0}, {1, 0}, {1, 0}});
  ASSERT_EQ(Call([&] { return SG::ComplexFft(v); }).returned, 0);
  EXPECT_NEAR(v[0u].m_real, 4.0, 1e-15);
  EXPECT_NEAR(std::hypot(v[2u].m_real, v[2u].m_imag), 0.0, 1e-15);
  ASSERT_EQ(Call([&] { return SG::InverseComplexFft(v); }).returned, 0);
  EXPECT_NEAR(v[3u].m_real, 1.0, 1e-15);

  FakeComplexVector r({{1, 9}, {2, 9}, {3, 9}, {4, 9}});
  ASSERT_EQ(Call([&] { return SG::RealFft(r); }).returned, 0);
  EXPECT_EQ(r[1u].m_real, -2.0);
  EXPECT_EQ(r[1u].m_imag, 2.0);
  ASSERT_EQ(Call([&] { return SG::InverseRealFft(r); }).returned, 0);
  EXPECT_EQ(r[3u].m_real, 4.0);

  SG::CSgScalarVector<double> x(4, 1.0), y(4, 2.0), one(1, 1.0);
  FakeComplexVector out({});
  ASSERT_EQ(Call([&] { return SG::CrossPowerSpectrum(x, y, out); }).returned, 0);
  EXPECT_EQ(out.GetSize(), 4u);
  EXPECT_NEAR(out[0u].m_real, 2.0, 1e-15);
  EXPECT_EQ(Call([&] { return SG::CrossPowerSpectrum(one, y, out); }).code, -20006);
  EXPECT_EQ(out.GetSize(), 4u);
}

TEST(ComplexVectorFacade, AFailedTransformLeavesTheVectorAsItWas) {
  // In a fresh process without a pool lock the transform cannot get a work
  // block: -20001, and the vector is neither written back nor emptied.
  if (SgCore::CoreMutexExistsForTesting()) GTEST_SKIP() << "the pool already exists";
  SgCore::SetCoreMutexCreationFailsForTesting(true);
  FakeComplexVector v({{1, 2}, {3, 4}, {5, 6}});
  EXPECT_TRUE(Call([&] { return SG::InverseComplexFft(v); }).threwMemory);
  SgCore::SetCoreMutexCreationFailsForTesting(false);
  EXPECT_EQ(v.GetSize(), 3u);
  EXPECT_EQ(v[1u].m_real, 3.0);
  EXPECT_EQ(v[1u].m_imag, 4.0);
  FakeComplexVector empty({});
  EXPECT_EQ(Call([&] { return SG::ComplexFft(empty); }).code, -20003);
}
