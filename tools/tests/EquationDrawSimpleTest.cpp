// The small evaluator: its grammar by a table of values, its refusals with
// message 305 (token limits included, never past an array), and the fill of
// the equation result.
#include "ToolTestSupport.h"

#include "tools/EquationDrawSimple.h"

#include <cmath>

namespace {

TEST(EquationDrawSimple, ValuesOfTheGrammar) {
  struct Row {
    const char* text;
    double x;
    double value;
  };
  const Row rows[] = {
      {"2x", 1.5, 3.0},          {"x2", 1.5, 3.0},       {"xx", 3.0, 9.0},
      {"-x", 2.0, -2.0},         {"-2*x", 2.0, -4.0},    {"2^3^2", 0, 64.0},
      {"pi", 0, 3.1415926},      {"log10(100)", 0, 2.0}, {"sqrt(4)", 0, 2.0},
      {"1-2-3", 0, -4.0},        {"8/4/2", 0, 1.0},      {"2+3*x", 2.0, 8.0},
      {"(1+x)*(x-1)", 3.0, 8.0}, {".5*x", 4.0, 2.0},     {"sin(cos(0))", 0, std::sin(1.0)},
      {"-(x+1)", 1.0, -2.0},     {"abs(-3)", 0, 3.0},    {"floor(2.7)+ceil(0.2)", 0, 3.0},
  };
  for (const Row& row : rows) {
    double v = 0;
    ASSERT_TRUE(EquationValueAt(row.text, row.x, &v)) << row.text;
    EXPECT_NEAR(v, row.value, 1e-12) << row.text;
  }
  double v = 0;
  ASSERT_TRUE(EquationValueAt("rand", 0, &v));
  EXPECT_TRUE(v >= 1 && v <= 100 && v == std::floor(v));
}

TEST(EquationDrawSimple, RefusalsAndTokenLimits) {
  std::string tooManyTokens;  // 100 characters, 133 tokens with the zeros put in
  for (int i = 0; i < 33; ++i) tooManyTokens += "-(";
  tooManyTokens += "x" + std::string(33, ')');
  ASSERT_EQ(tooManyTokens.size(), 100u);
  const std::string refused[] = {std::string(101, '1'),
                                 "*x",
                                 "(x",
                                 "sinus(x)",
                                 "sqrt(x-4)",
                                 "asin(2)",
                                 "pow(2)",
                                 "x x",
                                 "--x",
                                 "1.2.3",
                                 "x+x+x+x+x+x+x+x+x+x+x",  // 21 tokens in one range
                                 "2 3",
                                 tooManyTokens};
  for (const std::string& text : refused) {
    double v = 0;
    EXPECT_FALSE(EquationValueAt(text, 0.0, &v)) << text;
  }
  double v = 0;
  EXPECT_TRUE(EquationValueAt("x+x+x+x+x+x+x+x+x+x", 1.0, &v));  // 19 tokens
  EXPECT_EQ(v, 10.0);
}

class EquationDrawSimpleTest : public ToolTest {};

TEST_F(EquationDrawSimpleTest, FillsTheEquationResultOrShowsWhyNot) {
  g_nPointCount = 16384;
  g_nEvalPointCount = 16384;
  ASSERT_EQ(EquationDrawSimple(16384, "sin(x)"), 1);
  ASSERT_EQ(g_EquationWave.GetSize(), 16384u);
  for (unsigned i : {0u, 4096u, 16383u})
    EXPECT_FLOAT_EQ(g_EquationWave[i], static_cast<float>(std::sin(2.0 * i * 3.1415926 / 16384)));
  const std::vector<float> before = Samples(g_EquationWave);
  EXPECT_EQ(EquationDrawSimple(16385, "x"), 0);  // beyond the point count: silently
  for (const char* text : {"sqrt(x-4)", "sinus(x)", "(x"}) {
    boxes.Expect(IDOK, "T305");
    EXPECT_EQ(EquationDrawSimple(100, text), 0) << text;
  }
  boxes.Expect(IDOK, "T680");
  EXPECT_EQ(EquationDrawSimple(100, "log(x)"), 0);  // log(0) at the first point
  EXPECT_EQ(Samples(g_EquationWave), before);
  EXPECT_TRUE(g_bEquationValid);
}

}  // namespace
