// The two states the compiler itself owns: the normal expression state and
// the state between the variable-name delimiters, where operators, brackets
// and separators become part of the name.

#include "parser/ExprParserCompiler/ExpressionStates.h"

#include "parser/ExprParserCompiler/ExprParserCompiler.h"
#include "parser/ParserErrors/ParserErrors.h"

namespace exprparser {

void ExpressionState::onOperator(const std::u16string& symbol) { compiler_->onOperator(symbol); }
void ExpressionState::onOpenBracket() { compiler_->onOpenBracket(); }
void ExpressionState::onCloseBracket() { compiler_->onCloseOrSeparator(); }
void ExpressionState::onSeparator() { compiler_->onCloseOrSeparator(); }
void ExpressionState::onNameBegin() { compiler_->onNameBegin(); }
void ExpressionState::onNameEnd() { compiler_->onNameEnd(); }

void NameState::onNameBegin() {
  if (compiler_->syntax_.nameBegin == compiler_->syntax_.nameEnd)
    compiler_->resumeExpressionState();
  else
    compiler_->raiseAtIndex(UnexpectedBeginVarDelimiter, compiler_->position());
}

void NameState::onNameEnd() { compiler_->resumeExpressionState(); }

}  // namespace exprparser
