// Expression -> (error code, position, description): positions count in the
// text as written, blanks included, unless noted.

#include "parser/tests/ParserTestSupport.h"

namespace exprparser::test {
namespace {

struct ErrorCase {
  const char* text;
  int code;
  int position;
  const char* description;
};

void PrintTo(const ErrorCase& c, std::ostream* os) { *os << c.text; }

class CompilerErrors : public ::testing::TestWithParam<ErrorCase> {
 protected:
  CompilerErrors() {
    parser.bindVariable(u"x", &x);
    parser.bindVariable(u"y", &y);
  }
  ExprParser parser;
  double x = 1, y = 2;
};

TEST_P(CompilerErrors, RaisesPositionedError) {
  const ErrorCase& c = GetParam();
  const ErrorSeen seen = captureError([&] { parser.evaluateText(u16(c.text)); });
  ASSERT_TRUE(seen.thrown) << c.text;
  EXPECT_EQ(seen.code, c.code) << c.text;
  EXPECT_EQ(seen.position, c.position) << c.text;
  EXPECT_EQ(seen.description, c.description) << c.text;
  // A failed compile leaves nothing half-built to run.
  EXPECT_TRUE(std::isnan(parser.evaluateProgram())) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Table, CompilerErrors,
    ::testing::Values(
        ErrorCase{"x*!y", 42, 1, "Invalid syntax near position 2"},
        ErrorCase{"sin(1,2)", 41, 0,
                  "Function :sin, position: 1.  No overloaded function takes 2 arguments"},
        ErrorCase{"1 + sin()", 41, 2,
                  "Function :sin, position: 3.  No overloaded function takes 0 arguments"},
        ErrorCase{"min()", 41, 0,
                  "Function :min, position: 1.  No overloaded function takes 0 arguments"},
        ErrorCase{"max(1,)", 46, 5, "Invalid use of an argument separator at position: 6"},
        ErrorCase{"max(,1)", 46, 4, "Invalid use of an argument separator at position: 5"},
        ErrorCase{"1,2", 39, 1,
                  "Invalid use of an argument separator outside a function at position: 2"},
        ErrorCase{"(1,2)", 39, 2,
                  "Invalid use of an argument separator outside a function at position: 3"},
        ErrorCase{"2+", 37, 1, "Unexpected operator near position: 2"},
        ErrorCase{"(2+)", 37, 3, "Unexpected operator near position: 4"},
        ErrorCase{"2 )", 38, 2, "Missing opening bracket to macth closing bracket at position: 3"},
        ErrorCase{"1 + (2", 40, 4,
                  "Missing closing bracket to match opening bracket at position: 5"},
        ErrorCase{"2 x", 45, 0, "Undefined variable: 2x, at position: 1"},
        ErrorCase{"(x)2", 43, 3, "Missing operator before : 2, at position: 4"},
        ErrorCase{"sin 2", 45, 0, "Undefined variable: sin2, at position: 1"},
        ErrorCase{"1.2.3", 45, 0, "Undefined variable: 1.2.3, at position: 1"},
        ErrorCase{"  foo(1)", 44, 2, "Undefined function: foo, at position: 3"},
        ErrorCase{"x ]", 36, 2, "Unexpected end variable name character at position: 3"},
        ErrorCase{"[a[b]", 35, 2, "Unexpected begin variable name character at position: 3"},
        ErrorCase{"*2", 33, 0, "Invalid operator syntax: *, at position 1"},
        ErrorCase{"1 + >= 2", 33, 4, "Invalid operator syntax: >=, at position 5"},
        ErrorCase{"1e5", 45, 0, "Undefined variable: 1e5, at position: 1"},
        // A bracket right after a value or a closed call has no operator before it.
        ErrorCase{"(x)(y)", 43, 3, "Missing operator before : (, at position: 4"},
        ErrorCase{"(1)(2)", 43, 3, "Missing operator before : (, at position: 4"},
        ErrorCase{"sin(1) (2)", 43, 7, "Missing operator before : (, at position: 8"},
        ErrorCase{"hex(f)(2)", 43, 6, "Missing operator before : (, at position: 7"},
        ErrorCase{"derivate(t,t,1)(2)", 43, 15, "Missing operator before : (, at position: 16"},
        ErrorCase{"x(y)", 44, 0, "Undefined function: x, at position: 1"}));

TEST(CompilerErrorsBlankFreePositions, HexArgumentPositionCountsWithoutBlanks) {
  ExprParser parser;
  const ErrorSeen seen = captureError([&] { parser.evaluateText(u"hex (F G)"); });
  EXPECT_EQ(seen.code, 34);
  EXPECT_EQ(seen.description,
            "Invalid function's argument syntax. Function's name: hex, argument 1, at position 5");
}

TEST(CompilerErrorsChained, SourceFileAndLineOfRaisePoint) {
  ExprParser parser;
  try {
    parser.evaluateText(u"1+");
    FAIL();
  } catch (const ParserError& e) {
    EXPECT_EQ(e.sourceFile, u".\\ExprParserCompiler");
    EXPECT_EQ(e.line, 1029);
    ASSERT_EQ(e.entries.size(), 1u);
    EXPECT_EQ(e.entries[0].record.description, u"");
  }
}

}  // namespace
}  // namespace exprparser::test
