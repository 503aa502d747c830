#pragma once
// One fuzz input run the way the equation dialog runs a text: the first byte
// picks the settings, the rest is the expression. Shared by the fuzz target
// and the test that replays the corpus, so every finding kept in the corpus
// is a test. Returns false when a promise is broken (a failed compile must
// leave a program that evaluates to NaN, an error must describe itself).

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "parser/ParserFacade/ExprParser.h"

namespace exprparser::fuzz {

inline std::size_t occurrences(std::u16string_view text, std::u16string_view word) {
  std::size_t count = 0;
  for (auto at = text.find(word); at != std::u16string_view::npos; at = text.find(word, at + 1))
    ++count;
  return count;
}

// Nested numerical methods multiply their costs (an integral of integrals);
// such texts are legitimately slow and say nothing about safety.
inline bool affordable(std::u16string_view text) {
  const std::size_t heavy = occurrences(text, u"trapezoid") + occurrences(text, u"solve");
  return heavy <= 1 && heavy + occurrences(text, u"derivate") <= 3;
}

inline bool runParserFuzzInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1 || size > 2048) return true;
  const std::uint8_t settings = data[0];
  std::u16string text;  // bytes above 0x7F become code units of another script
  for (std::size_t i = 1; i < size; ++i)
    text += data[i] < 0x80 ? char16_t(data[i]) : char16_t(0x0600 + data[i]);
  if (!affordable(text)) return true;

  ExprParser parser;
  double x = 0.5;
  parser.bindVariable(u"x", &x);
  parser.addConstant(u"pi", 3.14159265359);
  parser.addConstant(u"e", 2.718281828459045);
  parser.addMacro(u"f(a,b)", u"a*b+1", u"");
  if (settings & 1) parser.enableAutoDefinition(true);
  if (settings & 2) parser.applySyntax({u',', u';', u'[', u']'});
  try {
    parser.evaluateText(text);
    x = -3;
    parser.evaluateProgram();
    if (settings & 4) {
      ExprParser copy(parser);
      copy.evaluateProgram();
    }
    if (settings & 8) {
      parser.removeAllVariables();
      if (!std::isnan(parser.evaluateProgram())) return false;
    }
  } catch (const ExprException& e) {
    if (e.descriptions.empty() || e.description.empty()) return false;
    if (!std::isnan(parser.evaluateProgram())) return false;
  }
  return true;
}

}  // namespace exprparser::fuzz
