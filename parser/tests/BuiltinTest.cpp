// Built-in functions and the text-argument functions hex and bin.

#include <cmath>
#include <iomanip>
#include <limits>

#include <map>

#include "parser/ExprParserRegistrar/TextUtils.h"
#include "parser/tests/ParserTestSupport.h"

namespace exprparser::test {
namespace {

class Builtins : public ::testing::TestWithParam<ValueCase> {};

TEST_P(Builtins, EvaluateTo) {
  ExprParser parser;
  const ValueCase& c = GetParam();
  const double value = parser.evaluateText(u16(c.text));
  if (std::isnan(c.expected))
    EXPECT_TRUE(std::isnan(value)) << c.text << " gave " << value;
  else
    EXPECT_EQ(value, c.expected) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Numeric, Builtins,
    ::testing::Values(
        ValueCase{"round(2.5)", 3}, ValueCase{"round(-2.5)", -3}, ValueCase{"round(0.4)", 0},
        ValueCase{"round(-0.4)", 0}, ValueCase{"round(0)", 0}, ValueCase{"sin(0)", 0},
        ValueCase{"cos(0)", 1}, ValueCase{"tan(0)", 0}, ValueCase{"asin(1)", std::asin(1.0)},
        ValueCase{"acos(1)", 0}, ValueCase{"atan(1)", std::atan(1.0)},
        ValueCase{"sinh(1)", std::sinh(1.0)}, ValueCase{"cosh(1)", std::cosh(1.0)},
        ValueCase{"tanh(1)", std::tanh(1.0)}, ValueCase{"sqrt(16)", 4}, ValueCase{"sqrt(-1)", kNaN},
        ValueCase{"abs(-3)", 3}, ValueCase{"ceil(1.2)", 2}, ValueCase{"floor(-1.2)", -2},
        ValueCase{"log(1)", 0}, ValueCase{"log(0)", -kInf}, ValueCase{"log(-1)", kNaN},
        ValueCase{"min(3,1,2,0,5)", 0}, ValueCase{"max(3,1,2,0,5)", 5}, ValueCase{"min(7)", 7},
        ValueCase{"min(3,1,2)", 1}, ValueCase{"min(3,1,2,0)", 0}, ValueCase{"max(1,2)", 2},
        ValueCase{"max(3,1,2)", 3}, ValueCase{"min(NaN,1)", 1}, ValueCase{"min(1,NaN)", kNaN},
        ValueCase{"min(NaN,1,2,3)", kNaN}, ValueCase{"max(1,NaN,2,0)", 2},
        ValueCase{"avg(1,2,3,4)", 2.5}, ValueCase{"sum(1)", 1}, ValueCase{"sum(1,2,3)", 6},
        ValueCase{"if(0,1,2)", 2}, ValueCase{"if(-0.5,1,2)", 1}, ValueCase{"if(NaN,1,2)", 1},
        ValueCase{"isNaN(0/0)", 1}, ValueCase{"isNaN(1)", 0}, ValueCase{"isFinite(1/0)", 0},
        ValueCase{"isFinite(1)", 1}));

// Mended: log10 is the base-10 logarithm; fact and round work in double.
INSTANTIATE_TEST_SUITE_P(
    Mended, Builtins,
    ::testing::Values(ValueCase{"log10(100)", 2}, ValueCase{"log10(0.001)", -3},
                      ValueCase{"fact(0)", 1}, ValueCase{"fact(-3)", 1}, ValueCase{"fact(1)", 1},
                      ValueCase{"fact(5.9)", 120}, ValueCase{"fact(12)", 479001600},
                      ValueCase{"fact(13)", 6227020800.0}, ValueCase{"fact(17)", 355687428096000.0},
                      ValueCase{"fact(22)", 1124000727777607680000.0},
                      ValueCase{"fact(170)", 7.257415615307994e306}, ValueCase{"fact(171)", kInf},
                      ValueCase{"fact(1000000000)", kInf}, ValueCase{"fact(1/0)", kInf},
                      ValueCase{"fact(0/0)", kNaN}, ValueCase{"round(3000000000.5)", 3000000001.0},
                      ValueCase{"round(0-10^300)", -1e300}, ValueCase{"-10^2", 100},
                      ValueCase{"round(1/0)", kInf}, ValueCase{"round(-1/0)", -kInf},
                      ValueCase{"round(0/0)", kNaN}));

INSTANTIATE_TEST_SUITE_P(TextArguments, Builtins,
                         ::testing::Values(ValueCase{"hex(ff)", 255}, ValueCase{"hex(FF)", 255},
                                           ValueCase{"hex(FFFFFFFF)", 4294967295.0},
                                           ValueCase{"hex(100000000)", 0}, ValueCase{"hex()", 0},
                                           ValueCase{"hex(10)+1", 17}, ValueCase{"bin(0)", 0},
                                           ValueCase{"bin(1111)", 15}, ValueCase{"bin(101)", 5},
                                           ValueCase{"bin(11111111111111111111111111111111)", -1},
                                           ValueCase{"bin(100000000000000000000000000000000)", 0},
                                           ValueCase{"2*bin(11)", 6}));

// A zero's sign shows in what divides by it. Each row is computed twice:
// folded while compiling, and at run time through a variable.
struct SignedCase {
  const char* function;
  double argument;
  double expected;
};

void PrintTo(const SignedCase& c, std::ostream* os) {
  *os << c.function << "(" << std::setprecision(17) << c.argument << ")";
}

class SignedResults : public ::testing::TestWithParam<SignedCase> {};

TEST_P(SignedResults, KeepTheSignAndEveryDigit) {
  const SignedCase& c = GetParam();
  ExprParser parser;
  double x = c.argument;
  parser.bindVariable(u"x", &x);
  const std::u16string call = u16(c.function) + u"(x)";
  parser.addConstant(u"k", c.argument);
  for (const double value :
       {parser.evaluateText(u16(c.function) + u"(k)"), parser.evaluateText(call)}) {
    EXPECT_EQ(value, c.expected);
    EXPECT_EQ(std::signbit(value), std::signbit(c.expected));
  }
  EXPECT_EQ(parser.evaluateText(u"1/" + call), 1 / c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SignedResults,
    ::testing::Values(SignedCase{"round", 0.0, 0.0}, SignedCase{"round", -0.0, 0.0},
                      SignedCase{"round", -0.4, 0.0}, SignedCase{"round", 0.4, 0.0},
                      SignedCase{"round", -0.5, -1.0},
                      SignedCase{"round", 4503599627370497.0, 4503599627370497.0},
                      SignedCase{"round", -4503599627370497.0, -4503599627370497.0},
                      SignedCase{"round", 2251799813685248.5, 2251799813685249.0},
                      SignedCase{"round", 0.49999999999999994, 0.0}, SignedCase{"avg", -0.0, -0.0},
                      SignedCase{"avg", 0.0, 0.0}, SignedCase{"sum", -0.0, 0.0}));

TEST(Builtins, AverageStartsFromItsFirstArgument) {
  ExprParser parser;
  EXPECT_TRUE(std::signbit(parser.evaluateText(u"avg(-0, -0, -0)")));
  EXPECT_FALSE(std::signbit(parser.evaluateText(u"sum(-0, -0, -0)")));
  EXPECT_EQ(parser.evaluateText(u"avg(10^308, 10^308, 0-10^308)"), kInf);  // in order
}

TEST(Builtins, RandIsNeverFolded) {
  ExprParser parser;
  parser.compileText(u"rand()");
  EXPECT_EQ(parser.instructionCount(), 1u);
  parser.compileText(u"rand(5, 6)");
  EXPECT_EQ(parser.instructionCount(), 1u);
  for (int i = 0; i < 100; ++i) {
    const double r = parser.evaluateProgram();
    EXPECT_GE(r, 5);
    EXPECT_LE(r, 6);
  }
}

TEST(Builtins, TextArgumentErrors) {
  ExprParser parser;
  ErrorSeen seen = captureError([&] { parser.evaluateText(u"hex(G1)"); });
  EXPECT_EQ(seen.code, FunctionArgumentSyntax);
  EXPECT_EQ(seen.description,
            "Invalid function's argument syntax. Function's name: hex, argument 1, at position 5");
  EXPECT_EQ(seen.descriptions.size(), 1u);
  seen = captureError([&] { parser.evaluateText(u"1+bin(12)"); });
  EXPECT_EQ(seen.description,
            "Invalid function's argument syntax. Function's name: bin, argument 1, at position 7");
  seen = captureError([&] { parser.evaluateText(u"hex(1+2)"); });
  EXPECT_EQ(seen.code, FunctionArgumentSyntax);
  seen = captureError([&] { parser.evaluateText(u"1 + bin(101"); });
  EXPECT_EQ(seen.code, MissingClosingBracket);
  EXPECT_EQ(seen.position, 7);
}

TEST(Builtins, DescriptiveTexts) {
  ExprParser parser;
  std::map<std::u16string, std::pair<std::u16string, std::u16string>> texts;
  for (unsigned i = 0; i < parser.functionCount(); ++i) {
    FunctionDef* f = parser.functionAt(i);
    texts[std::u16string(f->name()) + u"/" + integerText(f->argCount())] = {f->usage(),
                                                                            f->summary()};
  }
  EXPECT_EQ(parser.functionCount(), 35u);
  EXPECT_EQ(texts[u"isNaN/1"].first, u"isNan(value)");
  EXPECT_EQ(texts[u"solve/4"].first,
            u"solve(expression, variable, result, [v0=0], [tol=0.01],[maxIter=100]");
  EXPECT_EQ(texts[u"log10/1"].second, u"Base-10 logarithm");
  EXPECT_EQ(parser.operatorAt(parser.operatorCount() - 1)->name(), std::u16string(u"!"));
  EXPECT_EQ(std::u16string(parser.operatorAt(0)->summary()),
            u"Greater than or equal logical operator.  Returns 1 if true, 0 if false.");
}

}  // namespace
}  // namespace exprparser::test
