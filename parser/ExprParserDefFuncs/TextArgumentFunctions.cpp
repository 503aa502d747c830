#include "parser/ExprParserDefFuncs/TextArgumentFunctions.h"

#include <cstdint>

#include "parser/ExprParserCompiler/ExprParserCompiler.h"
#include "parser/ParserErrors/ParserErrors.h"

namespace exprparser {
namespace {

[[noreturn]] void raiseBadDigit(const char16_t* function) {
  SExprExcepData record;
  record.code = FunctionArgumentSyntax;
  record.item = function;
  record.id = 1;
  raiseParserError(std::move(record), 0, kDefFuncsSource);
}

}  // namespace

void TextArgumentReader::enter(ExprParserCompiler* compiler, ExprParserRegistrar* registrar) {
  CompilerState::enter(compiler, registrar);
  start_ = compiler->position();
}

void TextArgumentReader::finish() { compiler_->raiseAtIndex(MissingClosingBracket, start_); }

void TextArgumentReader::onCloseBracket() {
  const std::u16string text = compiler_->currentToken();
  double value = 0;
  try {
    value = owner_->convertText(text);
  } catch (const ParserError&) {
    // The position counts in the text without blanks, as the argument was read.
    compiler_->raiseAt(FunctionArgumentSyntax, compiler_->position() - unsigned(text.size()),
                       owner_->name(), 1);
  }
  compiler_->pushValue(&value);
  compiler_->flushToken();
  compiler_->resumeExpressionState();
}

// Only the rightmost eight digits count: a place weight is a 32-bit unsigned
// value, 0 from 16^8 on.
double HexFunction::convertText(const std::u16string& text) const {
  double value = 0;
  const std::size_t length = text.size();
  for (std::size_t i = 0; i < length; ++i) {
    char16_t c = text[i];
    if (c >= u'a' && c <= u'z') c = char16_t(c - u'a' + u'A');
    int digit = 0;
    if (c >= u'0' && c <= u'9')
      digit = c - u'0';
    else if (c >= u'A' && c <= u'F')
      digit = c - u'A' + 10;
    else
      raiseBadDigit(name());
    const std::size_t place = length - 1 - i;
    const std::uint32_t weight = place < 8 ? std::uint32_t(1) << (4 * place) : 0;
    value += double(digit) * double(weight);
  }
  return value;
}

// Place weights are signed 32-bit: the 32nd digit from the right weighs
// -2^31 and digits further left weigh 0.
double BinFunction::convertText(const std::u16string& text) const {
  double value = 0;
  const std::size_t length = text.size();
  for (std::size_t i = 0; i < length; ++i) {
    const char16_t c = text[i];
    if (c != u'0' && c != u'1') raiseBadDigit(name());
    const std::size_t place = length - 1 - i;
    double weight = 0;
    if (place < 31)
      weight = double(std::int64_t(1) << place);
    else if (place == 31)
      weight = -2147483648.0;
    value += double(c - u'0') * weight;
  }
  return value;
}

}  // namespace exprparser
