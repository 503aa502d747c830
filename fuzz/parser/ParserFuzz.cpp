// Compiles and evaluates arbitrary texts the way the equation dialog does.
// Any crash, sanitizer report or broken promise (a failed compile must leave
// a program that evaluates to NaN) is a finding.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "parser/ParserFacade/ExprParser.h"

namespace {

std::size_t occurrences(std::u16string_view text, std::u16string_view word) {
  std::size_t count = 0;
  for (auto at = text.find(word); at != std::u16string_view::npos; at = text.find(word, at + 1))
    ++count;
  return count;
}

// Nested numerical methods multiply their costs (an integral of integrals);
// such texts are legitimately slow and say nothing about safety.
bool affordable(std::u16string_view text) {
  const std::size_t heavy = occurrences(text, u"trapezoid") + occurrences(text, u"solve");
  return heavy <= 1 && heavy + occurrences(text, u"derivate") <= 3;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1 || size > 2048) return 0;
  // The first byte picks the settings, the rest is the text; bytes above
  // 0x7F become code units from other scripts.
  const std::uint8_t settings = data[0];
  std::u16string text;
  for (std::size_t i = 1; i < size; ++i)
    text += data[i] < 0x80 ? char16_t(data[i]) : char16_t(0x0600 + data[i]);
  if (!affordable(text)) return 0;

  exprparser::ExprParser parser;
  double x = 0.5;
  parser.bindVariable(u"x", &x);
  parser.addConstant(u"pi", 3.14159265359);
  parser.addConstant(u"e", 2.718281828459045);
  parser.addMacro(u"f(a,b)", u"a*b+1", u"");
  if (settings & 1) parser.enableAutoDefinition(true);
  if (settings & 2) {
    parser.applySyntax({u',', u';', u'[', u']'});
  }
  try {
    parser.evaluateText(text);
    x = -3;
    parser.evaluateProgram();
    if (settings & 4) {
      exprparser::ExprParser copy(parser);
      copy.evaluateProgram();
    }
    if (settings & 8) {
      parser.removeAllVariables();
      if (!std::isnan(parser.evaluateProgram())) __builtin_trap();
    }
  } catch (const ExprException& e) {
    if (e.descriptions.empty()) __builtin_trap();
    if (!std::isnan(parser.evaluateProgram())) __builtin_trap();
  }
  return 0;
}
