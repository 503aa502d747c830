#include "containers/SgElementArithmetic.h"
#include "containers/SgElementConvert.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

namespace {

using namespace SG;

TEST(ElementArithmetic, IntegersWrapInTheirWidth) {
  EXPECT_EQ(Arith::Add<unsigned char>(250, 10), 4);
  EXPECT_EQ(Arith::Neg<unsigned char>(1), 255);
  EXPECT_EQ(Arith::Neg<unsigned char>(0), 0);
  EXPECT_EQ(Arith::Add<int>(INT_MAX, 1), INT_MIN);
  EXPECT_EQ(Arith::Mul<unsigned short>(65535, 65535), 1);
  EXPECT_EQ(Arith::Mul<int>(INT_MAX, 2), -2);
  EXPECT_EQ(Arith::Sub<char>(-128, 1), 127);
  EXPECT_EQ(Arith::Neg<int>(INT_MIN), INT_MIN);
  EXPECT_EQ(Arith::Div<int>(-7, 2), -3);  // truncation toward zero
}

TEST(ElementArithmetic, IntegerDivisionWithoutQuotientIsDefined) {
  EXPECT_EQ(Arith::Div<int>(7, 0), 0);
  EXPECT_EQ(Arith::Div<unsigned int>(7, 0), 0u);
  EXPECT_EQ(Arith::Div<char>(-5, 0), 0);
  EXPECT_EQ(Arith::Div<int>(INT_MIN, -1), INT_MIN);
  EXPECT_EQ(Arith::Div<short>(SHRT_MIN, -1), SHRT_MIN);
  EXPECT_EQ(Arith::Div<char>(CHAR_MIN, -1), CHAR_MIN);
}

TEST(ElementArithmetic, FloatingFollowsIeee) {
  EXPECT_EQ(Arith::Div<float>(1, 0), std::numeric_limits<float>::infinity());
  EXPECT_EQ(Arith::Div<double>(-1, 0), -std::numeric_limits<double>::infinity());
  EXPECT_TRUE(std::isnan(Arith::Div<float>(0, 0)));
}

TEST(ElementArithmetic, AbsKeepsWhatIsNotBelowZero) {
  EXPECT_EQ(Arith::Abs<char>(-5), 5);
  EXPECT_EQ(Arith::Abs<char>(-128), -128);
  EXPECT_TRUE(std::signbit(Arith::Abs(-0.0)));
  EXPECT_TRUE(std::isnan(Arith::Abs(std::nan(""))));
  EXPECT_EQ(Arith::Abs<unsigned int>(4000000000u), 4000000000u);
}

TEST(ElementConvert, ConversionTable) {
  EXPECT_EQ(ConvertElement<unsigned char>(300), 44);
  EXPECT_EQ(ConvertElement<unsigned char>(-1), 255);
  EXPECT_EQ(ConvertElement<int>(2.7), 2);
  EXPECT_EQ(ConvertElement<int>(-2.7), -2);
  EXPECT_EQ(ConvertElement<unsigned char>(300.0), 44);
  EXPECT_EQ(ConvertElement<short>(static_cast<short>(-1)), -1);
  EXPECT_EQ(ConvertElement<unsigned int>(static_cast<short>(-1)), 0xFFFFFFFFu);
  EXPECT_EQ(ConvertElement<double>(0xFFFFFFFFu), 4294967295.0);
  EXPECT_EQ(ConvertElement<float>(0.1), 0.1f);
  // No integer exists for these: 0 instead of undefined behaviour.
  EXPECT_EQ(ConvertElement<int>(std::nan("")), 0);
  EXPECT_EQ(ConvertElement<int>(1e300), 0);
  EXPECT_EQ(ConvertElement<int>(-std::numeric_limits<double>::infinity()), 0);
}

}  // namespace
