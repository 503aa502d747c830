#include "analysis/facade/SgAnalysis.h"
#include "analysis/facade/tests/FacadeTestUtil.h"
#include "containers/CSgScalarVector.h"

#include <gtest/gtest.h>

using facade_test::Call;

TEST(ErrorCheck, CodesBecomeExceptionsWithTableTexts) {
  struct Row {
    int code;
    const char* text;
  };
  for (const Row& r :
       {Row{-20003, "Math Exception: Number of samples must be greater than zero."},
        Row{-20006, "Math Exception: Number of samples must be greater than or equal to two."},
        Row{-20027, "Unknown math error."}, Row{-20064, "Unknown math error."},
        Row{20001, "Math Exception: The matrix is rank deficient."}}) {
    const auto o = Call([&] { return SG::CheckMathError(r.code); });
    EXPECT_TRUE(o.threwMath) << r.code;
    EXPECT_EQ(o.code, r.code);
    EXPECT_EQ(o.text, r.text);
  }
  EXPECT_TRUE(Call([] { return SG::CheckMathError(-20001); }).threwMemory);
  const auto ok = Call([] { return SG::CheckMathError(0); });
  EXPECT_FALSE(ok.threwMath || ok.threwMemory);
}

TEST(ErrorCheck, DisabledExceptionsReturnTheCode) {
  SG::EnableMathExceptions(false);
  SG::CSgScalarVector<double> empty;
  const auto o = Call([&] { return SG::HanningWindow(empty); });
  SG::EnableMathExceptions(true);
  EXPECT_FALSE(o.threwMath);
  EXPECT_EQ(o.returned, -20003);
}

TEST(ErrorCheck, ComplexFunctionsThrowAndWriteNothing) {
  double re = 7, im = 8;
  const auto o = Call([&] { return SG::ComplexLn(0, 0, &re, &im); });
  EXPECT_EQ(o.code, -20060);
  EXPECT_EQ(o.text, "Math Exception: Divide by zero.");
  EXPECT_EQ(re, 7);
  EXPECT_EQ(Call([&] { return SG::ComplexPower(0, 0, -1, &re, &im); }).code, -20060);
  EXPECT_EQ(Call([&] { return SG::ComplexSqrt(-4, 0, &re, &im); }).returned, 0);
  EXPECT_NEAR(im, 2.0, 1e-15);
}
