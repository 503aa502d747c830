#pragma once
// Helpers shared by the parser tests: UTF-8 literals in, UTF-16 for the
// parser, an expectation on a thrown parser error, and the two
// non-finite values the expected tables name.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <ostream>
#include <string>

#include "parser/ParserFacade/ExprParser.h"

namespace exprparser::test {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

inline std::u16string u16(std::string_view text) {
  std::u16string out;
  for (unsigned char c : text) out += char16_t(c);  // tests use ASCII only
  return out;
}

inline std::string narrow(std::u16string_view text) {
  std::string out;
  for (char16_t c : text) out += c < 0x80 ? char(c) : '?';
  return out;
}

// One row of an expression -> value table.
struct ValueCase {
  const char* text;
  double expected;
};

inline void PrintTo(const ValueCase& c, std::ostream* os) { *os << c.text; }

struct ErrorSeen {
  bool thrown = false;
  int code = -1;
  int position = -1;
  int id = 0;
  std::string description;
  std::vector<std::string> descriptions;
};

inline ErrorSeen captureError(const std::function<void()>& action) {
  ErrorSeen seen;
  try {
    action();
  } catch (const ParserError& e) {
    seen.thrown = true;
    seen.code = e.entries.front().record.code;
    seen.position = e.entries.front().record.position;
    seen.id = e.entries.front().record.id;
    seen.description = narrow(e.description);
    for (const auto& d : e.descriptions) seen.descriptions.push_back(narrow(d));
  }
  return seen;
}

}  // namespace exprparser::test
