#pragma once
// This file is not part of the parser's interface: the compiler's own states.

#include "parser/ExprParserCompiler/CompilerState.h"

namespace exprparser {

class ExpressionState final : public CompilerState {
 public:
  void onOperator(const std::u16string& symbol) override;
  void onOpenBracket() override;
  void onCloseBracket() override;
  void onNameBegin() override;
  void onNameEnd() override;
  void onSeparator() override;
};

class NameState final : public CompilerState {
 public:
  void onNameBegin() override;
  void onNameEnd() override;
};

}  // namespace exprparser
