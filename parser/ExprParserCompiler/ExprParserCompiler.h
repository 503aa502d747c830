#pragma once
// Turns an expression text into a program (Instruction list). Blanks are
// removed while remembering where every kept character stood, so errors point
// into the text as written. Operators are ordered by precedence with an
// operator stack, function overloads are chosen by the number of arguments
// written, and every sub-expression whose leaves are all constants is folded
// into one constant as soon as it is complete.

#include <functional>
#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

#include "parser/ExprParserCompiler/CompilerState.h"
#include "parser/ExprParserCompiler/Instruction.h"
#include "parser/ExprParserRegistrar/DefinitionStore.h"

namespace exprparser {

class ExprParserCompiler final : public CompilerCore {
 public:
  // Macros compile their expressions in private parsers, which may hold
  // private parsers of their own. Two limits keep any text from exhausting
  // the stack: the nesting the user wrote (macro calls inside macro
  // arguments), and the private compiles in progress at once, however they
  // came about (a chain of user macros, each calling the one before, is
  // recompiled link by link when the last is first used).
  static constexpr int kMaxMacroNesting = 16;
  static constexpr int kMaxCompileDepth = 100;

  explicit ExprParserCompiler(ExprParserRegistrar* registrar);
  ~ExprParserCompiler() override;
  ExprParserCompiler(const ExprParserCompiler&) = delete;
  ExprParserCompiler& operator=(const ExprParserCompiler&) = delete;

  bool autoDefinitionEnabled() const override { return autoDefinition_; }
  // Strong guarantee for callers: a text that fails leaves the constant NaN
  // program, never a half-built one.
  void compileText(const std::u16string& text) override;
  bool isConstantProgram() const override;
  unsigned usedVariableCount() const override { return unsigned(usedVariables_.size()); }
  VariableKey usedVariable(unsigned index) const override;
  std::u16string expressionText() const override { return expressionText_; }
  void discardProgram() override;

  void setAutoDefinition(bool enable) { autoDefinition_ = enable; }
  std::vector<Instruction>& program() { return program_; }
  // Where the stretches of a run begin. A run makes, in program order, every
  // step but the variable reads that their consumers take straight from the
  // variable's double. Empty for a constant program.
  const std::vector<Instruction*>& runStarts() const { return runSteps_; }
  void appendCurrentChar();
  void flushToken() { s_.token.clear(); }
  std::u16string currentToken() const { return s_.token; }
  unsigned position() const { return s_.position; }
  void pushValue(const double* value);
  void pushVariable(const std::u16string& name);
  void emitOwnedFunction(std::unique_ptr<FunctionDef> item, int argCount);
  void emitFunctionByName(const std::u16string& name, int argCount);
  void compileNested(const std::u16string& text);
  void noteUsedVariable(const std::u16string& name);
  void resumeExpressionState();
  [[noreturn]] void raiseAt(int code, unsigned position, std::u16string item, int id);
  [[noreturn]] void raiseAtToken(int code, unsigned index, std::u16string item);
  [[noreturn]] void raiseAtIndex(int code, unsigned index);
  [[noreturn]] void raiseNamed(int code, std::u16string item);
  std::unique_ptr<ExprParserCompiler> duplicate(ExprParserRegistrar* registrar) const;

  // True when every step of the program is a constant, a foldable item or a
  // variable that `allowed` accepts: then the program's value depends on
  // nothing but those variables.
  bool dependsOnlyOn(const std::function<bool(const DefinitionItem*)>& allowed) const;
  // Macro nesting written between this compiler's text and the user's.
  int nestingDepth() const { return nestingDepth_ + nestedParses_; }
  // Private parsers and nested compiles between this compiler and the
  // outermost one.
  int compileDepth() const { return compileDepth_ + nestedParses_; }
  // A duplicate counts as one level deeper in both; a plain copy of a parser
  // is not, and a user macro recompiled for a copied registrar is as deep in
  // writing as where it was defined.
  void setDepths(int nesting, int compiles) {
    nestingDepth_ = nesting;
    compileDepth_ = compiles;
  }
  // The limit that one more private compile, at the given written nesting,
  // would pass; 0 when there is none.
  int limitReached(int nesting) const;
  ExprParserRegistrar* registrar() const { return registrar_; }

 private:
  friend class ExpressionState;
  friend class NameState;

  struct PendingOp {
    int precedence = -1;  // -1 marker, 0..4 operators, 5 functions
    unsigned position = 0;
    bool hasMarker = false;
    int argCount = 0;
    bool content = false;
    int kind = 0;  // 2 operator, 3 function, 0 marker
    int index = -1;
    DefinitionItem* item = nullptr;
    bool prefix = false;
    std::unique_ptr<FunctionDef> owned;
  };
  struct BracketLevel {
    int previousKind = 0;
    int currentKind = 0;  // 0 nothing, 1 value, 2 operator, 3 function
  };
  struct ParseState {
    std::u16string text;
    unsigned position = 0;
    std::u16string token;
    unsigned tokenStart = 0;
    char16_t nextChar = 0;
    std::vector<unsigned> positionMap;
    CompilerState* current = nullptr;
    std::vector<PendingOp> operators;
    std::vector<BracketLevel> levels;
  };

  void parse(const std::u16string& text);
  void clearProgram();
  bool endToken();
  void markContent(bool value);
  void setKind(int kind);
  BracketLevel& level();
  void emit(PendingOp& entry, bool overloadSearch);
  bool linkArguments(Instruction& q, double& result);
  void linkRun();
  void onOperator(const std::u16string& symbol);
  void onOpenBracket();
  void onCloseOrSeparator();
  void onNameBegin();
  void onNameEnd();
  unsigned mapped(unsigned index) const;

  ParseState s_;  // the parse in progress; compileNested saves and restores it
  std::vector<Instruction> program_;
  std::vector<Instruction*>
      runSteps_;  // into program_, rebuilt with it; the stretches' starts once linked
  SyntaxChars syntax_;
  std::u16string expressionText_;
  std::vector<VariableKey> usedVariables_;
  std::unique_ptr<CompilerState> expressionState_;
  std::unique_ptr<CompilerState> nameState_;
  bool autoDefinition_ = false;
  int nestingDepth_ = 0;
  int compileDepth_ = 0;
  int nestedParses_ = 0;
  std::unordered_set<std::u16string> usedNames_;  // keeps noting a name constant-time
  ExprParserRegistrar* registrar_;
};

}  // namespace exprparser
