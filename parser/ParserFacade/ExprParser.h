#pragma once
// The expression parser as the rest of the program uses it: define variables
// bound to your own doubles and named constants, then evaluate texts. Each
// evaluateText compiles anew; to evaluate one text many times, compile once
// (compileText) and call evaluateProgram, which allocates nothing.
//
// Every failure is thrown as ParserError (ExprChainedExceptions<SExprExcepData>),
// catchable as ExprException. Not thread-safe: even a run writes into the
// program.

#include <memory>
#include <optional>
#include <string>

#include "parser/ExprParserCompiler/ExprParserCompiler.h"
#include "parser/ExprParserRegistrar/DefinitionStore.h"
#include "parser/ExprParserRegistrar/ExprParserRegistrar.h"
#include "parser/ParserErrors/ParserErrors.h"

namespace exprparser {

class ExprParser final : public DefinitionStore, public CompilerCore {
 public:
  ExprParser();  // all built-in operators, functions, macros and "NaN"
  ExprParser(const ExprParser& other);
  ExprParser(const ExprParserCompiler& compiler, const ExprParserRegistrar& registrar);
  ExprParser& operator=(const ExprParser&) = delete;
  ~ExprParser() override;

  VariableKey addVariable(std::unique_ptr<VariableDef> variable) override;
  void removeVariable(const VariableKey& key) override;
  // Also drops the program, which may refer to the removed variables.
  void removeAllVariables() override;
  VariableDef* variableByKey(VariableKey& key) override;
  VariableDef* variableByName(const std::u16string& name) override;
  VariableKey variableKey(const std::u16string& name) override;
  void loadPluginByClassId(const std::u16string& classId) override;
  void addConstant(const std::u16string& name, double value) override;
  unsigned constantCount() const override;
  void constantAt(unsigned index, std::u16string& name, double& value) const override;
  void addFunction(std::unique_ptr<FunctionDef> function) override;
  unsigned functionCount() const override;
  FunctionDef* functionAt(unsigned index) const override;
  void addOperator(std::unique_ptr<OperatorDef> op) override;
  unsigned operatorCount() const override;
  OperatorDef* operatorAt(unsigned index) const override;
  void applySyntax(SyntaxChars syntax) override;
  SyntaxChars syntax() const override;

  void rebuildFrom(const ExprParserCompiler& compiler, const ExprParserRegistrar& registrar);
  void copyFrom(const ExprParser& other);
  double evaluateProgram() {
    if (count_ == 0) return constantResult_;
    // Each step writes its result to its consumer's slot and runs the next
    // itself; the result of the last step is the value.
    double result = 0;
    Instruction* const* i = runFirst_;
    do {
      result = (*i)->step(**i, result);
    } while (++i != runEnd_);
    return result;
  }
  double evaluateText(const std::u16string& text);
  bool lastResultFinite() const;
  bool lastResultNaN() const;
  VariableKey bindVariable(const std::u16string& name, double* value);
  void enableAutoDefinition(bool enable, std::unique_ptr<VariableFactory> factory = nullptr);
  void addMacro(const std::u16string& prototype, const std::u16string& expression,
                const std::u16string& description);
  // Takes the decimal point of the current locale; ';' separates arguments
  // when that point is ','. False when the locale cannot be asked.
  bool useLocaleSyntax();
  double nanValue() const { return nan_; }

  bool autoDefinitionEnabled() const override;
  // A failed compile leaves the constant NaN program.
  void compileText(const std::u16string& text) override;
  bool isConstantProgram() const override;
  unsigned usedVariableCount() const override;
  VariableKey usedVariable(unsigned index) const override;
  std::u16string expressionText() const override;
  void discardProgram() override;

  // The number of instructions in the program; 0 for a constant program.
  unsigned instructionCount() const { return count_; }
  const ExprParserCompiler& compiler() const { return *compiler_; }
  // How deep this parser sits among private parsers (see ExprParserCompiler).
  void setDepths(int nesting, int compiles) { compiler_->setDepths(nesting, compiles); }
  const ExprParserRegistrar& registrar() const { return *registrar_; }

  // Where useLocaleSyntax asks for the decimal point; replaceable in tests.
  using LocaleDecimalQuery = std::optional<char16_t> (*)();
  static void setLocaleDecimalQuery(LocaleDecimalQuery query);

 private:
  void captureProgram();

  std::unique_ptr<ExprParserRegistrar> registrar_;
  std::unique_ptr<ExprParserCompiler> compiler_;  // destroyed first
  Instruction* first_ = nullptr;
  Instruction* end_ = nullptr;
  Instruction* const* runFirst_ = nullptr;  // where the compiler's run stretches start
  Instruction* const* runEnd_ = nullptr;
  unsigned count_ = 0;
  double nan_;
  double constantResult_;
};

}  // namespace exprparser

using exprparser::ExprChainedExceptions;
using exprparser::ExprException;
using exprparser::ExprParser;
using exprparser::SExprExcepData;
