// The language as users type it: expression -> value, one table per theme.

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <iomanip>
#include <limits>
#include <random>

#include "parser/tests/ParserTestSupport.h"

namespace exprparser::test {
namespace {

class ParserFixture {
 protected:
  ParserFixture() {
    parser.bindVariable(u"x", &x);
    parser.addConstant(u"pi", 3.14159265359);
  }
  ExprParser parser;
  double x = 0.5;
};

class LanguageValues : public ::testing::TestWithParam<ValueCase>, protected ParserFixture {};

TEST_P(LanguageValues, EvaluatesTo) {
  const ValueCase& c = GetParam();
  const double value = parser.evaluateText(u16(c.text));
  if (std::isnan(c.expected)) {
    EXPECT_TRUE(std::isnan(value)) << c.text << " gave " << value;
  } else {
    EXPECT_DOUBLE_EQ(value, c.expected) << c.text;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Grouping, LanguageValues,
    ::testing::Values(ValueCase{"1+2*3", 7}, ValueCase{"(1+2)*3", 9}, ValueCase{"2-3-4", -5},
                      ValueCase{"8/4/2", 1}, ValueCase{"2^3^2", 64}, ValueCase{"-2^2", 4},
                      ValueCase{"2*-3", -6}, ValueCase{"--3", 3}, ValueCase{"!0*5", 1},
                      ValueCase{"!5", 0}, ValueCase{"1<2==1", 1}, ValueCase{"1+1>1", 1},
                      ValueCase{"2^-1", 0.5}, ValueCase{"-x^2", 0.25}, ValueCase{"x*2+1", 2},
                      ValueCase{"((((x))))", 0.5},
                      ValueCase{"3*x^3-2*x^2+x-7", 3 * 0.125 - 2 * 0.25 + 0.5 - 7}));

INSTANTIATE_TEST_SUITE_P(Blanks, LanguageValues,
                         ::testing::Values(ValueCase{"1 2", 12}, ValueCase{"s in(0)", 0},
                                           ValueCase{" 1 + 2 ", 3}, ValueCase{"", kNaN},
                                           ValueCase{"   ", kNaN}, ValueCase{"()", kNaN}));

INSTANTIATE_TEST_SUITE_P(
    Numbers, LanguageValues,
    ::testing::Values(
        ValueCase{".", 0}, ValueCase{".5", 0.5}, ValueCase{"5.", 5}, ValueCase{"0.1+0.2==0.3", 0},
        ValueCase{"007", 7}, ValueCase{"123456789012345678901234567890", 1.2345678901234568e29},
        ValueCase{"0.000000000000000000000000000000000000000000000000000000000000000000000000000000"
                  "000000000000000000000000000000000000000000000000000000000000000000000000000000"
                  "000000000000000000000000000000000000000000000000000000000000000000000000000000"
                  "000000000000000000000000000000000000000000000000000000000000000000000000000000"
                  "000000000000000000000000000000000000000000000000000000000000000000000000000000"
                  "000000000000000000000000000000000000000000000000000000000000000000000000000001",
                  0},
        ValueCase{"1000000000000000000000000000000000000000000000000000000000000000000000000000000"
                  "000000000000000000000000000000000000000000000000000000000000000000000000000000"
                  "000000000000000000000000000000000000000000000000000000000000000000000000000000"
                  "0000000000000000000000000000000000000000000000000000000000000000000000000000000",
                  kInf}));

INSTANTIATE_TEST_SUITE_P(
    Operators, LanguageValues,
    ::testing::Values(ValueCase{"7%3", 1}, ValueCase{"-7%3", -1}, ValueCase{"7%-3", 1},
                      ValueCase{"5.5%2", 1.5}, ValueCase{"1/0", kInf}, ValueCase{"0/0", kNaN},
                      ValueCase{"2^0.5", std::sqrt(2.0)}, ValueCase{"3==3", 1},
                      ValueCase{"1!=1", 0}, ValueCase{"2>=2", 1}, ValueCase{"2<=2", 1},
                      ValueCase{"2>1", 1}, ValueCase{"2<1", 0}, ValueCase{"0&5", 0},
                      ValueCase{"2&-3", 1}, ValueCase{"0|0", 0}, ValueCase{"0|0.001", 1},
                      ValueCase{"!0", 1}, ValueCase{"!-0", 1}, ValueCase{"NaN==NaN", 0},
                      ValueCase{"NaN!=NaN", 1}, ValueCase{"NaN>1", 0}, ValueCase{"!NaN", 0},
                      ValueCase{"NaN&1", 1}, ValueCase{"x^3", 0.125}, ValueCase{"x^2", 0.25}));

INSTANTIATE_TEST_SUITE_P(Names, LanguageValues,
                         ::testing::Values(ValueCase{"pi", 3.14159265359}, ValueCase{"[x]", 0.5},
                                           ValueCase{"[pi]*2", 6.28318530718},
                                           ValueCase{"[sin](0)", 0}, ValueCase{"NaN", kNaN}));

// "^" is the library's pow to the last bit, also for squares and cubes,
// whether it runs or is folded; x*x*x differs from pow(x,3) at the first
// three points, and the sweep crosses every magnitude and rounding case.
TEST(Language, PowerIsExactlyPow) {
  ExprParser parser;
  double x = 0;
  parser.bindVariable(u"x", &x);
  const double kMin = std::numeric_limits<double>::denorm_min();
  for (double v : {0.069500000000000006, 0.083200000000000010, 0.1517, 1.1, 37.3, -2.5, 0.0, -0.0,
                   kMin, 1e-300, 1e300, -1e103, kInf, -kInf, 3.0, 94906267.0}) {
    for (double y : {2.0, 3.0, -1.0, 0.5}) {
      x = v;
      char text[80];
      std::snprintf(text, sizeof text, "x^%g", y);
      const double expected = std::pow(v, y);
      const double got = parser.evaluateText(u16(text));
      EXPECT_TRUE(got == expected || (std::isnan(got) && std::isnan(expected)))
          << v << "^" << y << " gave " << got;
      if (v > 1e-4 && v < 1e15) {  // written without an exponent
        std::snprintf(text, sizeof text, "%.17g^%g", v, y);
        EXPECT_EQ(parser.evaluateText(u16(text)), expected) << text;
      }
    }
  }
  std::mt19937_64 random(12345);
  for (const char* text : {"x^2", "x^3"}) {
    parser.compileText(u16(text));
    const double y = text[2] - '0';
    int mismatches = 0;
    for (int i = 0; i < 300000; ++i) {
      const std::uint64_t bits = random();
      // Half the points anywhere in the double range, half in [-8, 8).
      x = i % 2 ? std::bit_cast<double>(bits)
                : double(std::int64_t(bits >> 11) - (std::int64_t(1) << 52)) * 0x1p-49;
      const double got = parser.evaluateProgram();
      const double expected = std::pow(x, y);
      if (!(got == expected || (std::isnan(got) && std::isnan(expected))) && ++mismatches < 5)
        ADD_FAILURE() << text << " at x = " << x << ": " << got << " != " << expected;
    }
    EXPECT_EQ(mismatches, 0) << text;
  }
}

// Where squares and cubes are not taken from pow: points whose exact power
// lies near a rounding boundary (half the points, found by sampling), and
// points whose power lies next to a power of two, where the last place
// halves below.
TEST(Language, PowerIsPowNearRoundingBoundaries) {
  ExprParser parser;
  double x = 0;
  parser.bindVariable(u"x", &x);
  std::mt19937_64 random(99);
  std::uniform_real_distribution<double> anywhere(-64, 64);
  for (const int y : {2, 3}) {
    parser.compileText(y == 2 ? u"x^2" : u"x^3");
    std::vector<double> points;
    while (points.size() < 40000) {
      const double v = anywhere(random);
      const double square = v * v;
      const double power = y == 2 ? square : square * v;
      const double error = y == 2 ? std::fma(v, v, -square)
                                  : std::fma(square, v, -power) + std::fma(v, v, -square) * v;
      const double unit = std::ldexp(1.0, std::ilogb(power) - 52);
      if (std::fabs(error) >= 0.4 * unit || points.size() % 2) points.push_back(v);
    }
    for (int k = -80; k <= 80; ++k) {
      double v = std::pow(2.0, k / double(y));  // v^y is near 2^k
      for (int j = 0; j < 32; ++j) v = std::nextafter(v, 0.0);
      for (int j = 0; j < 64; ++j, v = std::nextafter(v, 1e9)) {
        points.push_back(v);
        points.push_back(-v);
      }
    }
    int mismatches = 0;
    for (const double v : points) {
      x = v;
      const double got = parser.evaluateProgram();
      if (got != std::pow(v, double(y)) && ++mismatches < 5)
        ADD_FAILURE() << "x^" << y << " at x = " << std::setprecision(17) << v;
    }
    EXPECT_EQ(mismatches, 0);
  }
}

TEST(Language, BracketedNameHoldsOperatorCharacters) {
  ExprParser parser;
  double ab = 7, a = 3, b = 1;
  parser.bindVariable(u"a-b", &ab);
  parser.bindVariable(u"a", &a);
  parser.bindVariable(u"b", &b);
  EXPECT_EQ(parser.evaluateText(u"[a-b]"), 7);
  EXPECT_EQ(parser.evaluateText(u"a-b"), 2);
}

TEST(Language, LocaleDecimalCommaUsesSemicolonSeparator) {
  ExprParser parser;
  ExprParser::setLocaleDecimalQuery([]() -> std::optional<char16_t> { return u','; });
  const bool used = parser.useLocaleSyntax();
  ExprParser::setLocaleDecimalQuery(nullptr);
  ASSERT_TRUE(used);
  EXPECT_EQ(parser.syntax().decimalPoint, u',');
  EXPECT_EQ(parser.syntax().argumentSeparator, u';');
  EXPECT_EQ(parser.evaluateText(u"1,5"), 1.5);
  EXPECT_EQ(parser.evaluateText(u"max(1,5;2)"), 2);
  // The step default of trapezoid follows the decimal point.
  EXPECT_NEAR(parser.evaluateText(u"trapezoid(1;t;0;0,25)"), 0.2, 1e-12);
}

TEST(Language, FailedLocaleQueryChangesNothing) {
  ExprParser parser;
  ExprParser::setLocaleDecimalQuery([]() -> std::optional<char16_t> { return std::nullopt; });
  EXPECT_FALSE(parser.useLocaleSyntax());
  ExprParser::setLocaleDecimalQuery(nullptr);
  EXPECT_EQ(parser.syntax().decimalPoint, u'.');
}

TEST(Language, ConstantFoldingLeavesOnlyLiveSteps) {
  ExprParser parser;
  double x = 1;
  parser.bindVariable(u"x", &x);
  parser.compileText(u"sin(0)+1");
  EXPECT_EQ(parser.instructionCount(), 0u);
  EXPECT_EQ(parser.evaluateProgram(), 1);
  // The variable step writes into the + step's first slot; 2*3 is already 6
  // in its second slot.
  parser.compileText(u"x+2*3");
  ASSERT_EQ(parser.instructionCount(), 2u);
  auto& program = const_cast<ExprParserCompiler&>(parser.compiler()).program();
  ASSERT_EQ(program.size(), 2u);
  EXPECT_EQ(program[0].item, parser.variableByName(u"x"));
  EXPECT_FALSE(program[0].constant);
  EXPECT_EQ(program[0].destination, &program[1].arguments[0]);
  EXPECT_EQ(program[1].item->name(), std::u16string(u"+"));
  EXPECT_EQ(program[1].argCount, 2);
  EXPECT_EQ(program[1].arguments[1], 6);
  EXPECT_EQ(program[1].destination, &program[1].value);
  EXPECT_EQ(parser.evaluateProgram(), 7);
}

TEST(Language, LongProgramsRunAsTheStepsSay) {
  ExprParser parser;
  double x = 0.25;
  parser.bindVariable(u"x", &x);
  // Runs go in stretches of 64 steps: either side of their ends, and long.
  for (int terms : {10, 30, 31, 32, 40, 63, 64, 65, 66, 128, 129, 5000}) {
    std::u16string text = u"x";
    double expected = x;
    for (int i = 1; i < terms; ++i) {
      text += u"+x";
      expected += x;
    }
    EXPECT_EQ(parser.evaluateText(text), expected) << terms;
  }
  // sin nested n times over x: n + 1 instructions, 30 and 31 among them.
  for (unsigned n : {1u, 29u, 30u, 31u}) {
    std::u16string text = u"x";
    double expected = x;
    for (unsigned i = 0; i < n; ++i) {
      text = u"sin(" + text + u")";
      expected = std::sin(expected);
    }
    parser.compileText(text);
    EXPECT_EQ(parser.instructionCount(), n + 1);
    EXPECT_EQ(parser.evaluateProgram(), expected) << n;
  }
}

// A step takes the value made just before it as its first or last argument,
// or from its slot when it is neither; a constant exponent of 2 or 3 has its
// own step. Each way gives what the expression says, to the bit.
TEST(Language, StepsTakeTheValueBeforeThemInEveryPlace) {
  ExprParser parser;
  double x = 0;
  parser.bindVariable(u"x", &x);
  struct Case {
    const char16_t* text;
    double (*expected)(double);
  };
  const Case cases[] = {
      {u"x^2+x", [](double v) { return std::pow(v, 2) + v; }},
      {u"3*x^3-2*x^2+x-7",
       [](double v) { return 3 * std::pow(v, 3) - 2 * std::pow(v, 2) + v - 7; }},
      {u"(x+1)^3", [](double v) { return std::pow(v + 1, 3); }},
      {u"(x-1)^2*3", [](double v) { return std::pow(v - 1, 2) * 3; }},
      {u"2^(x+1)", [](double v) { return std::pow(2, v + 1); }},
      {u"x^(x-1)", [](double v) { return std::pow(v, v - 1); }},
      {u"(x*2)^0.5", [](double v) { return std::pow(v * 2, 0.5); }},
      {u"max(sin(x),x)", [](double v) { return std::max(std::sin(v), v); }},
      {u"max(x,sin(x))", [](double v) { return std::max(v, std::sin(v)); }},
      {u"if(x>0,cos(x),x)", [](double v) { return v > 0 ? std::cos(v) : v; }},
      {u"if(x,x,cos(x))", [](double v) { return v != 0 ? v : std::cos(v); }},
      {u"-(x*3)/x", [](double v) { return -(v * 3) / v; }},
  };
  for (const Case& c : cases) {
    parser.compileText(c.text);
    for (const double v : {-1.5, -0.0, 0.3, 2.0, 1e10, 7e-30}) {
      x = v;
      const double got = parser.evaluateProgram();
      const double want = c.expected(v);
      EXPECT_TRUE(std::bit_cast<std::uint64_t>(got) == std::bit_cast<std::uint64_t>(want) ||
                  (std::isnan(got) && std::isnan(want)))
          << std::u16string_view(c.text).size() << " chars, x = " << v << ": " << got
          << " != " << want << " (case " << &c - cases << ")";
    }
  }
}

}  // namespace
}  // namespace exprparser::test
