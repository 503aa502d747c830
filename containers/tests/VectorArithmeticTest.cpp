#include "VectorTestSupport.h"

#include <cmath>
#include <limits>

namespace {

using namespace SG;
using DV = CSgScalarVector<double>;
using IV = CSgScalarVector<int>;

TEST(VectorArithmetic, TwoVectorOperatorsWorkOverTheShorterLength) {
  EXPECT_EQ(Items(Vec({1, 2, 3}) + Vec({10, 20})), (std::vector<int>{11, 22}));
  EXPECT_EQ(Items(Vec({1, 2}) + Vec({10, 20, 30})), (std::vector<int>{11, 22}));
  EXPECT_EQ(Items(Vec({5, 7}) - Vec({1, 10})), (std::vector<int>{4, -3}));
  EXPECT_EQ(Items(Vec({5, 7}) * Vec({2, -3})), (std::vector<int>{10, -21}));
  EXPECT_EQ(Items(Vec({7, -7}) / Vec({2, 2})), (std::vector<int>{3, -3}));
  EXPECT_EQ((Vec({1.0}) + DV()).GetSize(), 0u);
  EXPECT_EQ((-DV()).GetSize(), 0u);
}

TEST(VectorArithmetic, AssigningOperatorsCutToTheShorterLength) {
  IV a = Vec({1, 2, 3});
  a += Vec({10, 20});
  EXPECT_EQ(Items(a), (std::vector<int>{11, 22}));
  IV b = Vec({4, 5, 6});
  b -= b;
  EXPECT_EQ(Items(b), (std::vector<int>{0, 0, 0}));
  IV c = Vec({6, 8});
  c *= Vec({2, 2, 2});
  EXPECT_EQ(Items(c), (std::vector<int>{12, 16}));
  c /= Vec({4, 0});  // an integer division by zero gives 0
  EXPECT_EQ(Items(c), (std::vector<int>{3, 0}));
}

TEST(VectorArithmetic, IntegerEdgeCasesAreDefined) {
  using UC = CSgScalarVector<unsigned char>;
  EXPECT_EQ(Items(Vec<unsigned char>({250}) + Vec<unsigned char>({10})),
            (std::vector<unsigned char>{4}));
  EXPECT_EQ(Items(-Vec<unsigned char>({1})), (std::vector<unsigned char>{255}));
  const int lowest = std::numeric_limits<int>::min();
  EXPECT_EQ(Items(Vec({lowest, 9}) / Vec({-1, 0})), (std::vector<int>{lowest, 0}));
  EXPECT_EQ(Items(-Vec({lowest})), (std::vector<int>{lowest}));
  UC u = Vec<unsigned char>({0});
  --u;
  EXPECT_EQ(u[0], 255);
}

TEST(VectorArithmetic, FloatDivisionFollowsIeee) {
  const CSgScalarVector<float> r = Vec({1.0f, 0.0f}) / Vec({0.0f, 0.0f});
  EXPECT_EQ(r[0], std::numeric_limits<float>::infinity());
  EXPECT_TRUE(std::isnan(r[1]));
}

TEST(VectorArithmetic, IncrementAndDecrementReturnCopies) {
  IV a = Vec({1, 2});
  IV b = a++;
  EXPECT_EQ(Items(b), (std::vector<int>{1, 2}));
  EXPECT_EQ(Items(a), (std::vector<int>{2, 3}));
  IV c = ++a;
  EXPECT_EQ(Items(c), (std::vector<int>{3, 4}));
  EXPECT_EQ(Items(a), (std::vector<int>{3, 4}));
  c[0] = 100;  // a copy, not a reference to a
  EXPECT_EQ(a[0], 3);
  IV d = a--;
  EXPECT_EQ(Items(d), (std::vector<int>{3, 4}));
  EXPECT_EQ(Items(--a), (std::vector<int>{1, 2}));
}

TEST(VectorArithmetic, AbsInPlace) {
  CSgScalarVector<char> c = Vec<char>({-5, -128, 7});
  c.Abs();
  EXPECT_EQ(Items(c), (std::vector<char>{5, -128, 7}));
  DV d = Vec({-0.0, -2.0, std::nan("")});
  d.Abs();
  EXPECT_TRUE(std::signbit(d[0]));
  EXPECT_EQ(d[1], 2.0);
  EXPECT_TRUE(std::isnan(d[2]));
  CSgScalarVector<unsigned int> u = Vec<unsigned int>({4000000000u});
  u.Abs();
  EXPECT_EQ(u[0], 4000000000u);
}

}  // namespace
