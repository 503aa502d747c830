// The complex vector: sizing with zero fill, checked element access, copies.
#include "matrix/CSgComplexVector.h"

#include "containers/CSgVectorAccessException.h"
#include "containers/tests/VectorTestSupport.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

using namespace SG;
using Parts = std::vector<std::pair<double, double>>;

Parts Items(const CSgComplexVector& v) {
  Parts parts;
  for (unsigned int i = 0; i < v.GetSize(); ++i) parts.emplace_back(v[i].m_real, v[i].m_imag);
  return parts;
}

CSgComplexVector Make(const Parts& parts) {
  CSgComplexVector v(static_cast<unsigned int>(parts.size()));
  for (unsigned int i = 0; i < v.GetSize(); ++i) v[i].Set(parts[i].first, parts[i].second);
  return v;
}

TEST(ComplexVector, SetSizeZeroFillsUnlessNoInit) {
  EXPECT_EQ(CSgComplexVector().GetSize(), 0u);
  EXPECT_EQ(Items(CSgComplexVector(2)), (Parts{{0, 0}, {0, 0}}));

  CSgComplexVector v = Make({{1, 2}, {3, 4}});
  v.SetSize(2, TRUE);  // same count, no init: untouched
  EXPECT_EQ(Items(v), (Parts{{1, 2}, {3, 4}}));
  v.SetSize(2, FALSE);  // same count: zeroed in place
  EXPECT_EQ(Items(v), (Parts{{0, 0}, {0, 0}}));

  v = Make({{1, 2}, {3, 4}});
  v.SetSize(3, TRUE);  // a new count drops the elements even without init
  EXPECT_EQ(Items(v), (Parts{{0, 0}, {0, 0}, {0, 0}}));
  v.SetSize(0, FALSE);
  EXPECT_EQ(v.GetSize(), 0u);
}

TEST(ComplexVector, ElementAccessPastTheCountThrows) {
  CSgComplexVector v = Make({{1, 2}, {3, 4}, {5, 6}, {7, 8}});
  EXPECT_EQ(v[3].m_imag, 8.0);
  EXPECT_EQ(ThrownMessage<CSgVectorAccessException>([&] { v[4u].m_real = 0; }),
            "Invalid vector access: index = 4. Vector size is 4.");
  EXPECT_EQ(ThrownMessage<CSgVectorAccessException>([&] { v[10].m_real = 0; }),
            "Invalid vector access: index = 10. Vector size is 4.");
  EXPECT_EQ(ThrownMessage<CSgVectorAccessException>([&] { v[-1].m_real = 0; }),
            "Invalid vector access: index value cannot be negative.");
  const CSgComplexVector& c = v;
  EXPECT_EQ(ThrownMessage<CSgVectorAccessException>([&] { (void)c[4u]; }),
            "Invalid vector access: index = 4. Vector size is 4.");
  EXPECT_EQ(ThrownMessage<CSgVectorAccessException>([&] { (void)c[-2]; }),
            "Invalid vector access: index value cannot be negative.");
  EXPECT_EQ(ThrownMessage<CSgVectorAccessException>([&] { (void)CSgComplexVector()[0]; }),
            "Invalid vector access: index = 0. Vector size is 0.");
  EXPECT_EQ(Items(v), (Parts{{1, 2}, {3, 4}, {5, 6}, {7, 8}}));
}

TEST(ComplexVector, CopiesOwnTheirElements) {
  CSgComplexVector a = Make({{1, 2}, {3, 4}});
  CSgComplexVector b(a);
  b[0].Set(9, 9);
  EXPECT_EQ(Items(a), (Parts{{1, 2}, {3, 4}}));
  CSgComplexVector big(5);
  big = a;
  EXPECT_EQ(Items(big), Items(a));
  big = big;  // self-assignment changes nothing
  EXPECT_EQ(Items(big), (Parts{{1, 2}, {3, 4}}));
  big = CSgComplexVector();
  EXPECT_EQ(big.GetSize(), 0u);
  CSgComplexVector moved(std::move(a));
  EXPECT_EQ(Items(moved), (Parts{{1, 2}, {3, 4}}));
  EXPECT_EQ(a.GetSize(), 0u);  // NOLINT(bugprone-use-after-move): moved-from is empty
  // The copied elements are whole complex values: their own operations work.
  EXPECT_EQ(moved[1].Magnitude(), 5.0);
}

}  // namespace
