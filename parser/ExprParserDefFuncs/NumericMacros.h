#pragma once
// derivate, trapezoid and solve: functions whose first two arguments are an
// expression and the name of a variable in it, read as text while the
// calling expression is compiled. Each call compiles that expression into a
// private parser of its own; at evaluation it sets the variable and runs the
// private parser as often as its numerical method needs.

#include <memory>
#include <string>
#include <vector>

#include "parser/ExprParserCompiler/CompilerState.h"
#include "parser/ExprParserRegistrar/Definitions.h"

namespace exprparser {

class ExprParser;
class NumericMacro;

class MacroArgumentReader final : public CompilerState {
 public:
  explicit MacroArgumentReader(const NumericMacro* owner) : owner_(owner) {}
  ~MacroArgumentReader() override;
  void preparePending();
  void enter(ExprParserCompiler* compiler, ExprParserRegistrar* registrar) override;
  void finish() override;
  void onOpenBracket() override;
  void onSeparator() override;
  void onCloseBracket() override;

 private:
  const NumericMacro* owner_;
  std::vector<std::u16string> texts_;
  int depth_ = 0;
  unsigned start_ = 0;
  std::unique_ptr<NumericMacro> pending_;  // this call's own instance
};

class NumericMacro : public FunctionDef {
 public:
  NumericMacro();
  ~NumericMacro() override;
  ArgumentHook* argumentHook() override;
  // Folded only when its value depends on nothing but its own variable:
  // an outer variable or a call of rand keeps the call live.
  bool isFoldable() const override { return foldable_; }
  void compileArguments(std::vector<std::u16string> args, ExprParserCompiler* compiler,
                        ExprParserRegistrar* registrar, unsigned start);
  virtual std::unique_ptr<NumericMacro> duplicateMacro() const = 0;
  std::unique_ptr<FunctionDef> duplicate() const override { return duplicateMacro(); }

 protected:
  double valueAt(double v);  // F(v)
  double derivativeAt(double v);
  double secondDerivativeAt(double v);
  bool compiled() const { return parser_ != nullptr; }

 private:
  virtual int minTexts() const = 0;
  virtual int maxTexts() const = 0;
  virtual int contextLine() const = 0;
  virtual void fillDefaults(std::vector<std::u16string>& args, char16_t point) const;

  std::unique_ptr<MacroArgumentReader> reader_;
  std::unique_ptr<ExprParser> parser_;
  double value_ = 0;
  bool foldable_ = false;
};

class DerivateMacro final : public NumericMacro {
 public:
  const char16_t* name() const override { return u"derivate"; }
  const char16_t* usage() const override { return u"derivate(expression, variable, point)"; }
  const char16_t* summary() const override {
    return u"Differentiate the expression with respect to one variable at the specified point";
  }
  int argCount() const override { return 1; }
  double compute(unsigned, const double* a) override;
  std::unique_ptr<NumericMacro> duplicateMacro() const override {
    return std::make_unique<DerivateMacro>();
  }

 private:
  int minTexts() const override { return 3; }
  int maxTexts() const override { return 3; }
  int contextLine() const override { return 336; }
};

class TrapezoidMacro final : public NumericMacro {
 public:
  // Finer grids than this many points per call are refused (NaN), so no
  // typed bound or step can keep an evaluation busy without end.
  static constexpr double kMaxGridPoints = 1e7;
  const char16_t* name() const override { return u"trapezoid"; }
  const char16_t* usage() const override {
    return u"trapezoid(expression, variable, a, b, [step=0.1])";
  }
  const char16_t* summary() const override {
    return u"Compute a numerical approximation to the integral between a and b";
  }
  int argCount() const override { return 3; }
  double compute(unsigned, const double* a) override;
  std::unique_ptr<NumericMacro> duplicateMacro() const override {
    return std::make_unique<TrapezoidMacro>();
  }

 private:
  int minTexts() const override { return 4; }
  int maxTexts() const override { return 5; }
  int contextLine() const override { return 496; }
  void fillDefaults(std::vector<std::u16string>& args, char16_t point) const override;
};

class SolveMacro final : public NumericMacro {
 public:
  static constexpr double kMaxIterations = 10000;
  const char16_t* name() const override { return u"solve"; }
  const char16_t* usage() const override {
    return u"solve(expression, variable, result, [v0=0], [tol=0.01],[maxIter=100]";
  }
  const char16_t* summary() const override {
    return u"Finds the variable's value that yields the desired result using the Newton's "
           u"numerical approximation method";
  }
  int argCount() const override { return 4; }
  double compute(unsigned, const double* a) override;
  std::unique_ptr<NumericMacro> duplicateMacro() const override {
    return std::make_unique<SolveMacro>();
  }

 private:
  int minTexts() const override { return 3; }
  int maxTexts() const override { return 6; }
  int contextLine() const override { return 709; }
  void fillDefaults(std::vector<std::u16string>& args, char16_t point) const override;
};

}  // namespace exprparser
