// The complex-vector transforms through the library's own complex vector:
// each gives what its (re, im) form gives, and a refused call leaves the
// vector as it was.
#include "analysis/core/CoreLocks.h"
#include "analysis/facade/SgAnalysis.h"
#include "analysis/facade/tests/FacadeTestUtil.h"
#include "containers/CSgScalarVector.h"
#include "matrix/CSgComplexVector.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

using facade_test::Call;
using Vec = SG::CSgScalarVector<double>;
using Parts = std::vector<std::pair<double, double>>;

namespace {

SG::CSgComplexVector Make(const Parts& parts) {
  SG::CSgComplexVector v(static_cast<unsigned int>(parts.size()));
  for (unsigned int i = 0; i < v.GetSize(); ++i) v[i].Set(parts[i].first, parts[i].second);
  return v;
}
Parts Items(const SG::CSgComplexVector& v) {
  Parts parts;
  for (unsigned int i = 0; i < v.GetSize(); ++i) parts.emplace_back(v[i].m_real, v[i].m_imag);
  return parts;
}
Parts Zip(const Vec& re, const Vec& im) {
  Parts parts;
  for (unsigned int i = 0; i < re.GetSize(); ++i) parts.emplace_back(re[i], im[i]);
  return parts;
}

struct InPlaceRow {
  std::string name;
  std::function<int(SG::CSgComplexVector&)> complexForm;
  std::function<int(Vec&, Vec&)> pairForm;
};

// Every in-place complex-vector transform beside its (re, im) form.
const std::vector<InPlaceRow>& InPlaceRows() {
  static const std::vector<InPlaceRow> rows = {
      {"ComplexFft", [](auto& v) { return SG::ComplexFft(v); },
       [](Vec& re, Vec& im) { return SG::ComplexFft(re, im); }},
      {"InverseComplexFft", [](auto& v) { return SG::InverseComplexFft(v); },
       [](Vec& re, Vec& im) { return SG::InverseComplexFft(re, im); }},
      {"RealFft", [](auto& v) { return SG::RealFft(v); },
       [](Vec& re, Vec& im) { return SG::RealFft(re, im); }},
      {"InverseRealFft", [](auto& v) { return SG::InverseRealFft(v); },
       [](Vec& re, Vec& im) { return SG::InverseRealFft(re, im); }},
  };
  return rows;
}

// Lengths through the radix-2 real path, the mixed-radix engine and the
// chirp-z path (a large prime), and the one-point transform.
const std::vector<Parts>& Inputs() {
  static const std::vector<Parts> inputs = [] {
    std::vector<Parts> all = {
        {{1, -2}, {0.5, 3}, {-4, 1}, {2, 2}, {0, -1}, {3, 0.25}, {-1, 0}, {7, -3}},
        {{1, -2}, {0.5, 3}, {-4, 1}, {2, 2}, {0, -1}, {3, 0.25}},
        {{2.5, -1}},
    };
    Parts prime;
    for (int i = 0; i < 1009; ++i) prime.emplace_back((i * 37 % 101) / 10.0, (i * 11 % 53) / 7.0);
    all.push_back(prime);
    return all;
  }();
  return inputs;
}

}  // namespace

TEST(ComplexVectorType, EachTransformMatchesItsPairForm) {
  for (const InPlaceRow& row : InPlaceRows()) {
    for (const Parts& input : Inputs()) {
      SCOPED_TRACE(row.name + " of " + std::to_string(input.size()) + " points");
      SG::CSgComplexVector v = Make(input);
      Vec re(unsigned(input.size())), im(unsigned(input.size()));
      for (unsigned int i = 0; i < input.size(); ++i) {
        re[i] = input[i].first;
        im[i] = input[i].second;
      }
      ASSERT_EQ(Call([&] { return row.complexForm(v); }).returned, 0);
      ASSERT_EQ(Call([&] { return row.pairForm(re, im); }).returned, 0);
      // The same core on the same numbers: equal to the last bit.
      EXPECT_EQ(Items(v), Zip(re, im));
    }
  }
}

TEST(ComplexVectorType, CrossPowerSpectrumMatchesItsPairForm) {
  const Vec x(7, std::vector<double>{1, -2, 3, 0.5, 4, -1, 9}.data());
  const Vec y(5, std::vector<double>{2, 2, -1, 0, 3}.data());
  SG::CSgComplexVector out = Make({{9, 9}, {9, 9}});
  Vec re(1, 9.0), im(3, 9.0);
  ASSERT_EQ(Call([&] { return SG::CrossPowerSpectrum(x, y, out); }).returned, 0);
  ASSERT_EQ(Call([&] { return SG::CrossPowerSpectrum(x, y, re, im); }).returned, 0);
  ASSERT_EQ(out.GetSize(), 5u);
  EXPECT_EQ(Items(out), Zip(re, im));
}

TEST(ComplexVectorType, ARefusedCallLeavesTheVectorAsItWas) {
  const Parts before = {{1, 2}, {3, 4}, {5, 6}};
  SG::CSgComplexVector out = Make(before);
  const Vec one(1, 1.0), four(4, 2.0);
  EXPECT_EQ(Call([&] { return SG::CrossPowerSpectrum(one, four, out); }).code, -20006);
  EXPECT_EQ(Items(out), before);
  EXPECT_EQ(Call([&] { return SG::CrossPowerSpectrum(four, Vec(), out); }).code, -20006);
  EXPECT_EQ(Items(out), before);

  for (const InPlaceRow& row : InPlaceRows()) {
    SCOPED_TRACE(row.name);
    SG::CSgComplexVector empty;
    const auto outcome = Call([&] { return row.complexForm(empty); });
    EXPECT_EQ(outcome.code, -20003);
    EXPECT_EQ(outcome.text, "Math Exception: Number of samples must be greater than zero.");
    EXPECT_EQ(empty.GetSize(), 0u);
  }
}

TEST(ComplexVectorType, AFailedTransformLeavesTheVectorAsItWas) {
  // In a fresh process without a pool lock no transform can get a work
  // block: -20001 from every one, and the vector is not written back.
  if (SgCore::CoreMutexExistsForTesting()) GTEST_SKIP() << "the pool already exists";
  SgCore::SetCoreMutexCreationFailsForTesting(true);
  const Parts before = {{1, 2}, {3, 4}, {5, 6}};
  SG::CSgComplexVector v = Make(before);
  for (const InPlaceRow& row : InPlaceRows()) {
    SCOPED_TRACE(row.name);
    EXPECT_TRUE(Call([&] { return row.complexForm(v); }).threwMemory);
    EXPECT_EQ(Items(v), before);
  }
  SgCore::SetCoreMutexCreationFailsForTesting(false);
}
