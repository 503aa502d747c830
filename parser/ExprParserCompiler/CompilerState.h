#pragma once
// The compiler feeds the characters of an expression to its current state.
// The normal state parses; the state between the name delimiters collects a
// name; a function with an argument hook takes over the text inside its
// brackets. By default every event adds the character to the token.

#include <string>

namespace exprparser {

class ExprParserCompiler;
class ExprParserRegistrar;

class CompilerState {
 public:
  virtual ~CompilerState() = default;
  virtual void enter(ExprParserCompiler* compiler, ExprParserRegistrar* registrar) {
    compiler_ = compiler;
    registrar_ = registrar;
  }
  virtual void finish() {}  // the text ended while this state was current
  virtual bool offerChar(char16_t*) { return false; }
  virtual void onOperator(const std::u16string& symbol);
  virtual void onOpenBracket();
  virtual void onCloseBracket();
  virtual void onNameBegin();
  virtual void onNameEnd();
  virtual void onSeparator();

 protected:
  ExprParserCompiler* compiler_ = nullptr;
  ExprParserRegistrar* registrar_ = nullptr;
};

using ArgumentHook = CompilerState;

}  // namespace exprparser
