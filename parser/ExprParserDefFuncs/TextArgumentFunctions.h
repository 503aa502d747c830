#pragma once
// hex and bin read the text inside their brackets while the expression is
// compiled and leave a constant in its place.

#include <string>

#include "parser/ExprParserCompiler/CompilerState.h"
#include "parser/ExprParserRegistrar/Definitions.h"

namespace exprparser {

class TextArgumentFunction;

class TextArgumentReader final : public CompilerState {
 public:
  explicit TextArgumentReader(TextArgumentFunction* owner) : owner_(owner) {}
  void enter(ExprParserCompiler* compiler, ExprParserRegistrar* registrar) override;
  void finish() override;
  void onCloseBracket() override;

 private:
  TextArgumentFunction* owner_;
  unsigned start_ = 0;
};

class TextArgumentFunction : public FunctionDef {
 public:
  TextArgumentFunction() : reader_(this) {}
  double compute(unsigned, const double*) override { return 0; }  // replaced while compiling
  int argCount() const override { return 1; }
  ArgumentHook* argumentHook() override { return &reader_; }
  // Raises FunctionArgumentSyntax for a character that is no digit of the base.
  virtual double convertText(const std::u16string& text) const = 0;

 private:
  TextArgumentReader reader_;
};

class HexFunction final : public TextArgumentFunction {
 public:
  const char16_t* name() const override { return u"hex"; }
  const char16_t* usage() const override { return u"hex(hexNumber)"; }
  const char16_t* summary() const override {
    return u"Converts an hexadecimal number to a decimal number";
  }
  std::unique_ptr<FunctionDef> duplicate() const override {
    return std::make_unique<HexFunction>();
  }
  double convertText(const std::u16string& text) const override;
};

class BinFunction final : public TextArgumentFunction {
 public:
  const char16_t* name() const override { return u"bin"; }
  const char16_t* usage() const override { return u"bin(binNumber)"; }
  const char16_t* summary() const override {
    return u"Converts a binary number to a decimal number";
  }
  std::unique_ptr<FunctionDef> duplicate() const override {
    return std::make_unique<BinFunction>();
  }
  double convertText(const std::u16string& text) const override;
};

}  // namespace exprparser
