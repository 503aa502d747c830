// Texts made by machines or typed in error: deep nesting, very long texts,
// digits of other scripts, nested macros. Each must give a value or a clear
// error, without overflowing the stack or taking quadratic time.

#include "parser/ExprParserRegistrar/TextUtils.h"
#include "parser/tests/ParserTestSupport.h"

namespace exprparser::test {
namespace {

std::u16string repeat(std::u16string_view part, int count) {
  std::u16string out;
  out.reserve(part.size() * std::size_t(count));
  for (int i = 0; i < count; ++i) out += part;
  return out;
}

TEST(Safety, DeepBracketNesting) {
  ExprParser parser;
  double x = 2;
  parser.bindVariable(u"x", &x);
  constexpr int kDepth = 50000;
  EXPECT_EQ(parser.evaluateText(repeat(u"(", kDepth) + u"x" + repeat(u")", kDepth)), 2);
  EXPECT_EQ(parser.evaluateText(repeat(u"sin(", kDepth) + u"0" + repeat(u")", kDepth)), 0);
  EXPECT_EQ(parser.evaluateText(repeat(u"-", kDepth) + u"x"), 2);
  EXPECT_EQ(captureError([&] { parser.evaluateText(repeat(u"(", kDepth) + u"x"); }).code,
            MissingClosingBracket);
}

TEST(Safety, LongChainsCompileInLinearTime) {
  ExprParser parser;
  double x = 1;
  parser.bindVariable(u"x", &x);
  constexpr int kTerms = 50000;
  EXPECT_EQ(parser.evaluateText(u"x" + repeat(u"+x", kTerms)), kTerms + 1);
  EXPECT_EQ(parser.evaluateText(u"x" + repeat(u"^1", kTerms)), 1);  // right operands fold
  EXPECT_EQ(parser.evaluateText(u"sum(x" + repeat(u",x", kTerms) + u")"), kTerms + 1);
  EXPECT_EQ(parser.evaluateText(u"1" + repeat(u"+1", kTerms)), kTerms + 1);
  EXPECT_EQ(parser.evaluateText(repeat(u"hex(1)+", kTerms) + u"0"), kTerms);
}

TEST(Safety, ManyMacroCallsStayLinear) {
  ExprParser parser;
  double x = 1;
  parser.bindVariable(u"x", &x);
  constexpr int kCalls = 1000;
  EXPECT_NEAR(parser.evaluateText(repeat(u"derivate(t*x,t,1)+", kCalls) + u"0"), kCalls, 1e-6);
}

TEST(Safety, AutomaticNamesInBulk) {
  ExprParser parser;
  parser.enableAutoDefinition(true);
  constexpr int kNames = 20000;
  std::u16string text = u"0";
  for (int i = 0; i < kNames; ++i) text += u"+v" + integerText(i);
  EXPECT_EQ(parser.evaluateText(text), 0);
  EXPECT_EQ(parser.usedVariableCount(), unsigned(kNames));
}

TEST(Safety, OnlyAsciiDigitsAreDigits) {
  ExprParser parser;
  // ARABIC-INDIC DIGIT ONE and FULLWIDTH DIGIT TWO are names, not numbers.
  for (const char16_t* text : {u"\u0661", u"\uFF12+1"}) {
    const ErrorSeen seen = captureError([&] { parser.evaluateText(text); });
    EXPECT_EQ(seen.code, UndefinedVariable);
    EXPECT_EQ(seen.position, 0);
  }
}

TEST(Safety, NestedMacrosPastTheLimitAreRefused) {
  ExprParser parser;
  std::u16string text = u"t";
  for (int i = 0; i < 40; ++i) text = u"derivate(" + text + u",t,1)";
  const ErrorSeen seen = captureError([&] { parser.evaluateText(text); });
  ASSERT_TRUE(seen.thrown);
  EXPECT_EQ(seen.descriptions.back(),
            "Macros are nested too deeply at position: 9. At most 16 levels are allowed");
  std::u16string inArgument = u"1";
  for (int i = 0; i < 40; ++i) inArgument = u"derivate(t,t," + inArgument + u")";
  EXPECT_EQ(captureError([&] { parser.evaluateText(inArgument); })
                .descriptions.back()
                .rfind("Macros are nested too deeply", 0),
            0u);
  EXPECT_NEAR(parser.evaluateText(u"derivate(derivate(t^3,t,u),u,1)"), 6, 1e-3);
  // Copies of copies are no deeper than the parser they copy.
  std::vector<std::unique_ptr<ExprParser>> copies;
  copies.push_back(std::make_unique<ExprParser>(parser));
  for (int i = 0; i < 40; ++i) copies.push_back(std::make_unique<ExprParser>(*copies.back()));
  EXPECT_NEAR(copies.back()->evaluateText(u"derivate(t^2,t,1)"), 2, 1e-9);
}

// Each macro calls the one before: what the user wrote nests one level deep
// however long the chain, although defining the last recompiles them all.
TEST(Safety, MacroChainsCountWhatWasWritten) {
  ExprParser parser;
  parser.addMacro(u"f1(a)", u"a+1", u"");
  for (int i = 2; i <= 40; ++i)
    parser.addMacro(u"f" + integerText(i) + u"(a)", u"f" + integerText(i - 1) + u"(a)", u"");
  EXPECT_EQ(parser.evaluateText(u"f40(2)"), 3);
  ExprParser copy(parser);
  double x = 5;
  copy.bindVariable(u"x", &x);
  EXPECT_NEAR(copy.evaluateText(u"derivate(f40(t)*t, t, x)"), 11, 1e-6);

  // A chain longer than the stack allows is refused, saying why.
  constexpr int kLongest = ExprParserCompiler::kMaxCompileDepth;
  for (int i = 41; i <= kLongest; ++i)
    parser.addMacro(u"f" + integerText(i) + u"(a)", u"f" + integerText(i - 1) + u"(a)", u"");
  const ErrorSeen seen = captureError([&] {
    parser.addMacro(u"f" + integerText(kLongest + 1) + u"(a)",
                    u"f" + integerText(kLongest) + u"(a)", u"");
  });
  EXPECT_EQ(seen.code, MacroNestingTooDeep);
  EXPECT_EQ(seen.description,
            "Macros are nested too deeply at position: 1. At most 100 levels are allowed");
}

TEST(Safety, NumbersReadTheSameUnderEveryLocale) {
  // The reader never consults the locale; a comma locale only changes what
  // useLocaleSyntax picks.
  ExprParser parser;
  EXPECT_EQ(parser.evaluateText(u"1.25*4"), 5);
  ExprParser::setLocaleDecimalQuery([]() -> std::optional<char16_t> { return u'.'; });
  EXPECT_TRUE(parser.useLocaleSyntax());
  ExprParser::setLocaleDecimalQuery(nullptr);
  EXPECT_EQ(parser.evaluateText(u"max(1.5,2.5)"), 2.5);
}

}  // namespace
}  // namespace exprparser::test
