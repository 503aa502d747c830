#include "parser/ParserErrors/ParserErrors.h"

#include <string_view>

namespace exprparser {
namespace {

constexpr std::u16string_view kTexts[] = {
#define EXPR_PARSER_ERROR_TEXT(code, id, text) text,
    EXPR_PARSER_ERRORS(EXPR_PARSER_ERROR_TEXT)
#undef EXPR_PARSER_ERROR_TEXT
};

std::u16string decimal(std::int32_t n) {
  std::u16string digits;
  std::int64_t v = n;
  bool negative = v < 0;
  if (negative) v = -v;
  do {
    digits.insert(digits.begin(), char16_t(u'0' + v % 10));
    v /= 10;
  } while (v != 0);
  if (negative) digits.insert(digits.begin(), u'-');
  return digits;
}

}  // namespace

std::u16string describeError(const SExprExcepData& record) {
  constexpr auto count = std::int32_t(std::size(kTexts));
  if (record.code < 0 || record.code >= count) return u"No description available";
  const std::u16string_view text = kTexts[record.code];
  // One pass over the template, so an item that looks like a placeholder
  // is copied as it stands.
  std::u16string out;
  for (std::size_t i = 0; i < text.size();) {
    auto field = [&](std::u16string_view name) { return text.substr(i, name.size()) == name; };
    if (field(u"{item}")) {
      out += record.item;
      i += 6;
    } else if (field(u"{other}")) {
      out += record.conflictingItem;
      i += 7;
    } else if (field(u"{pos}")) {
      out += decimal(std::int32_t(std::int64_t(record.position) + 1));
      i += 5;
    } else if (field(u"{number}")) {
      out += decimal(record.id);
      i += 8;
    } else {
      out += text[i++];
    }
  }
  return out;
}

void raiseParserError(SExprExcepData record, std::int32_t line, const char16_t* sourceFile) {
  std::u16string description = describeError(record);
  throw ParserError(line, sourceFile, 0, record, std::move(description));
}

void raiseWithContext(const ParserError& inner, SExprExcepData record, std::int32_t line,
                      const char16_t* sourceFile) {
  ParserError outer = inner;
  outer.addEntry(line, sourceFile, 0, record, describeError(record));
  throw outer;
}

}  // namespace exprparser
