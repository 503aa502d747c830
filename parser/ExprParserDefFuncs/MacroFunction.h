#pragma once
// A user macro: a function defined from a prototype such as f(a,b) and an
// expression over its argument names. Its expression is compiled into a
// private parser that sees no variables but the arguments; a call copies the
// argument values in and runs that parser.

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "parser/ExprParserRegistrar/Definitions.h"

namespace exprparser {

class ExprParser;
struct SyntaxChars;

class MacroFunction final : public FunctionDef {
 public:
  MacroFunction();
  ~MacroFunction() override;

  const char16_t* name() const override { return name_.c_str(); }
  const char16_t* usage() const override { return usage_.c_str(); }
  const char16_t* summary() const override { return description_.c_str(); }
  // Folded only when the expression depends on nothing but the arguments
  // (a call of rand keeps it live).
  bool isFoldable() const override { return foldable_; }
  double compute(unsigned argCount, const double* args) override;
  int argCount() const override { return int(argumentCount_); }
  void prepare(ExprParserCompiler* compiler, ExprParserRegistrar* registrar) override;
  std::unique_ptr<FunctionDef> duplicate() const override;

  void compileMacro(const std::u16string& prototype, const std::u16string& expression,
                    const std::u16string& description, ExprParserCompiler* compiler,
                    ExprParserRegistrar* registrar);

 private:
  // nesting: the macro nesting the user had written where the macro was
  // defined; a recompile for a copied registrar counts from there again.
  void compile(const std::u16string& prototype, const std::u16string& expression,
               const std::u16string& description, ExprParserCompiler* compiler,
               ExprParserRegistrar* registrar, int nesting);

  std::unique_ptr<ExprParser> parser_;
  std::u16string description_;
  std::u16string usage_;
  std::u16string name_;
  std::u16string expression_;
  std::u16string prototype_;
  unsigned argumentCount_ = 0;
  std::unique_ptr<double[]> values_;
  bool compiled_ = false;
  bool foldable_ = true;
  int definedAtNesting_ = 0;
};

// The name and argument names of a prototype "name(arg1, arg2, ...)".
std::pair<std::u16string, std::vector<std::u16string>> parsePrototype(
    const std::u16string& prototype, const SyntaxChars& syntax);

}  // namespace exprparser
