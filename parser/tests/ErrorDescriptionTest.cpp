// Error records, their English descriptions and the chained exception.

#include "parser/tests/ParserTestSupport.h"

namespace exprparser::test {
namespace {

struct DescriptionCase {
  int code;
  int position;
  const char* item;
  const char* other;
  int id;
  const char* expected;
};

void PrintTo(const DescriptionCase& c, std::ostream* os) { *os << "code " << c.code; }

class Descriptions : public ::testing::TestWithParam<DescriptionCase> {};

TEST_P(Descriptions, ReadsFromTheRecord) {
  const DescriptionCase& c = GetParam();
  SExprExcepData record;
  record.code = c.code;
  record.position = c.position;
  record.item = u16(c.item);
  record.conflictingItem = u16(c.other);
  record.id = c.id;
  EXPECT_EQ(narrow(describeError(record)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Descriptions,
    ::testing::Values(
        DescriptionCase{
            0, 0, "", "", 0,
            "The argument separator character and the decinal point character are the same"},
        DescriptionCase{4, 7, "x", "y", 3, "Operator name cannot be null"},
        DescriptionCase{6, 0, "a(", "(", 0,
                        "Operator name 'a(' conflicts with the syntax element character: '('."},
        DescriptionCase{7, 0, "#", "", 0, "Operator: #; invalid precedence."},
        DescriptionCase{8, 0, "", "", -4, "Cannot find the specified operator: id = -4"},
        DescriptionCase{13, 0, "sin", "s", 0,
                        "Function name 'sin' conflicts with the operator 's'."},
        DescriptionCase{18, 0, "15", "", 0,
                        "Invalid variable name: 15. Cannot be composed only of numbers"},
        DescriptionCase{29, 0, "", "", 12, "Cannot find the specified constant: id = 12"},
        DescriptionCase{30, 3, "p", "q", 5,
                        "The plug-in's version is incompatible with this library"},
        DescriptionCase{
            31, 0, "", "", 0,
            "The plug-in cannot be found.  Make sure the plug-in is properly registered."},
        DescriptionCase{32, 4, "f(a,,b)", "", 0,
                        "The macro's prototype syntax is incorrect: 'f(a,,b)' at position 5. The "
                        "proper syntax is: macro(arg1, arg2, arg3...)."},
        DescriptionCase{33, 0, "*", "", 0, "Invalid operator syntax: *, at position 1"},
        DescriptionCase{
            34, 4, "hex", "", 1,
            "Invalid function's argument syntax. Function's name: hex, argument 1, at position 5"},
        DescriptionCase{38, 9, "", "", 0,
                        "Missing opening bracket to macth closing bracket at position: 10"},
        DescriptionCase{41, 0, "sin", "", 2,
                        "Function :sin, position: 1.  No overloaded function takes 2 arguments"},
        DescriptionCase{43, 2, "{pos}", "", 0, "Missing operator before : {pos}, at position: 3"},
        DescriptionCase{47, 0, "", "", 0, "Internal error at position: 1"},
        DescriptionCase{48, 6, "", "", 16,
                        "Macros are nested too deeply at position: 7. At most 16 levels are "
                        "allowed"},
        DescriptionCase{49, 0, "", "", 0, "No description available"},
        DescriptionCase{-1, 0, "", "", 0, "No description available"}));

TEST(ChainedException, OuterEntryComesFirstAndBothCatchFormsAgree) {
  ExprParser parser;
  std::vector<std::u16string> asBase;
  try {
    parser.evaluateText(u"derivate(y^2, t, 1)");
  } catch (const ExprException& e) {
    asBase = e.descriptions;
  }
  try {
    parser.evaluateText(u"derivate(y^2, t, 1)");
    FAIL();
  } catch (const ParserError& e) {
    ASSERT_EQ(e.entries.size(), 2u);
    EXPECT_EQ(e.entries[0].record.code, FunctionArgumentSyntax);
    EXPECT_EQ(e.entries[0].record.id, 1);
    EXPECT_EQ(e.entries[0].line, 336);
    EXPECT_EQ(e.entries[0].sourceFile, u".\\ExprParserDefFuncs");
    EXPECT_EQ(e.entries[1].record.code, UndefinedVariable);
    EXPECT_EQ(
        narrow(e.descriptions[0]),
        "Invalid function's argument syntax. Function's name: derivate, argument 1, at position 9");
    EXPECT_EQ(narrow(e.descriptions[1]), "Undefined variable: y, at position: 1");
    EXPECT_EQ(e.description, e.descriptions[0]);
    EXPECT_EQ(e.line, 336);
    EXPECT_EQ(e.descriptions, asBase);
  }
}

TEST(ChainedException, CopiesKeepEveryEntry) {
  SExprExcepData inner;
  inner.code = 45;
  ParserError e(1039, kCompilerSource, 0, inner, describeError(inner));
  SExprExcepData outer;
  outer.code = 34;
  e.addEntry(496, kDefFuncsSource, 0, outer, describeError(outer));
  const ParserError copy = e;
  ASSERT_EQ(copy.entries.size(), 2u);
  EXPECT_EQ(copy.entries[1].line, 1039);
  EXPECT_EQ(copy.line, 496);
  EXPECT_EQ(copy.sourceFile, kDefFuncsSource);
}

}  // namespace
}  // namespace exprparser::test
