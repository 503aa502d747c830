// The parser object: bound variables, the compiled-program cache, copies and
// what is left to run after failures and removals.

#include "parser/ParserFacade/BoundVariable.h"
#include "parser/tests/ParserTestSupport.h"

namespace exprparser::test {
namespace {

TEST(Facade, FreshParserHoldsNaN) {
  ExprParser parser;
  EXPECT_TRUE(std::isnan(parser.evaluateProgram()));
  EXPECT_TRUE(parser.lastResultNaN());
  EXPECT_FALSE(parser.lastResultFinite());
  EXPECT_TRUE(parser.isConstantProgram());
  EXPECT_TRUE(std::isnan(parser.nanValue()));
}

TEST(Facade, BoundVariableIsReadAtEveryRun) {
  ExprParser parser;
  double v = 3;
  parser.bindVariable(u"x", &v);
  EXPECT_EQ(parser.evaluateText(u"x*2"), 6);
  v = 4;
  EXPECT_EQ(parser.evaluateProgram(), 8);
  EXPECT_EQ(parser.evaluateText(u"x"), 4);
  v = -1;
  EXPECT_EQ(parser.evaluateProgram(), -1);
  EXPECT_EQ(parser.expressionText(), u"x");
}

TEST(Facade, ConstantProgramHasNoSteps) {
  ExprParser parser;
  parser.compileText(u"2+3");
  EXPECT_EQ(parser.instructionCount(), 0u);
  EXPECT_TRUE(parser.isConstantProgram());
  EXPECT_EQ(parser.evaluateProgram(), 5);
  EXPECT_TRUE(parser.lastResultFinite());
}

TEST(Facade, LastResultBeforeAndAfterRuns) {
  ExprParser parser;
  double v = 0;
  parser.bindVariable(u"x", &v);
  parser.compileText(u"x/0");
  EXPECT_FALSE(parser.lastResultNaN());  // nothing has run yet: the value is 0
  parser.evaluateProgram();
  EXPECT_TRUE(parser.lastResultNaN());
  v = 1;
  parser.evaluateProgram();
  EXPECT_FALSE(parser.lastResultNaN());
  EXPECT_FALSE(parser.lastResultFinite());
}

TEST(Facade, FailedCompileLeavesNaNProgram) {
  ExprParser parser;
  double v = 2;
  parser.bindVariable(u"x", &v);
  EXPECT_EQ(parser.evaluateText(u"x+1"), 3);
  EXPECT_THROW(parser.evaluateText(u"x+sin(x"), ExprException);
  EXPECT_TRUE(std::isnan(parser.evaluateProgram()));
  EXPECT_EQ(parser.instructionCount(), 0u);
  EXPECT_THROW(parser.evaluateText(u"derivate(t^2, t, x) + foo"), ExprException);
  EXPECT_TRUE(std::isnan(parser.evaluateProgram()));
}

TEST(Facade, RemovingVariablesDropsTheProgram) {
  ExprParser parser;
  double a = 1, b = 2;
  const VariableKey keyA = parser.bindVariable(u"a", &a);
  parser.bindVariable(u"b", &b);
  EXPECT_EQ(parser.evaluateText(u"a+b"), 3);
  parser.removeVariable(keyA);
  EXPECT_TRUE(std::isnan(parser.evaluateProgram()));
  EXPECT_EQ(parser.evaluateText(u"b*3"), 6);
  parser.removeAllVariables();
  EXPECT_TRUE(std::isnan(parser.evaluateProgram()));
  EXPECT_EQ(captureError([&] { parser.evaluateText(u"b"); }).code, UndefinedVariable);
}

TEST(Facade, AutomaticDefinitionCreatesUnknownNames) {
  ExprParser parser;
  EXPECT_EQ(captureError([&] { parser.evaluateText(u"y+1"); }).code, UndefinedVariable);
  parser.enableAutoDefinition(true);
  EXPECT_TRUE(parser.autoDefinitionEnabled());
  EXPECT_EQ(parser.evaluateText(u"y+1"), 1);
  ASSERT_EQ(parser.usedVariableCount(), 1u);
  EXPECT_EQ(parser.usedVariable(0).name, u"y");
  parser.variableByName(u"y")->assign(4);
  EXPECT_EQ(parser.evaluateProgram(), 5);
}

TEST(Facade, UsedVariablesListEachNameOnce) {
  ExprParser parser;
  double x = 1, y = 2;
  parser.bindVariable(u"x", &x);
  parser.bindVariable(u"y", &y);
  parser.compileText(u"x*x+y-x");
  ASSERT_EQ(parser.usedVariableCount(), 2u);
  EXPECT_EQ(parser.usedVariable(0).name, u"x");
  EXPECT_EQ(parser.usedVariable(1).name, u"y");
}

TEST(Facade, CopyHasSameDefinitionsAndProgram) {
  ExprParser parser;
  double x = 2;
  parser.bindVariable(u"x", &x);
  parser.addConstant(u"k", 10);
  parser.enableAutoDefinition(true);
  parser.compileText(u"x*k");
  const ExprParser copy(parser);
  EXPECT_EQ(const_cast<ExprParser&>(copy).evaluateProgram(), 20);
  x = 3;
  EXPECT_EQ(const_cast<ExprParser&>(copy).evaluateProgram(), 30);
  EXPECT_TRUE(copy.autoDefinitionEnabled());
  EXPECT_EQ(copy.expressionText(), u"x*k");
}

// Names made by automatic definition own their doubles; a copy shares them
// and keeps them alive when the original goes first.
TEST(Facade, CopyOutlivesTheOriginal) {
  auto original = std::make_unique<ExprParser>();
  original->enableAutoDefinition(true);
  original->compileText(u"y+1");
  original->variableByName(u"y")->assign(4);
  ExprParser copy(*original);
  copy.variableByName(u"y")->assign(5);
  EXPECT_EQ(original->evaluateProgram(), 6);  // one double, seen by both
  original.reset();
  EXPECT_EQ(copy.evaluateProgram(), 6);
  copy.variableByName(u"y")->assign(9);
  EXPECT_EQ(copy.evaluateProgram(), 10);
  EXPECT_NEAR(copy.evaluateText(u"derivate(t*y, t, 0)"), 9, 1e-9);
}

TEST(Facade, EquationDialogSequence) {
  ExprParser parser;
  double x = 0;
  parser.bindVariable(u"x", &x);
  parser.addConstant(u"pi", 3.14159265359);
  parser.addConstant(u"e", 2.718281828459045);
  for (int i = 0; i < 4; ++i) {
    x = i * 0.5;
    EXPECT_DOUBLE_EQ(parser.evaluateText(u"sin(x) * e ^ 1 + pi"),
                     std::sin(x) * 2.718281828459045 + 3.14159265359);
  }
}

}  // namespace
}  // namespace exprparser::test
