// Definitions: validation, overloads, keys and syntax characters.

#include "parser/ExprParserRegistrar/TextUtils.h"
#include "parser/ParserFacade/BoundVariable.h"
#include "parser/tests/ParserTestSupport.h"

namespace exprparser::test {
namespace {

class NamedFunction final : public FunctionDef {
 public:
  NamedFunction(std::u16string name, int count, double value = 0)
      : name_(std::move(name)), count_(count), value_(value) {}
  const char16_t* name() const override { return name_.c_str(); }
  const char16_t* usage() const override { return u""; }
  const char16_t* summary() const override { return u""; }
  double compute(unsigned, const double*) override { return value_; }
  int argCount() const override { return count_; }
  std::unique_ptr<FunctionDef> duplicate() const override {
    return std::make_unique<NamedFunction>(name_, count_, value_);
  }

 private:
  std::u16string name_;
  int count_;
  double value_;
};

class NamedOperator final : public OperatorDef {
 public:
  NamedOperator(std::u16string name, int precedence) : name_(std::move(name)), level_(precedence) {}
  const char16_t* name() const override { return name_.c_str(); }
  const char16_t* usage() const override { return u""; }
  const char16_t* summary() const override { return u""; }
  double compute(unsigned, const double* a) override { return a[0] * 10 + a[1]; }
  int precedenceLevel() const override { return level_; }
  std::unique_ptr<OperatorDef> duplicate() const override {
    return std::make_unique<NamedOperator>(name_, level_);
  }

 private:
  std::u16string name_;
  int level_;
};

struct DefinitionCase {
  const char* label;
  std::function<void(ExprParser&)> define;
  int code;
  const char* description;
};

void PrintTo(const DefinitionCase& c, std::ostream* os) { *os << c.label; }

class Refusals : public ::testing::TestWithParam<DefinitionCase> {};

double g_value = 0;

TEST_P(Refusals, RaiseCodeAndLeaveDefinitionsAsTheyWere) {
  const DefinitionCase& c = GetParam();
  ExprParser parser;
  parser.bindVariable(u"x", &g_value);
  parser.addConstant(u"pi", 3.14);
  parser.addConstant(u"a@b", 1);
  const unsigned functions = parser.functionCount(), operators = parser.operatorCount(),
                 constants = parser.constantCount();
  const ErrorSeen seen = captureError([&] { c.define(parser); });
  ASSERT_TRUE(seen.thrown);
  EXPECT_EQ(seen.code, c.code);
  EXPECT_EQ(seen.position, 0);
  EXPECT_EQ(seen.description, c.description);
  EXPECT_EQ(parser.functionCount(), functions);
  EXPECT_EQ(parser.operatorCount(), operators);
  EXPECT_EQ(parser.constantCount(), constants);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Refusals,
    ::testing::Values(
        DefinitionCase{
            "second sin(x)",
            [](ExprParser& p) { p.addFunction(std::make_unique<NamedFunction>(u"sin", 1)); }, 9,
            "Function already defined: sin"},
        DefinitionCase{
            "empty function",
            [](ExprParser& p) { p.addFunction(std::make_unique<NamedFunction>(u"", 1)); }, 10,
            "Function name cannot be null"},
        DefinitionCase{
            "blank function",
            [](ExprParser& p) { p.addFunction(std::make_unique<NamedFunction>(u"a b", 1)); }, 11,
            "This function's name contains space characters: a b"},
        DefinitionCase{
            "bracket function",
            [](ExprParser& p) { p.addFunction(std::make_unique<NamedFunction>(u"f(", 1)); }, 12,
            "Function name 'f(' conflicts with the syntax element character: '('."},
        DefinitionCase{
            "function a-b",
            [](ExprParser& p) { p.addFunction(std::make_unique<NamedFunction>(u"a-b", 1)); }, 13,
            "Function name 'a-b' conflicts with the operator '-'."},
        DefinitionCase{
            "operator s",
            [](ExprParser& p) { p.addOperator(std::make_unique<NamedOperator>(u"s", 1)); }, 13,
            "Function name 'sin' conflicts with the operator 's'."},
        DefinitionCase{
            "operator +",
            [](ExprParser& p) { p.addOperator(std::make_unique<NamedOperator>(u"+", 1)); }, 3,
            "Operator already defined: +"},
        DefinitionCase{
            "operator empty",
            [](ExprParser& p) { p.addOperator(std::make_unique<NamedOperator>(u"", 1)); }, 4,
            "Operator name cannot be null"},
        DefinitionCase{
            "operator blank",
            [](ExprParser& p) { p.addOperator(std::make_unique<NamedOperator>(u"# #", 1)); }, 5,
            "This operator's name contains space characters: # #"},
        DefinitionCase{
            "operator level 5",
            [](ExprParser& p) { p.addOperator(std::make_unique<NamedOperator>(u"#", 5)); }, 7,
            "Operator: #; invalid precedence."},
        DefinitionCase{
            "operator level -1",
            [](ExprParser& p) { p.addOperator(std::make_unique<NamedOperator>(u"#", -1)); }, 7,
            "Operator: #; invalid precedence."},
        DefinitionCase{
            "operator [",
            [](ExprParser& p) { p.addOperator(std::make_unique<NamedOperator>(u"[", 1)); }, 6,
            "Operator name '[' conflicts with the syntax element character: '['."},
        DefinitionCase{
            "operator in a constant",
            [](ExprParser& p) { p.addOperator(std::make_unique<NamedOperator>(u"@", 1)); }, 27,
            "Constant name 'a@b' conflicts with the operator '@'."},
        DefinitionCase{"variable x again", [](ExprParser& p) { p.bindVariable(u"x", &g_value); },
                       15, "Variable already defined: x"},
        DefinitionCase{"variable empty", [](ExprParser& p) { p.bindVariable(u"", &g_value); }, 16,
                       "Variable name cannot be null"},
        DefinitionCase{"variable blank", [](ExprParser& p) { p.bindVariable(u"a b", &g_value); },
                       17, "This variable's name contains space characters: a b"},
        DefinitionCase{"variable 1.5", [](ExprParser& p) { p.bindVariable(u"1.5", &g_value); }, 18,
                       "Invalid variable name: 1.5. Cannot be composed only of numbers"},
        DefinitionCase{"variable 42", [](ExprParser& p) { p.bindVariable(u"42", &g_value); }, 18,
                       "Invalid variable name: 42. Cannot be composed only of numbers"},
        DefinitionCase{"variable pi", [](ExprParser& p) { p.bindVariable(u"pi", &g_value); }, 19,
                       "Variable name 'pi' conflicts with the constant of the same name."},
        DefinitionCase{"variable a]", [](ExprParser& p) { p.bindVariable(u"a]", &g_value); }, 20,
                       "Variable name 'a]' contains the variable delimiter character: ']'."},
        DefinitionCase{"constant pi again", [](ExprParser& p) { p.addConstant(u"pi", 1); }, 22,
                       "Constant already defined: pi"},
        DefinitionCase{"constant empty", [](ExprParser& p) { p.addConstant(u"", 1); }, 23,
                       "Constant name cannot be null"},
        DefinitionCase{"constant blank", [](ExprParser& p) { p.addConstant(u"a b", 1); }, 24,
                       "This constant's name contains space characters: a b"},
        DefinitionCase{"constant 1.5", [](ExprParser& p) { p.addConstant(u"1.5", 1); }, 25,
                       "Invalid constant name: 1.5. Cannot be composed only of numbers"},
        DefinitionCase{"constant a,b", [](ExprParser& p) { p.addConstant(u"a,b", 1); }, 26,
                       "Constant name 'a,b' conflicts with the syntax element character: ','."},
        DefinitionCase{"constant a-b", [](ExprParser& p) { p.addConstant(u"a-b", 1); }, 27,
                       "Constant name 'a-b' conflicts with the operator '-'."},
        DefinitionCase{"constant x", [](ExprParser& p) { p.addConstant(u"x", 1); }, 28,
                       "Constant name 'x' conflicts with the variable of the same name."},
        DefinitionCase{"operatorAt count", [](ExprParser& p) { p.operatorAt(p.operatorCount()); },
                       8, "Cannot find the specified operator: id = 16"},
        DefinitionCase{"functionAt count", [](ExprParser& p) { p.functionAt(p.functionCount()); },
                       14, "Cannot find the specified function: id = 35"},
        DefinitionCase{"constantAt count",
                       [](ExprParser& p) {
                         std::u16string n;
                         double v;
                         p.constantAt(3, n, v);
                       },
                       29, "Cannot find the specified constant: id = 3"},
        DefinitionCase{"unknown variable", [](ExprParser& p) { p.variableByName(u"zz"); }, 21,
                       "Variable not found: zz"},
        DefinitionCase{
            "plug-in",
            [](ExprParser& p) { p.loadPluginByClassId(u"{00000000-0000-0000-0000-000000000000}"); },
            31, "The plug-in cannot be found.  Make sure the plug-in is properly registered."},
        DefinitionCase{
            "separator is point",
            [](ExprParser& p) {
              p.applySyntax({u',', u',', u'[', u']'});
            },
            0, "The argument separator character and the decinal point character are the same"},
        DefinitionCase{"separator is delimiter",
                       [](ExprParser& p) {
                         p.applySyntax({u'.', u'[', u'[', u']'});
                       },
                       1,
                       "The argument separator character and one of the variable name delimiter "
                       "characters are the same"},
        DefinitionCase{"point is delimiter",
                       [](ExprParser& p) { p.applySyntax({u']', u',', u'[', u']'}); }, 2,
                       "The decimal point character and one of the variable name delimiter "
                       "characters are the same"},
        DefinitionCase{"separator - clashes",
                       [](ExprParser& p) { p.applySyntax({u'.', u'^', u'[', u']'}); }, 6,
                       "Operator name '^' conflicts with the syntax element character: '^'."},
        DefinitionCase{"point n clashes",
                       [](ExprParser& p) { p.applySyntax({u'n', u',', u'[', u']'}); }, 12,
                       "Function name 'round' conflicts with the syntax element character: 'n'."}));

TEST(Registrar, OverloadsByArgumentCount) {
  ExprParser parser;
  parser.addFunction(std::make_unique<NamedFunction>(u"sin", 2, 42));
  EXPECT_EQ(parser.evaluateText(u"sin(1,2)"), 42);
  EXPECT_EQ(parser.evaluateText(u"sin(0)"), 0);
  const auto& registrar = parser.registrar();
  unsigned index = 0;
  ASSERT_TRUE(registrar.findFunctionForArgs(u"min", 4, index));
  EXPECT_EQ(parser.functionAt(index)->argCount(), -1);
  ASSERT_TRUE(registrar.findFunctionForArgs(u"min", 2, index));
  EXPECT_EQ(parser.functionAt(index)->argCount(), 2);
  EXPECT_FALSE(registrar.findFunctionForArgs(u"min", 0, index));
}

TEST(Registrar, AcceptedNamesAndSyntax) {
  ExprParser parser;
  double v = 0;
  EXPECT_NO_THROW(parser.bindVariable(u"a-b", &v));
  EXPECT_NO_THROW(parser.bindVariable(u"x1", &v));
  EXPECT_NO_THROW(parser.applySyntax({u'.', u',', u'[', u'['}));
  EXPECT_NO_THROW(parser.addOperator(std::make_unique<NamedOperator>(u"#", 1)));
  EXPECT_EQ(parser.evaluateText(u"1#2"), 12);
}

TEST(Registrar, OperatorsLongestFirstSoGreaterEqualWins) {
  ExprParser parser;
  std::u16string symbol;
  ASSERT_TRUE(parser.registrar().matchOperatorAt(u">=3", 3, symbol));
  EXPECT_EQ(symbol, u">=");
  ASSERT_TRUE(parser.registrar().matchOperatorAt(u">=3", 1, symbol));
  EXPECT_EQ(symbol, u">");
  EXPECT_EQ(std::u16string(parser.operatorAt(0)->name()).size(), 2u);
}

TEST(Registrar, StaleKeysAreRefreshedAfterRemoval) {
  ExprParser parser;
  double a = 1, b = 2, c = 3;
  const VariableKey keyA = parser.bindVariable(u"a", &a);
  parser.bindVariable(u"b", &b);
  VariableKey keyC = parser.bindVariable(u"c", &c);
  EXPECT_EQ(keyC.index, 2);
  parser.removeVariable(keyA);
  EXPECT_EQ(parser.variableByKey(keyC)->current(), 3);
  EXPECT_EQ(keyC.index, 1);
  EXPECT_EQ(captureError([&] { parser.removeVariable(keyA); }).code, VariableNotFound);
}

TEST(Registrar, DuplicateCarriesEverythingOver) {
  ExprParser parser;
  double x = 5;
  parser.bindVariable(u"x", &x);
  parser.addConstant(u"k", 2);
  parser.applySyntax({u'.', u';', u'{', u'}'});
  ExprParser copy(parser.compiler(), parser.registrar());
  EXPECT_EQ(copy.evaluateText(u"max({x};k)*k"), 10);
  EXPECT_EQ(copy.functionCount(), parser.functionCount());
  EXPECT_EQ(copy.operatorCount(), parser.operatorCount());
}

TEST(TextUtilities, FixedTextAndNumbers) {
  EXPECT_EQ(fixedText(0.1, u'.', 1), u"0.1");
  EXPECT_EQ(fixedText(0.01, u',', 2), u"0,01");
  EXPECT_EQ(fixedText(12.345, u'.', 2), u"12.34");
  EXPECT_EQ(integerText(-17), u"-17");
  EXPECT_TRUE(isNumberText(u"", u'.'));
  EXPECT_TRUE(isNumberText(u"1.5", u'.'));
  EXPECT_FALSE(isNumberText(u"1.5.", u'.'));
  EXPECT_FALSE(isNumberText(u"\u0661", u'.'));  // ARABIC-INDIC DIGIT ONE is no digit here
  unsigned at = 0;
  EXPECT_TRUE(findCharFrom(u"abca", 1, u'a', at));
  EXPECT_EQ(at, 3u);
  EXPECT_FALSE(findCharFrom(u"abc", 5, u'a', at));
  EXPECT_TRUE(startsWithText(u">=1", 3, u">=", 2));
  EXPECT_FALSE(startsWithText(u">=1", 1, u">=", 2));
  EXPECT_TRUE(std::isnan(quietNaN()));
}

}  // namespace
}  // namespace exprparser::test
