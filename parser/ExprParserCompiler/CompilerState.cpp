#include "parser/ExprParserCompiler/CompilerState.h"

#include "parser/ExprParserCompiler/ExprParserCompiler.h"

namespace exprparser {

void CompilerState::onOperator(const std::u16string&) { compiler_->appendCurrentChar(); }
void CompilerState::onOpenBracket() { compiler_->appendCurrentChar(); }
void CompilerState::onCloseBracket() { compiler_->appendCurrentChar(); }
void CompilerState::onNameBegin() { compiler_->appendCurrentChar(); }
void CompilerState::onNameEnd() { compiler_->appendCurrentChar(); }
void CompilerState::onSeparator() { compiler_->appendCurrentChar(); }

}  // namespace exprparser
